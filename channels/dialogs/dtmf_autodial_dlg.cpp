#include "channels/dialogs/dtmf_autodial_dlg.h"

#include "channels/command_keys.h"
#include "core/command_text.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

namespace {

// Memory numbers and the dialled channel are written as one character of this alphabet.
constexpr std::string_view kNumberDigits = "0123456789ABCDEF";

// The speed list's entries are the setting's own value words, so the selected text is sent as it is.
constexpr std::array<std::string_view, 4> kSpeeds = {keys::kDtmfSpeed100, keys::kDtmfSpeed200,
                                                     keys::kDtmfSpeed300, keys::kDtmfSpeed500};

// An empty value would leave a memory unchanged; a blank empties it.
constexpr std::string_view kEmptyMemory = " ";

// The widest line the list shows: a label, two blanks and sixteen digits.
constexpr std::string_view kWidestLine = "D9  ################";
constexpr int kListFrame = 12;

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The digits as they are kept and written: at most sixteen characters, no trailing blanks.
QString Trimmed(const QString& text)
{
    QString digits = text.left(CDtmfAutodialDlg::kDigitLength);
    while (!digits.isEmpty() && digits.back().isSpace()) {
        digits.chop(1);
    }
    return digits;
}

QChar NumberDigit(int number)
{
    return QLatin1Char(kNumberDigits[static_cast<size_t>(number)]);
}

// "DTMF.<n>" for the memory numbered 1 to 9.
std::string MemoryPath(int memory)
{
    return keys::Path(keys::kDtmf, kNumberDigits.substr(static_cast<size_t>(memory), 1));
}

QString MemoryLabel(int index)
{
    return LoadString(ids::kDtmfMemoryFormat).arg(NumberDigit(index + 1));
}

} // namespace

CDtmfAutodialDlg::CDtmfAutodialDlg(ICommandTarget& radioData, QWidget* parent)
    : QDialog(parent), m_data(radioData), m_memories(new QListWidget(this)), m_digits(new QLineEdit(this)),
      m_channel(new QComboBox(this)), m_speed(new QComboBox(this))
{
    setObjectName(QStringLiteral("dtmfAutodialDialog"));
    setWindowTitle(LoadString(ids::kDtmfCaption));

    m_memories->setObjectName(QStringLiteral("listMemories"));
    m_memories->setSelectionMode(QAbstractItemView::SingleSelection);
    m_memories->installEventFilter(this);
    // Neither has a label of its own on screen.
    m_memories->setAccessibleName(LoadString(ids::kAccDtmfMemories));
    m_digits->setObjectName(QStringLiteral("editDigits"));
    m_digits->setAccessibleName(LoadString(ids::kAccDtmfDigits));
    m_digits->setMaxLength(kDigitLength);
    m_channel->setObjectName(QStringLiteral("comboChannel"));
    m_speed->setObjectName(QStringLiteral("comboSpeed"));
    for (std::string_view speed : kSpeeds) {
        m_speed->addItem(FromStd(speed));
    }

    LayOut();
    ReadMemories();
    connect(m_memories, &QListWidget::itemSelectionChanged, this, &CDtmfAutodialDlg::ShowSelectedMemory);
    connect(m_digits, &QLineEdit::textChanged, this, &CDtmfAutodialDlg::TakeEditedDigits);

    m_memories->setCurrentRow(m_channel->currentIndex());
    ShowSelectedMemory();
    m_memories->setFocus();
}

