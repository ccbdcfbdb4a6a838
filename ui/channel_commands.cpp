#include "ui/channel_commands.h"

#include "app/message_box.h"
#include "app/wait_cursor.h"
#include "app/zql52_doc.h"
#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "channels/dialogs/dtmf_autodial_dlg.h"
#include "core/command_text.h"
#include "core/radio_data.h"
#include "res/load_string.h"
#include "ui/channel_list_view.h"
#include "ui/common_settings_sheet.h"
#include "ui/main_frame.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QMenu>
#include <memory>

namespace {

using keys::kClear;
using keys::kCopy;
using keys::kDelete;
using keys::kInsert;
using keys::kPaste;

struct SCommand
{
    int id;
    void (CChannelCommands::*run)();
};

constexpr SCommand kCommands[] = {
    {cmd::kEditMemory, &CChannelCommands::EditMemory},
    {cmd::kEditCopy, &CChannelCommands::Copy},
    {cmd::kEditPaste, &CChannelCommands::Paste},
    {cmd::kEditClear, &CChannelCommands::Clear},
    {cmd::kEditDelete, &CChannelCommands::Delete},
    {cmd::kEditInsert, &CChannelCommands::Insert},
    {cmd::kDtmfAutoDial, &CChannelCommands::DtmfAutoDial},
    {cmd::kCommonSetting, &CChannelCommands::CommonSetting},
};

const SCommand* FindCommand(int commandId)
{
    for (const SCommand& command : kCommands) {
        if (command.id == commandId) {
            return &command;
        }
    }
    return nullptr;
}

// The list's pop-up: the channel items of the Edit menu, 0 marking a separator.
struct SContextItem
{
    int id;
    int textId;
    const char* objectName;
};

constexpr int kSeparator = 0;

constexpr SContextItem kContextItems[] = {
    {cmd::kEditMemory, ids::kItemEditMemory, "contextEditMemory"},
    {kSeparator, 0, nullptr},
    {cmd::kEditCopy, ids::kItemCopy, "contextCopy"},
    {cmd::kEditPaste, ids::kItemPaste, "contextPaste"},
    {kSeparator, 0, nullptr},
    {cmd::kEditClear, ids::kItemClear, "contextClear"},
    {cmd::kEditDelete, ids::kItemDelete, "contextDelete"},
    {cmd::kEditInsert, ids::kItemInsert, "contextInsert"},
};

} // namespace

CChannelCommands::CChannelCommands(CZQL52View& view, CZQL52Doc& document) : m_view(view), m_document(document)
{
}

void CChannelCommands::AttachFrame(CMainFrame& frame)
{
    m_frame = &frame;
    for (const SCommand& command : kCommands) {
        const int id = command.id;
        const auto run = command.run;
        frame.SetCommandHandler(
            id, [this, run] { (this->*run)(); },
            [this, id](QAction& action) { action.setEnabled(IsEnabled(id)); });
    }
    // The channel commands depend on the row: a key pressed right after moving on must find them in the
    // new row's state, not wait for the idle update.
    if (QItemSelectionModel* selection = m_view.selectionModel()) {
        QObject::connect(selection, &QItemSelectionModel::selectionChanged, &frame,
                         [&frame] { frame.UpdateCommandUi(); });
    }
}

std::string CChannelCommands::Answer(std::string_view operation, bool check)
{
    std::string command = channel_rows::RowKeyPrefix(m_view.SelectedRow()) + std::string(operation);
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

bool CChannelCommands::Run(int commandId)
{
    if (m_frame) {
        return m_frame->RunCommand(commandId);
    }
    const SCommand* command = FindCommand(commandId);
    if (command == nullptr || !IsEnabled(commandId)) {
        return false;
    }
    (this->*command->run)();
    return true;
}

void CChannelCommands::EditMemory()
{
    m_view.EditSelected();
}

void CChannelCommands::Copy()
{
    // The channel goes to the data's own one-channel clipboard; nothing in the list changes.
    Answer(kCopy, false);
}

void CChannelCommands::Paste()
{
    const int row = m_view.SelectedRow();
    // Anything but "OK" means the target channel is in use.
    if (Answer(kPaste, true) != answer::kOk &&
        MessageBox::yesNo(DialogParent(), LoadString(ids::kOverwriteHere), MessageBox::Icon::Warning) !=
            MessageBox::Answer::Yes) {
        return;
    }
    m_document.RecordEdit(ids::kStepPaste, [this] { Answer(kPaste, false); });
    m_view.RefreshRow(row);
}

void CChannelCommands::Clear()
{
    const int row = m_view.SelectedRow();
    // A channel that may not be blank is refused by the channel table itself.
    m_document.RecordEdit(ids::kStepClear, [this] { Answer(kClear, false); });
    m_view.RefreshRow(row);
}

void CChannelCommands::Delete()
{
    const int row = m_view.SelectedRow();
    CWaitCursor wait;
    m_document.RecordEdit(ids::kStepDelete, [this] { Answer(kDelete, false); });
    // The following memory channels moved up by one place.
    m_view.RefreshRow(row);
    m_view.RefreshAll();
}

void CChannelCommands::Insert()
{
    const int row = m_view.SelectedRow();
    if (Answer(kInsert, true) != answer::kOk) {
        // Memory channel 99 is in use and would be pushed out.
        MessageBox::show(DialogParent(), LoadString(ids::kCannotInsert), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Warning);
        return;
    }
    CWaitCursor wait;
    m_document.RecordEdit(ids::kStepInsert, [this] { Answer(kInsert, false); });
    m_view.RefreshRow(row);
    m_view.RefreshAll();
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
    if (m_frame) {
        return m_frame.data();
    }
    return m_view.window();
}

void CChannelCommands::BringFrameToTop() const
{
    auto* frame = qobject_cast<QMainWindow*>(m_view.window());
    if (frame == nullptr) {
        return;
    }
    if (frame->isHidden()) {
        frame->show();
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    frame->raise();
    frame->activateWindow();
}

QMenu* CChannelCommands::CreateContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("channelContextMenu"));
    for (const SContextItem& item : kContextItems) {
        if (item.id == kSeparator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(LoadString(item.textId));
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setEnabled(IsEnabled(item.id));
        action->setStatusTip(PromptStatusText(item.id));
        action->setData(item.id);
    }
    return menu;
}

void CChannelCommands::ShowContextMenu(const QPoint& globalPos)
{
    BringFrameToTop();
    const std::unique_ptr<QMenu> menu(CreateContextMenu(DialogParent()));
    // The chosen command runs once the pop-up has gone, as a command from the menu bar does.
    const QAction* chosen = menu->exec(globalPos);
    if (chosen != nullptr) {
        Run(chosen->data().toInt());
    }
}
