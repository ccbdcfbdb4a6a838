#include "ui/channel_operations_commands.h"

#include "channels/channel_rows.h"
#include "core/command_ids.h"
#include "core/rig/radio_data.h"
#include "res/load_string.h"
#include "ui/channel_document.h"
#include "ui/channel_selection.h"
#include "ui/compact_dialog.h"
#include "ui/fill_range_dialog.h"
#include "ui/find_dialog.h"
#include "ui/report_dialog.h"
#include "ui/sort_dialog.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <algorithm>
#include <set>

namespace {

bool IsMemoryRow(int row)
{
    return row >= CChannelOperations::kFirstMemory && row <= CChannelOperations::kLastMemory;
}

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

void AddNotes(QStringList& lines, int formatId, const std::vector<SRowNote>& notes)
{
    for (const SRowNote& note : notes) {
        lines.append(
            LoadString(formatId).arg(FromStd(channel_rows::RowLabel(note.row, true)), FromStd(note.text)));
    }
}

} // namespace

CChannelOperationsCommands::CChannelOperationsCommands(IChannelSelection& selection,
                                                       IChannelDocument& document)
    : m_selection(selection), m_document(document)
{
}

CommandBindings CChannelOperationsCommands::Bindings()
{
    static constexpr SMemberCommand<CChannelOperationsCommands> kCommands[] = {
        {cmd::kEditFind, &CChannelOperationsCommands::Find},
        {cmd::kEditFindNext, &CChannelOperationsCommands::FindNext},
        {cmd::kEditMoveUp, &CChannelOperationsCommands::MoveUp},
        {cmd::kEditMoveDown, &CChannelOperationsCommands::MoveDown},
        {cmd::kEditSortChannels, &CChannelOperationsCommands::SortChannels},
        {cmd::kEditCompactChannels, &CChannelOperationsCommands::CompactChannels},
        {cmd::kEditFillRange, &CChannelOperationsCommands::FillRange},
    };
    return MemberBindings<CChannelOperationsCommands>(*this, kCommands);
}

void CChannelOperationsCommands::UpdateCommand(int commandId, QAction& action)
{
    action.setEnabled(IsEnabled(commandId));
}

bool CChannelOperationsCommands::IsEnabled(int commandId)
{
    const int row = m_selection.SelectedRow();
    switch (commandId) {
    case cmd::kEditFind:
    case cmd::kEditFindNext:
    case cmd::kEditSortChannels:
    case cmd::kEditCompactChannels:
    case cmd::kEditFillRange:
        return true;
    // Program-scan edges and call channels keep their rows; the first and last memory channels have
    // no neighbour on one side.
    case cmd::kEditMoveUp:
        return IsMemoryRow(row) && row > CChannelOperations::kFirstMemory;
    case cmd::kEditMoveDown:
        return IsMemoryRow(row) && row < CChannelOperations::kLastMemory;
    default:
        return false;
    }
}

CChannelOperations CChannelOperationsCommands::Operations()
{
    return CChannelOperations(m_document.GetRadioData());
}

void CChannelOperationsCommands::ShowRows(const std::vector<int>& rows)
{
    for (const int row : rows) {
        m_selection.RefreshRow(row);
    }
}

