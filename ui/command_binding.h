#pragma once

#include <QAction>
#include <functional>
#include <span>
#include <vector>

// One command of the window as whoever carries it out hands it to the frame: what it does, and how it
// sets the enabled, checked state and text of its action before a menu opens, while the program is idle
// and just before it runs.
struct SCommandBinding
{
    int id = 0;
    std::function<void()> run;
    std::function<void(QAction& action)> update;
};

using CommandBindings = std::vector<SCommandBinding>;

// A row of a command owner's table: the command and the member function of TOwner that carries it out.
template <class TOwner> struct SMemberCommand
{
    int id;
    void (TOwner::*run)();
};

// The one way a command owner hands its commands to the frame: each row of its table runs its member
// function, and owner.UpdateCommand(id, action) sets the row's action state. The owner must outlive the
// bindings.
template <class TOwner>
CommandBindings MemberBindings(TOwner& owner, std::span<const SMemberCommand<TOwner>> commands)
{
    CommandBindings bindings;
    for (const SMemberCommand<TOwner>& command : commands) {
        const int id = command.id;
        const auto run = command.run;
        bindings.push_back({id, [&owner, run] { (owner.*run)(); },
                            [&owner, id](QAction& action) { owner.UpdateCommand(id, action); }});
    }
    return bindings;
}
