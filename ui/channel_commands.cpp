#include "ui/channel_commands.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "channels/dialogs/dtmf_autodial_dlg.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "res/load_string.h"
#include "ui/channel_document.h"
#include "ui/channel_selection.h"
#include "ui/common_settings_sheet.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>

namespace {

using keys::kClear;
using keys::kCopy;
using keys::kDelete;
using keys::kInsert;
using keys::kPaste;

} // namespace

CChannelCommands::CChannelCommands(IChannelSelection& selection, IChannelDocument& document)
    : m_selection(selection), m_document(document)
{
}

CommandBindings CChannelCommands::Bindings()
{
    static constexpr SMemberCommand<CChannelCommands> kCommands[] = {
        {cmd::kEditMemory, &CChannelCommands::EditMemory},
        {cmd::kEditCopy, &CChannelCommands::Copy},
        {cmd::kEditPaste, &CChannelCommands::Paste},
        {cmd::kEditClear, &CChannelCommands::Clear},
        {cmd::kEditClearKey, &CChannelCommands::Clear},
        {cmd::kEditDelete, &CChannelCommands::Delete},
        {cmd::kEditInsert, &CChannelCommands::Insert},
        {cmd::kDtmfAutoDial, &CChannelCommands::DtmfAutoDial},
        {cmd::kCommonSetting, &CChannelCommands::CommonSetting},
    };
    return MemberBindings<CChannelCommands>(*this, kCommands);
}

void CChannelCommands::UpdateCommand(int commandId, QAction& action)
{
    action.setEnabled(IsEnabled(commandId));
}

std::string CChannelCommands::Answer(std::string_view operation, bool check)
{
    std::string command = channel_rows::RowKeyPrefix(m_selection.SelectedRow()) + std::string(operation);
    if (check) {
        command += '.';
        command += keys::kCheck;
    }
    return m_document.GetRadioData().Execute(command);
}

bool CChannelCommands::IsEnabled(int commandId)
{
    switch (commandId) {
    case cmd::kEditMemory:
    // The Delete key clears at once: the channel table refuses what it cannot clear.
    case cmd::kEditClearKey:
    case cmd::kDtmfAutoDial:
    case cmd::kCommonSetting:
        return true;
    // Copy and Clear are read two ways (exactly "OK" or not); Paste, Delete and Insert three ways, and
    // only "NG" rules them out: "WARNING" is decided when the command runs.
    case cmd::kEditCopy:
        return Answer(kCopy, true) == answer::kOk;
    case cmd::kEditClear:
        return Answer(kClear, true) == answer::kOk;
    case cmd::kEditPaste:
        return Answer(kPaste, true) != answer::kNg;
    case cmd::kEditDelete:
        return Answer(kDelete, true) != answer::kNg;
    case cmd::kEditInsert:
        return Answer(kInsert, true) != answer::kNg;
    default:
        return false;
    }
}

void CChannelCommands::EditMemory()
{
    m_selection.EditSelected();
}

void CChannelCommands::Copy()
{
    // The channel goes to the data's own one-channel clipboard; nothing in the list changes.
    Answer(kCopy, false);
}

void CChannelCommands::Paste()
{
    const int row = m_selection.SelectedRow();
    // Anything but "OK" means the target channel is in use.
    if (Answer(kPaste, true) != answer::kOk &&
        MessageBox::YesNo(DialogParent(), LoadString(ids::kOverwriteHere), MessageBox::Icon::Warning) !=
            MessageBox::Answer::Yes) {
        return;
    }
    m_document.RecordEdit(ids::kStepPaste, [this] { Answer(kPaste, false); });
    m_selection.RefreshRow(row);
}

void CChannelCommands::Clear()
{
    const int row = m_selection.SelectedRow();
    // A channel that may not be blank is refused by the channel table itself.
    m_document.RecordEdit(ids::kStepClear, [this] { Answer(kClear, false); });
    m_selection.RefreshRow(row);
}

void CChannelCommands::Delete()
{
    const int row = m_selection.SelectedRow();
    CWaitCursor wait;
    m_document.RecordEdit(ids::kStepDelete, [this] { Answer(kDelete, false); });
    // The following memory channels moved up by one place.
    m_selection.RefreshRow(row);
    m_selection.RefreshAll();
}

void CChannelCommands::Insert()
{
    const int row = m_selection.SelectedRow();
    if (Answer(kInsert, true) != answer::kOk) {
        // Memory channel 99 is in use and would be pushed out.
        MessageBox::Show(DialogParent(), LoadString(ids::kCannotInsert), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Warning);
        return;
    }
    CWaitCursor wait;
    m_document.RecordEdit(ids::kStepInsert, [this] { Answer(kInsert, false); });
    m_selection.RefreshRow(row);
    m_selection.RefreshAll();
}

void CChannelCommands::DtmfAutoDial()
{
    // No DTMF memory is shown in the list: nothing to rebuild.
    m_document.RecordEdit(ids::kStepDtmfAutoDial, [this] {
        CDtmfAutodialDlg dialog(m_document.GetRadioData(), DialogParent());
        dialog.exec();
    });
}

void CChannelCommands::CommonSetting()
{
    // No common setting is shown in the list: nothing to rebuild.
    m_document.RecordEdit(ids::kStepCommonSetting,
                          [this] { RunCommonSettingSheet(m_document.GetRadioData(), DialogParent()); });
}

QWidget* CChannelCommands::DialogParent() const
{
    return m_selection.DialogParent();
}
