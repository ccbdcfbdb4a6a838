#include "ui/channel_list_view.h"

#include "channels/dialogs/edit_memory_dlg.h"
#include "core/command_ids.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "ui/channel_commands.h"
#include "ui/channel_document.h"
#include "ui/channel_operations_commands.h"
#include "ui/widgets/wait_cursor.h"

#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr std::string_view kColumnSection = "Column";
constexpr std::string_view kWidthPrefix = "Width";
constexpr int kFrequencyColumn = 1;

std::string WidthValueName(int column)
{
    return std::string(kWidthPrefix) + std::to_string(column);
}

Qt::Alignment ColumnAlignment(int column)
{
    // The list always shows its first column left-aligned, whatever the column table says.
    if (column <= 0 || column >= channel_rows::kColumnCount) {
        return Qt::AlignLeft;
    }
    return channel_rows::kColumns[static_cast<size_t>(column)].align == channel_rows::EAlign::Right
               ? Qt::AlignRight
               : Qt::AlignLeft;
}

QString ColumnTitle(int column)
{
    return LoadString(ids::kColumnChannel + column).trimmed();
}

} // namespace

// The list's item texts: what the rows show, set from the view's cache row by row. Assistive technology
// reads each cell with its column's title ("Frequency 146.0100"), and the first cell, which the keyboard
// moves through, with the whole row after the label, so that arrowing down a screen reader speaks the
// channel and not only "01". A channel the transceiver version does not allow is described in words
// rather than by its "?".
class CChannelListModel : public QAbstractTableModel
{
public:
    explicit CChannelListModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : channel_rows::kRowCount;
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : channel_rows::kColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= channel_rows::kRowCount ||
            index.column() >= channel_rows::kColumnCount) {
            return {};
        }
        switch (role) {
        case Qt::DisplayRole:
            return m_items.at(static_cast<size_t>(index.row())).at(static_cast<size_t>(index.column()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColumnAlignment(index.column()) | Qt::AlignVCenter);
        case Qt::AccessibleTextRole:
            return m_spoken.at(static_cast<size_t>(index.row())).at(static_cast<size_t>(index.column()));
        case Qt::AccessibleDescriptionRole:
            if (m_notAllowed.at(static_cast<size_t>(index.row())) &&
                (index.column() == 0 || index.column() == kFrequencyColumn)) {
                return LoadString(ids::kAccNotAllowed);
            }
            return {};
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= channel_rows::kColumnCount) {
            return {};
        }
        switch (role) {
        case Qt::DisplayRole:
            return LoadString(ids::kColumnChannel + section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColumnAlignment(section) | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void SetRow(int row, const channel_rows::Cells& cells)
    {
        auto& items = m_items.at(static_cast<size_t>(row));
        for (size_t column = 0; column < cells.size(); ++column) {
            items.at(column) = QString::fromStdString(cells.at(column));
        }
        SetSpokenTexts(row, cells);
        Q_EMIT dataChanged(index(row, 0), index(row, channel_rows::kColumnCount - 1),
                           {Qt::DisplayRole, Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole});
    }

private:
    void SetSpokenTexts(int row, const channel_rows::Cells& cells)
    {
        std::string frequency;
        const bool notAllowed = channel_rows::HasIllegalMark(cells, &frequency);
        m_notAllowed.at(static_cast<size_t>(row)) = notAllowed;
        auto& spoken = m_spoken.at(static_cast<size_t>(row));
        QString whole = QString::fromStdString(cells.at(0));
        for (int column = 1; column < channel_rows::kColumnCount; ++column) {
            const QString text = QString::fromStdString(
                column == kFrequencyColumn && notAllowed ? frequency : cells.at(static_cast<size_t>(column)));
            const QString title = ColumnTitle(column);
            QString& cell = spoken.at(static_cast<size_t>(column));
            cell =
                text.isEmpty() || title.isEmpty() ? text : LoadString(ids::kAccCellFormat).arg(title, text);
            if (!cell.isEmpty()) {
                whole = LoadString(ids::kAccRowFormat).arg(whole, cell);
            }
        }
        spoken.at(0) = whole;
    }

    std::array<std::array<QString, channel_rows::kColumnCount>, channel_rows::kRowCount> m_items;
    // What assistive technology reads of each cell, and the rows of channels not allowed.
    std::array<std::array<QString, channel_rows::kColumnCount>, channel_rows::kRowCount> m_spoken;
    std::array<bool, channel_rows::kRowCount> m_notAllowed{};
};

CZQL52View::CZQL52View(IChannelDocument& document, QWidget* parent)
    : CListViewEx(parent), m_document(document), m_data(document.GetRadioData()),
      m_model(new CChannelListModel(this)), m_commands(std::make_unique<CChannelCommands>(*this, document)),
      m_operations(std::make_unique<CChannelOperationsCommands>(*this, document))
{
    setObjectName(QStringLiteral("channelListView"));
    setAccessibleName(LoadString(ids::kAccChannelList));
    header()->setMinimumSectionSize(channel_rows::kMinColumnWidth);

    setSelectionMode(QAbstractItemView::SingleSelection);
    setModel(m_model);
    CreateColumns();
    m_editHandler = [this](int row) {
        CEditMemoryDlg dialog(m_data, row, window());
        return dialog.exec() == QDialog::Accepted;
    };
}

CZQL52View::~CZQL52View()
{
    StoreColumnWidths();
}

int CZQL52View::ContentWidth(int column) const
{
    const QFontMetrics metrics(font());
    const int spare = column == 0 ? kLabelSpare : kCellSpare;
    int width = 0;
    for (const std::string& text : channel_rows::WidestCellTexts(column)) {
        width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(text)) + spare);
    }
    return width;
}

