#include "ui/command_table.h"

#include "core/command_ids.h"
#include "core/string_table.h"

#include <array>

namespace {

using command_table::kNoText;
using command_table::kSeparator;
using command_table::SAccelerator;
using command_table::SCommandDef;
using command_table::SMenuDef;

const SCommandDef kCommands[] = {
    {cmd::kFileNew, "actionFileNew", ids::kItemNew, EToolIcon::New, false},
    {cmd::kFileOpen, "actionFileOpen", ids::kItemOpen, EToolIcon::Open, false},
    {cmd::kFileSave, "actionFileSave", ids::kItemSave, EToolIcon::Save, false},
    {cmd::kFileSaveAs, "actionFileSaveAs", ids::kItemSaveAs, std::nullopt, false},
    {cmd::kFilePrint, "actionFilePrint", ids::kItemPrint, EToolIcon::Print, false},
    {cmd::kFilePrintPreview, "actionFilePrintPreview", ids::kItemPrintPreview, std::nullopt, false},
    {cmd::kFileExportPdf, "actionFileExportPdf", ids::kItemExportPdf, std::nullopt, false},
    {cmd::kFileImportCsv, "actionFileImportCsv", ids::kItemImportCsv, std::nullopt, false},
    {cmd::kFileExportCsv, "actionFileExportCsv", ids::kItemExportCsv, std::nullopt, false},
    {cmd::kFileCompare, "actionFileCompare", ids::kItemCompareFile, std::nullopt, false},
    {cmd::kFileOpenArchive, "actionFileOpenArchive", ids::kItemOpenArchive, std::nullopt, false},
    {cmd::kFileMruFirst, "actionFileMru1", ids::kItemRecentFile, std::nullopt, false},
    {cmd::kFileMruFirst + 1, "actionFileMru2", kNoText, std::nullopt, false},
    {cmd::kFileMruFirst + 2, "actionFileMru3", kNoText, std::nullopt, false},
    {cmd::kFileMruFirst + 3, "actionFileMru4", kNoText, std::nullopt, false},
    {cmd::kAppExit, "actionAppExit", ids::kItemExit, std::nullopt, false},

    {cmd::kEditUndo, "actionEditUndo", ids::kItemUndo, std::nullopt, false},
    {cmd::kEditRedo, "actionEditRedo", ids::kItemRedo, std::nullopt, false},
    {cmd::kEditCut, "actionEditCut", kNoText, std::nullopt, false},
    {cmd::kEditMemory, "actionEditMemory", ids::kItemEditMemory, EToolIcon::EditMemory, false},
    {cmd::kEditCopy, "actionEditCopy", ids::kItemCopy, EToolIcon::Copy, false},
    {cmd::kEditPaste, "actionEditPaste", ids::kItemPaste, EToolIcon::Paste, false},
    {cmd::kEditClear, "actionEditClear", ids::kItemClear, EToolIcon::Clear, false},
    {cmd::kEditDelete, "actionEditDelete", ids::kItemDelete, std::nullopt, false},
    {cmd::kEditInsert, "actionEditInsert", ids::kItemInsert, std::nullopt, false},
    {cmd::kEditClearKey, "actionEditClearKey", kNoText, std::nullopt, false},
    {cmd::kEditMoveUp, "actionEditMoveUp", ids::kItemMoveUp, std::nullopt, false},
    {cmd::kEditMoveDown, "actionEditMoveDown", ids::kItemMoveDown, std::nullopt, false},
    {cmd::kEditFind, "actionEditFind", ids::kItemFind, std::nullopt, false},
    {cmd::kEditFindNext, "actionEditFindNext", ids::kItemFindNext, std::nullopt, false},
    {cmd::kEditSortChannels, "actionEditSortChannels", ids::kItemSortChannels, std::nullopt, false},
    {cmd::kEditCompactChannels, "actionEditCompactChannels", ids::kItemCompactChannels, std::nullopt, false},
    {cmd::kEditFillRange, "actionEditFillRange", ids::kItemFillRange, std::nullopt, false},
    {cmd::kNextPane, "actionNextPane", kNoText, std::nullopt, false},
    {cmd::kPrevPane, "actionPrevPane", kNoText, std::nullopt, false},

    {cmd::kDtmfAutoDial, "actionViewDtmfAutoDial", ids::kItemDtmfAutoDial, EToolIcon::DtmfAutoDial, false},
    {cmd::kCommonSetting, "actionViewCommonSetting", ids::kItemCommonSetting, EToolIcon::CommonSetting,
     false},
    {cmd::kViewToolbar, "actionViewToolbar", ids::kItemToolbar, std::nullopt, true},
    {cmd::kViewStatusBar, "actionViewStatusBar", ids::kItemStatusBar, std::nullopt, true},

    {cmd::kComPort1, "actionComPort1", ids::kItemCom1, EToolIcon::Com1, true},
    {cmd::kComPort2, "actionComPort2", ids::kItemCom2, EToolIcon::Com2, true},
    {cmd::kComPort3, "actionComPort3", ids::kItemCom3, EToolIcon::Com3, true},
    {cmd::kComPort4, "actionComPort4", ids::kItemCom4, EToolIcon::Com4, true},
    {cmd::kPortDevices, "actionPortDevices", ids::kItemPortDevices, std::nullopt, false},
    {cmd::kTransceiverSetup, "actionTransceiverSetup", ids::kItemTransceiverSetup, std::nullopt, false},

    {cmd::kCloneRead, "actionCloneRead", ids::kItemCloneRead, EToolIcon::Read, false},
    {cmd::kCloneWrite, "actionCloneWrite", ids::kItemCloneWrite, EToolIcon::Write, false},
    {cmd::kCloneInformation, "actionCloneInformation", ids::kItemCloneInformation, EToolIcon::Information,
     false},
    {cmd::kCloneCompare, "actionCloneCompare", ids::kItemCloneCompare, std::nullopt, false},
    {cmd::kCloneCheckCable, "actionCloneCheckCable", ids::kItemCheckCable, std::nullopt, false},

    {cmd::kHelpContents, "actionHelpContents", ids::kItemHelpContents, EToolIcon::HelpContents, false},
    {cmd::kHelpTopics, "actionHelpTopics", ids::kItemHelpTopics, std::nullopt, false},
    {cmd::kAppAbout, "actionAppAbout", ids::kItemAbout, std::nullopt, false},
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

const SAccelerator kAccelerators[] = {
    {cmd::kFileNew, QKeyCombination(kCtrl, Qt::Key_N)},
    {cmd::kFileOpen, QKeyCombination(kCtrl, Qt::Key_O)},
    {cmd::kFileSave, QKeyCombination(kCtrl, Qt::Key_S)},
    {cmd::kFilePrint, QKeyCombination(kCtrl, Qt::Key_P)},
    {cmd::kEditUndo, QKeyCombination(kCtrl, Qt::Key_Z)},
    {cmd::kEditUndo, QKeyCombination(kAlt, Qt::Key_Backspace)},
    {cmd::kEditRedo, QKeyCombination(kCtrl, Qt::Key_Y)},
    {cmd::kEditRedo, QKeyCombination(kCtrl | kShift, Qt::Key_Z)},
    {cmd::kEditCut, QKeyCombination(kCtrl, Qt::Key_X)},
    {cmd::kEditCut, QKeyCombination(kShift, Qt::Key_Delete)},
    {cmd::kEditCopy, QKeyCombination(kCtrl, Qt::Key_C)},
    {cmd::kEditCopy, QKeyCombination(kCtrl, Qt::Key_Insert)},
    {cmd::kEditPaste, QKeyCombination(kCtrl, Qt::Key_V)},
    {cmd::kEditPaste, QKeyCombination(kShift, Qt::Key_Insert)},
    {cmd::kEditFind, QKeyCombination(kCtrl, Qt::Key_F)},
    {cmd::kEditFindNext, QKeyCombination(Qt::Key_F3)},
    {cmd::kEditMoveUp, QKeyCombination(kCtrl, Qt::Key_Up)},
    {cmd::kEditMoveDown, QKeyCombination(kCtrl, Qt::Key_Down)},
    {cmd::kNextPane, QKeyCombination(Qt::Key_F6)},
    {cmd::kPrevPane, QKeyCombination(kShift, Qt::Key_F6)},
};

const SMenuDef kMenus[] = {
    // One line per group of the menu rather than one per item.
    // clang-format off
    {"menuFile",
     ids::kMenuFile,
     {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenArchive, cmd::kFileSave, cmd::kFileSaveAs, kSeparator,
      cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFileExportPdf, kSeparator,
      cmd::kFileImportCsv, cmd::kFileExportCsv, kSeparator,
      cmd::kFileCompare, kSeparator,
      cmd::kFileMruFirst, cmd::kFileMruFirst + 1, cmd::kFileMruFirst + 2, cmd::kFileMruFirst + 3, kSeparator,
      cmd::kAppExit}},
    {"menuEdit",
     ids::kMenuEdit,
     {cmd::kEditUndo, cmd::kEditRedo, kSeparator,
      cmd::kEditMemory, kSeparator,
      cmd::kEditCopy, cmd::kEditPaste, kSeparator,
      cmd::kEditClear, cmd::kEditDelete, cmd::kEditInsert, kSeparator,
      cmd::kEditMoveUp, cmd::kEditMoveDown, kSeparator,
      cmd::kEditFind, cmd::kEditFindNext, kSeparator,
      cmd::kEditSortChannels, cmd::kEditCompactChannels, cmd::kEditFillRange}},
    // clang-format on
    {"menuView",
     ids::kMenuView,
     {cmd::kDtmfAutoDial, cmd::kCommonSetting, kSeparator, cmd::kViewToolbar, cmd::kViewStatusBar}},
    {"menuComPort",
     ids::kMenuComPort,
     {cmd::kComPort1, cmd::kComPort2, cmd::kComPort3, cmd::kComPort4, kSeparator, cmd::kPortDevices,
      cmd::kTransceiverSetup}},
    {"menuCloning",
     ids::kMenuCloning,
     {cmd::kCloneRead, cmd::kCloneWrite, kSeparator, cmd::kCloneInformation, cmd::kCloneCompare, kSeparator,
      cmd::kCloneCheckCable}},
    {"menuHelp", ids::kMenuHelp, {cmd::kHelpContents, cmd::kHelpTopics, kSeparator, cmd::kAppAbout}},
};

constexpr std::array kToolBarItems = {
    cmd::kFileNew,          cmd::kFileOpen,      cmd::kFileSave,     cmd::kFilePrint, kSeparator,
    cmd::kEditMemory,       cmd::kEditCopy,      cmd::kEditPaste,    cmd::kEditClear, kSeparator,
    cmd::kDtmfAutoDial,     cmd::kCommonSetting, kSeparator,         cmd::kComPort1,  cmd::kComPort2,
    cmd::kComPort3,         cmd::kComPort4,      kSeparator,         cmd::kCloneRead, cmd::kCloneWrite,
    cmd::kCloneInformation, kSeparator,          cmd::kHelpContents,
};

// The channel list's pop-up: the channel items of the Edit menu.
constexpr std::array kContextMenuItems = {cmd::kEditMemory, kSeparator,      cmd::kEditCopy,
                                          cmd::kEditPaste,  kSeparator,      cmd::kEditClear,
                                          cmd::kEditDelete, cmd::kEditInsert};

} // namespace

namespace command_table {

std::span<const SCommandDef> Commands()
{
    return kCommands;
}

std::span<const SAccelerator> Accelerators()
{
    return kAccelerators;
}

std::span<const SMenuDef> Menus()
{
    return kMenus;
}

std::span<const int> ToolBarItems()
{
    return kToolBarItems;
}

std::span<const int> ContextMenuItems()
{
    return kContextMenuItems;
}

} // namespace command_table
