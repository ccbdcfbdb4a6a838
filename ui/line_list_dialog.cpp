#include "ui/line_list_dialog.h"

#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// Room for a typical difference or report line, and for a dozen of them without scrolling.
constexpr int kVisibleCharacters = 90;
constexpr int kVisibleLines = 14;

} // namespace

CLineListDlg::CLineListDlg(const QString& objectName, const QString& title, const QString& intro,
                           const QStringList& lines, const QString& emptyText, QWidget* parent)
    : QDialog(parent), m_lines(lines), m_intro(new QLabel(intro, this)), m_list(new QListWidget(this))
{
    setObjectName(objectName);
    setWindowTitle(title);

    m_intro->setObjectName(QStringLiteral("introLabel"));
    m_intro->setTextFormat(Qt::PlainText);
    m_intro->setWordWrap(true);
    m_intro->setHidden(intro.isEmpty());

    m_list->setObjectName(QStringLiteral("linesList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A long line wraps rather than losing its end, which is where the reason is, or needing a scroll
    // to the side to read it.
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setWordWrap(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (lines.isEmpty()) {
        auto* item = new QListWidgetItem(emptyText, m_list);
        // Not a line of the list: nothing to select.
        item->setFlags(Qt::ItemIsEnabled);
    } else {
        m_list->addItems(lines);
    }
    const QFontMetrics metrics(m_list->font());
    m_list->setMinimumSize(metrics.averageCharWidth() * kVisibleCharacters,
                           metrics.lineSpacing() * kVisibleLines);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    m_list->setFocus();
}

QString CLineListDlg::Intro() const
{
    return m_intro->text();
}