void CZQL52View::CreateColumns()
{
    const ISettingsStore& settings = m_document.Settings();
    // A width the user dragged stays, but never hides the "?" of an illegal channel.
    const int frequencyWidth = std::min(ContentWidth(kFrequencyColumn), channel_rows::kMaxColumnWidth);
    for (int column = 0; column < channel_rows::kColumnCount; ++column) {
        const int stored = settings.GetInt(kColumnSection, WidthValueName(column), 0);
        int width = channel_rows::EffectiveColumnWidth(column, stored);
        const int content = ContentWidth(column);
        if (stored == 0 && content > 0) {
            // Without a stored width a column shows its title and every cell in the list's font; the
            // filler keeps its fixed width.
            width = std::clamp(std::max(header()->sectionSizeHint(column), content),
                               channel_rows::kMinColumnWidth, channel_rows::kMaxColumnWidth);
        }
        if (column == kFrequencyColumn) {
            width = std::max(width, frequencyWidth);
        }
        header()->resizeSection(column, width);
    }
}

void CZQL52View::StoreColumnWidths()
{
    ISettingsStore& settings = m_document.Settings();
    for (int column = 0; column < channel_rows::kColumnCount; ++column) {
        settings.SetInt(kColumnSection, WidthValueName(column), header()->sectionSize(column));
    }
}

void CZQL52View::BuildRow(int row)
{
    if (row < 0 || row >= channel_rows::kRowCount) {
        return;
    }
    m_cache.at(static_cast<size_t>(row)) = channel_rows::BuildRow(m_data, row);
}

void CZQL52View::ShowRow(int row)
{
    if (row < 0 || row >= channel_rows::kRowCount) {
        return;
    }
    m_model->SetRow(row, m_cache.at(static_cast<size_t>(row)));
    Q_EMIT RowShown(row);
}

void CZQL52View::RefreshRow(int row)
{
    BuildRow(row);
    ShowRow(row);
}

void CZQL52View::RefreshAll()
{
    {
        CWaitCursor wait;
        for (int row = 0; row < channel_rows::kRowCount; ++row) {
            BuildRow(row);
        }
    }
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        ShowRow(row);
    }
}

int CZQL52View::SelectedRow() const
{
    if (selectionModel() == nullptr) {
        return 0;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.constFirst().row();
}

void CZQL52View::SelectRow(int row)
{
    if (row < 0 || row >= channel_rows::kRowCount) {
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CZQL52View::EditSelected()
{
    m_currentChannel = SelectedRow();
    if (!m_editHandler) {
        return;
    }
    bool confirmed = false;
    m_document.RecordEdit(ids::kStepEditMemory,
                          [this, &confirmed] { confirmed = m_editHandler(m_currentChannel); });
    if (confirmed) {
        RefreshRow(m_currentChannel);
    }
}

void CZQL52View::OnInitialUpdate()
{
    SelectRow(0);
    OnUpdate();
}

void CZQL52View::OnUpdate()
{
    RefreshAll();
}

QString CZQL52View::CellText(int row, int column) const
{
    if (row < 0 || row >= channel_rows::kRowCount || column < 0 || column >= channel_rows::kColumnCount) {
        return QString();
    }
    return QString::fromStdString(m_cache.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)));
}

void CZQL52View::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            Q_EMIT CommandRequested(cmd::kEditMemory);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            Q_EMIT CommandRequested(cmd::kEditClearKey);
        }
        break;
    default:
        break;
    }
    CListViewEx::keyPressEvent(event);
}

void CZQL52View::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CListViewEx::mouseDoubleClickEvent(event);
        return;
    }
    // Anywhere in the list, on a row or below the last one; the list's own handling is skipped.
    Q_EMIT CommandRequested(cmd::kEditMemory);
    event->accept();
}

void CZQL52View::contextMenuEvent(QContextMenuEvent* event)
{
    // A right-click first selects the row under the mouse; below the last row the selection stays.
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        if (index.isValid()) {
            SelectRow(index.row());
        }
    }
    QPoint where = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard: under the selected row rather than wherever the mouse happens to be.
        const QRect row = visualRect(m_model->index(SelectedRow(), 0));
        if (row.isValid() && viewport()->rect().intersects(row)) {
            where = viewport()->mapToGlobal(row.bottomLeft());
        }
    }
    Q_EMIT ContextMenuRequested(where);
    event->accept();
}