void CDtmfAutodialDlg::LayOut()
{
    const QFontMetrics metrics(m_memories->font());
    m_memories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memories->setMinimumWidth(metrics.horizontalAdvance(FromStd(kWidestLine)) + kListFrame);
    m_memories->setMinimumHeight(metrics.lineSpacing() * kMemoryCount + kListFrame);

    auto* channelBox = new QGroupBox(LoadString(ids::kDtmfChannelBox), this);
    channelBox->setObjectName(QStringLiteral("groupChannel"));
    auto* channelLayout = new QVBoxLayout(channelBox);
    channelLayout->addWidget(m_channel);

    auto* speedBox = new QGroupBox(LoadString(ids::kDtmfSpeedBox), this);
    speedBox->setObjectName(QStringLiteral("groupSpeed"));
    auto* speedLayout = new QVBoxLayout(speedBox);
    speedLayout->addWidget(m_speed);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel, Qt::Vertical);

    auto* memories = new QVBoxLayout;
    memories->addWidget(m_memories, 1);
    memories->addWidget(m_digits);

    auto* settings = new QVBoxLayout;
    settings->addWidget(channelBox);
    settings->addWidget(speedBox);
    settings->addStretch(1);
    settings->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(memories, 1);
    layout->addLayout(settings);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDtmfAutodialDlg::ReadMemories()
{
    for (int index = 0; index < kMemoryCount; ++index) {
        const std::string command = MemoryPath(index + 1);
        m_buffers[static_cast<size_t>(index)] = FromStd(m_data.Execute(command)).left(kDigitLength);
        m_memories->addItem(QString());
        ShowLine(index);
    }

    for (int index = 0; index < kMemoryCount; ++index) {
        m_channel->addItem(MemoryLabel(index));
    }
    const std::string channel = m_data.Execute(keys::Common(keys::kDtmfChannel));
    const size_t position =
        channel.size() == 1 ? kNumberDigits.find(channel.front()) : std::string_view::npos;
    // A number the list does not have leaves nothing selected.
    m_channel->setCurrentIndex(position >= 1 && position <= kMemoryCount ? static_cast<int>(position) - 1
                                                                         : -1);

    m_speed->setCurrentIndex(m_speed->findText(FromStd(m_data.Execute(keys::Common(keys::kDtmfSpeed)))));
}

void CDtmfAutodialDlg::ShowLine(int index)
{
    QListWidgetItem* line = m_memories->item(index);
    if (line != nullptr) {
        line->setText(
            LoadString(ids::kDtmfLineFormat).arg(MemoryLabel(index), m_buffers[static_cast<size_t>(index)]));
    }
}

int CDtmfAutodialDlg::SelectedMemory() const
{
    const QList<QListWidgetItem*> selected = m_memories->selectedItems();
    return selected.isEmpty() ? -1 : m_memories->row(selected.front());
}

void CDtmfAutodialDlg::ShowSelectedMemory()
{
    const int index = SelectedMemory();
    if (index >= 0) {
        m_digits->setText(m_buffers[static_cast<size_t>(index)]);
    }
}

void CDtmfAutodialDlg::TakeEditedDigits(const QString& text)
{
    const int index = SelectedMemory();
    if (index < 0) {
        return;
    }
    m_buffers[static_cast<size_t>(index)] = Trimmed(text);
    ShowLine(index);
}

QString CDtmfAutodialDlg::Digits(int memory) const
{
    if (memory < 1 || memory > kMemoryCount) {
        return {};
    }
    return Trimmed(m_buffers[static_cast<size_t>(memory - 1)]);
}

bool CDtmfAutodialDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_memories && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool command =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (!command && !text.isEmpty() && text.front().isPrint()) {
            m_digits->clear();
            m_digits->setFocus(Qt::OtherFocusReason);
            QCoreApplication::sendEvent(m_digits, key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDtmfAutodialDlg::accept()
{
    for (int memory = 1; memory <= kMemoryCount; ++memory) {
        const QString digits = Digits(memory);
        std::string command = MemoryPath(memory);
        command += '=';
        command += digits.isEmpty() ? std::string(kEmptyMemory) : digits.toStdString();
        m_data.Execute(command);
    }

    std::string channel = keys::Common(keys::kDtmfChannel);
    channel += '=';
    channel += kNumberDigits[static_cast<size_t>(m_channel->currentIndex()) + 1];
    m_data.Execute(channel);

    std::string speed = keys::Common(keys::kDtmfSpeed);
    speed += '=';
    speed += m_speed->currentText().toStdString();
    m_data.Execute(speed);

    QDialog::accept();
}
