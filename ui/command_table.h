#pragma once

#include "res/icons.h"

#include <QKeyCombination>
#include <initializer_list>
#include <optional>
#include <span>

// The window's command table: every command with its action's name, text, icon and check mark, the
// accelerators, the menus, the toolbar and the channel list's pop-up menu. The frame builds its actions
// and bars from it; who carries out a command is not its business.
namespace command_table {

// In a menu or bar list: a separator rather than a command.
inline constexpr int kSeparator = 0;
// A command whose action has no text of its own.
inline constexpr int kNoText = 0;

struct SCommandDef
{
    int id;
    const char* objectName;
    int textId;
    std::optional<EToolIcon> icon;
    bool checkable;
};

struct SAccelerator
{
    int id;
    QKeyCombination key;
};

struct SMenuDef
{
    const char* objectName;
    int titleId;
    std::initializer_list<int> items;
};

std::span<const SCommandDef> Commands();
// Enter and Delete are not here: the channel list asks for their commands itself.
std::span<const SAccelerator> Accelerators();
std::span<const SMenuDef> Menus();
std::span<const int> ToolBarItems();
// The channel items of the Edit menu.
std::span<const int> ContextMenuItems();

} // namespace command_table
