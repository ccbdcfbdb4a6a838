#pragma once

#include <QColor>
#include <QString>
#include <QTreeView>
#include <optional>

class QFontMetrics;

// A report list that draws each row itself: a selected row is highlighted across all its columns (and,
// with the client-width flag, on to the right edge of the list), and a text too wide for its column is
// cut and ends in "...". The highlight is shown only while the list has the keyboard focus. It knows
// nothing of channels.
class CListViewEx : public QTreeView
{
    Q_OBJECT

public:
    // Pixels kept free when a text is measured against its column, and the inset it is drawn with on each
    // side: the first column (the label) and every other column.
    static constexpr int kLabelSpare = 4;
    static constexpr int kLabelInset = 2;
    static constexpr int kCellSpare = 12;
    static constexpr int kCellInset = 6;

    explicit CListViewEx(QWidget* parent = nullptr);

    // The text as drawn in a column of the given width: unchanged when it fits with the spare pixels,
    // otherwise as many leading characters as fit followed by "..." (at least the first character).
    static QString ShortenText(const QFontMetrics& metrics, const QString& text, int width, int spare,
                               bool* shortened = nullptr);

    bool FullRowSelect() const { return m_fullRow; }
    bool ClientWidthHighlight() const { return m_clientWidthFlag; }
    void SetClientWidthHighlight(bool on);
    int ClientWidth() const { return m_clientWidth; }
    // Background of rows that are not selected: the palette's base colour, whatever palette the list has
    // at the time, unless a colour was set.
    QColor TextBackgroundColor() const;
    void SetTextBackgroundColor(const QColor& colour);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A new palette or style (a dark theme, a style sheet) repaints every row in its colours.
    void changeEvent(QEvent* event) override;
    // A cell whose text is cut shows the whole text as its tool tip.
    bool viewportEvent(QEvent* event) override;

private:
    // The cell's text when it is drawn cut, else empty.
    QString CutText(const QModelIndex& index) const;
    void DrawCell(QPainter& painter, const QRect& area, const QModelIndex& index, int spare, int inset) const;

    bool m_fullRow = false;
    bool m_clientWidthFlag = true;
    int m_clientWidth = 0;
    std::optional<QColor> m_rowBackground;
};
