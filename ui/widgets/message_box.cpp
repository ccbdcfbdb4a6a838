#include "ui/widgets/message_box.h"

#include "res/load_string.h"

#include <QMessageBox>
#include <QPushButton>
#include <QQueue>
#include <QWidget>
#include <optional>

namespace {

struct STestSeam
{
    QQueue<MessageBox::Answer> queued;
    std::optional<MessageBox::Answer> fallback;
    QList<MessageBox::SShown> shown;
};

STestSeam& Seam()
{
    static STestSeam seam;
    return seam;
}

// Texts of the table may carry "\r\n" line ends; a label breaks lines at "\n" alone.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.remove(QLatin1Char('\r'));
    return text;
}

QMessageBox::Icon ToQtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBox::Icon::Question:
        return QMessageBox::Question;
    case MessageBox::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageBox::Answer RunDialog(QWidget* parent, const QString& caption, const QString& text,
                             MessageBox::Buttons buttons, MessageBox::Icon icon)
{
    QMessageBox box(ToQtIcon(icon), caption, ForDisplay(text), QMessageBox::NoButton,
                    parent != nullptr ? parent->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    QPushButton* third = nullptr;
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        first = box.addButton(LoadString(ids::kButtonOk), QMessageBox::AcceptRole);
        box.setEscapeButton(first);
        break;
    case MessageBox::Buttons::OkCancel:
        first = box.addButton(LoadString(ids::kButtonOk), QMessageBox::AcceptRole);
        second = box.addButton(LoadString(ids::kButtonCancel), QMessageBox::RejectRole);
        box.setEscapeButton(second);
        break;
    case MessageBox::Buttons::YesNo:
        first = box.addButton(LoadString(ids::kButtonYes), QMessageBox::YesRole);
        second = box.addButton(LoadString(ids::kButtonNo), QMessageBox::NoRole);
        box.setEscapeButton(second);
        break;
    case MessageBox::Buttons::YesNoCancel:
        first = box.addButton(LoadString(ids::kButtonYes), QMessageBox::YesRole);
        second = box.addButton(LoadString(ids::kButtonNo), QMessageBox::NoRole);
        third = box.addButton(LoadString(ids::kButtonCancel), QMessageBox::RejectRole);
        box.setEscapeButton(third);
        break;
    }
    box.setDefaultButton(first);
    box.exec();

    const bool firstChosen = box.clickedButton() == first;
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        return MessageBox::Answer::Ok;
    case MessageBox::Buttons::OkCancel:
        return firstChosen ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel;
    case MessageBox::Buttons::YesNoCancel:
        if (box.clickedButton() == second) {
            return MessageBox::Answer::No;
        }
        return firstChosen ? MessageBox::Answer::Yes : MessageBox::Answer::Cancel;
    case MessageBox::Buttons::YesNo:
        break;
    }
    return firstChosen ? MessageBox::Answer::Yes : MessageBox::Answer::No;
}

} // namespace

MessageBox::Answer MessageBox::Show(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                                    const QString& caption)
{
    const QString title = caption.isEmpty() ? LoadString(ids::kAppTitle) : caption;
    STestSeam& seam = Seam();
    if (!seam.queued.isEmpty() || seam.fallback.has_value()) {
        seam.shown.append(SShown{title, text, buttons, icon});
        return seam.queued.isEmpty() ? *seam.fallback : seam.queued.dequeue();
    }
    return RunDialog(parent, title, text, buttons, icon);
}

void MessageBox::Information(QWidget* parent, const QString& text)
{
    Show(parent, text, Buttons::Ok, Icon::Information);
}

void MessageBox::Warning(QWidget* parent, const QString& text)
{
    Show(parent, text, Buttons::Ok, Icon::Warning);
}

MessageBox::Answer MessageBox::OkCancel(QWidget* parent, const QString& text, Icon icon)
{
    return Show(parent, text, Buttons::OkCancel, icon);
}

MessageBox::Answer MessageBox::YesNo(QWidget* parent, const QString& text, Icon icon)
{
    return Show(parent, text, Buttons::YesNo, icon);
}

MessageBox::Answer MessageBox::YesNoCancel(QWidget* parent, const QString& text, Icon icon)
{
    return Show(parent, text, Buttons::YesNoCancel, icon);
}

void MessageBox::SetNextAnswer(Answer answer)
{
    Seam().queued.enqueue(answer);
}

void MessageBox::SetDefaultAnswer(Answer answer)
{
    Seam().fallback = answer;
}

QList<MessageBox::SShown> MessageBox::Shown()
{
    return Seam().shown;
}

void MessageBox::Reset()
{
    Seam() = STestSeam();
}
