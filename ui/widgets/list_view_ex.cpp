#include "ui/widgets/list_view_ex.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>
#include <QToolTip>
#include <algorithm>

namespace {

const char* const kEllipsis = "...";

// Column headers follow the cells' rule: a title too wide for its column is cut, ends in "..." and is
// drawn from the left.
class CListHeader : public QHeaderView
{
public:
    explicit CListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        if (option->text.isEmpty()) {
            return;
        }
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
        bool shortened = false;
        option->text = CListViewEx::ShortenText(option->fontMetrics, option->text, sectionSize(logicalIndex),
                                                2 * margin, &shortened);
        if (shortened) {
            option->textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        }
    }
};

} // namespace

CListViewEx::CListViewEx(QWidget* parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::StyledPanel);

    setHeader(new CListHeader(this));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // Clicking a header neither sorts nor selects anything.
    header()->setSectionsClickable(false);

    m_fullRow = true;
    m_clientWidth = viewport()->width();
}

QString CListViewEx::ShortenText(const QFontMetrics& metrics, const QString& text, int width, int spare,
                                 bool* shortened)
{
    if (shortened != nullptr) {
        *shortened = false;
    }
    if (text.isEmpty() || metrics.horizontalAdvance(text) + spare <= width) {
        return text;
    }
    if (shortened != nullptr) {
        *shortened = true;
    }
    const QString dots = QString::fromLatin1(kEllipsis);
    const int dotsWidth = metrics.horizontalAdvance(dots);
    for (qsizetype length = text.size() - 1; length >= 1; --length) {
        const QString head = text.left(length);
        if (metrics.horizontalAdvance(head) + dotsWidth + spare <= width) {
            return head + dots;
        }
    }
    return text.left(1) + dots;
}

void CListViewEx::SetClientWidthHighlight(bool on)
{
    m_clientWidthFlag = on;
    viewport()->update();
}

QColor CListViewEx::TextBackgroundColor() const
{
    return m_rowBackground.value_or(palette().color(QPalette::Active, QPalette::Base));
}

void CListViewEx::SetTextBackgroundColor(const QColor& colour)
{
    m_rowBackground = colour;
    viewport()->update();
}

void CListViewEx::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    const QHeaderView* head = header();
    const int columns = model()->columnCount(index.parent());
    if (columns == 0) {
        return;
    }
    // The highlight goes with the keyboard focus: another window active means no highlighted row.
    const bool focus = hasFocus();
    const bool selected =
        focus && selectionModel() != nullptr && selectionModel()->isRowSelected(index.row(), index.parent());

    const int top = option.rect.top();
    const int height = option.rect.height();
    const int left = head->sectionViewportPosition(0);
    int right = left;
    for (int column = 0; column < columns; ++column) {
        if (!head->isSectionHidden(column)) {
            right = std::max(right, head->sectionViewportPosition(column) + head->sectionSize(column));
        }
    }
    if (m_clientWidthFlag && right < m_clientWidth) {
        right = m_clientWidth;
    }
    const QRect rowRect(left, top, right - left, height);

    const QPalette& colours = palette();
    const QColor background = TextBackgroundColor();
    painter->save();
    painter->fillRect(rowRect, selected ? colours.color(QPalette::Active, QPalette::Highlight) : background);
    painter->setPen(selected ? colours.color(QPalette::Active, QPalette::HighlightedText)
                             : colours.color(QPalette::Active, QPalette::Text));
    painter->setFont(option.font);
    for (int column = 0; column < columns; ++column) {
        if (head->isSectionHidden(column)) {
            continue;
        }
        const QRect area(head->sectionViewportPosition(column), top, head->sectionSize(column), height);
        const QModelIndex cell = model()->index(index.row(), column, index.parent());
        if (column == 0) {
            DrawCell(*painter, area, cell, kLabelSpare, kLabelInset);
        } else {
            DrawCell(*painter, area, cell, kCellSpare, kCellInset);
        }
    }
    if (focus && currentIndex().isValid() && currentIndex().row() == index.row()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rowRect;
        frame.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = selected ? colours.color(QPalette::Active, QPalette::Highlight) : background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, this);
    }
    painter->restore();
}

QString CListViewEx::CutText(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return QString();
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    bool shortened = false;
    ShortenText(QFontMetrics(font()), text, header()->sectionSize(index.column()),
                index.column() == 0 ? kLabelSpare : kCellSpare, &shortened);
    return shortened ? text : QString();
}

bool CListViewEx::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QTreeView::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (const QString text = CutText(index); !text.isEmpty()) {
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    } else {
        QToolTip::hideText();
    }
    return true;
}

void CListViewEx::DrawCell(QPainter& painter, const QRect& area, const QModelIndex& index, int spare,
                           int inset) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return;
    }
    bool shortened = false;
    const QString shown = ShortenText(painter.fontMetrics(), text, area.width(), spare, &shortened);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (!shortened) {
        const QVariant stored = index.data(Qt::TextAlignmentRole);
        if (stored.isValid()) {
            alignment = stored.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        }
    }
    painter.drawText(area.adjusted(inset, 0, -inset, 0),
                     static_cast<int>(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

void CListViewEx::focusInEvent(QFocusEvent* event)
{
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void CListViewEx::focusOutEvent(QFocusEvent* event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void CListViewEx::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        viewport()->update();
    }
}

void CListViewEx::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    m_clientWidth = viewport()->width();
}