void CChannelOperationsCommands::Find()
{
    CFindDlg dialog(m_findText, m_selection.DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_findText = dialog.Text();
    FindText(m_findText);
}

void CChannelOperationsCommands::FindNext()
{
    if (m_findText.trimmed().isEmpty()) {
        Find();
        return;
    }
    FindText(m_findText);
}

bool CChannelOperationsCommands::FindText(const QString& text)
{
    const std::vector<int> rows = Operations().Find(text.toStdString());
    if (rows.empty()) {
        m_document.ShowOutcome(LoadString(ids::kFindNotFoundFormat).arg(text.trimmed()));
        return false;
    }
    const int selected = m_selection.SelectedRow();
    auto next = std::upper_bound(rows.begin(), rows.end(), selected);
    if (next == rows.end()) {
        next = rows.begin();
    }
    m_selection.SelectRow(*next);
    const bool band50 = channel_rows::HasBand50(m_document.GetRadioData());
    m_document.ShowOutcome(LoadString(ids::kFindFoundFormat)
                               .arg(FromStd(channel_rows::RowLabel(*next, band50)))
                               .arg(next - rows.begin() + 1)
                               .arg(rows.size()));
    return true;
}

void CChannelOperationsCommands::MoveUp()
{
    Move(-1, ids::kStepMoveUp);
}

void CChannelOperationsCommands::MoveDown()
{
    Move(1, ids::kStepMoveDown);
}

void CChannelOperationsCommands::Move(int delta, int stepId)
{
    const int row = m_selection.SelectedRow();
    SOperationResult result;
    m_document.RecordRowEdit(stepId, row, row + delta,
                             [this, row, delta, &result] { result = Operations().Move(row, delta); });
    if (result.Refused()) {
        return;
    }
    ShowRows(result.changedRows);
    // The selection goes with the channel, so the next Ctrl+Up or Ctrl+Down moves it on.
    m_selection.SelectRow(row + delta);
}

void CChannelOperationsCommands::SortChannels()
{
    CSortChannelsDlg dialog(CChannelOperations::kFirstMemory, CChannelOperations::kLastMemory, m_sortKey,
                            m_sortOrder, m_selection.DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_sortKey = dialog.Key();
    m_sortOrder = dialog.Order();
    CWaitCursor wait;
    SOperationResult result;
    m_document.RecordEdit(ids::kStepSortChannels, [this, &dialog, &result] {
        result = Operations().Sort(dialog.First(), dialog.Last(), m_sortKey, m_sortOrder);
    });
    ShowRows(result.changedRows);
}

void CChannelOperationsCommands::CompactChannels()
{
    CCompactChannelsDlg dialog(CChannelOperations::kFirstMemory, CChannelOperations::kLastMemory,
                               m_selection.DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    CWaitCursor wait;
    SOperationResult result;
    m_document.RecordEdit(ids::kStepCompactChannels, [this, &dialog, &result] {
        result = Operations().Compact(dialog.First(), dialog.Last());
    });
    ShowRows(result.changedRows);
}

void CChannelOperationsCommands::FillRange()
{
    // From the selected memory channel on: the channels below it are the ones usually meant.
    const int selected = m_selection.SelectedRow();
    const int first = IsMemoryRow(selected) ? selected : CChannelOperations::kFirstMemory;
    CFillRangeDlg dialog(first, CChannelOperations::kLastMemory, m_fillField, m_selection.DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_fillField = dialog.Field();
    std::vector<SOperationResult> results;
    {
        CWaitCursor wait;
        m_document.RecordEdit(ids::kStepFillRange, [this, &dialog, &results] {
            CChannelOperations operations = Operations();
            results.push_back(operations.Fill(dialog.First(), dialog.Last(), dialog.Field(), dialog.Value()));
            const std::string offset = dialog.ShiftOffset();
            if (!results.back().Refused() && !offset.empty()) {
                results.push_back(
                    operations.Fill(dialog.First(), dialog.Last(), EChannelField::Offset, offset));
            }
        });
    }
    std::set<int> changed;
    QStringList lines;
    for (const SOperationResult& result : results) {
        changed.insert(result.changedRows.begin(), result.changedRows.end());
        AddNotes(lines, ids::kFillSkippedFormat, result.skippedRows);
        AddNotes(lines, ids::kFillAdjustedFormat, result.adjustedRows);
    }
    ShowRows(std::vector<int>(changed.begin(), changed.end()));
    if (results.back().Refused()) {
        MessageBox::Show(m_selection.DialogParent(),
                         LoadString(ids::kFillRefusedFormat).arg(FromStd(results.back().refusal)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    if (!lines.isEmpty()) {
        CReportDlg report(LoadString(ids::kFillCaption),
                          LoadString(ids::kFillReportIntro).arg(changed.size()), lines,
                          m_selection.DialogParent());
        report.exec();
    }
}
