#pragma once

#include <QAction>
#include <functional>
#include <span>
#include <vector>

// One command of the window as whoever carries it out hands it to the frame: what it does, and how it
// sets the enabled, checked state and text of its action before a menu opens, while the program is idle
// and just before it runs. Without an update the command is enabled while it has a handler.
struct SCommandBinding
{
    int id = 0;
    std::function<void()> run;
    std::function<void(QAction& action)> update;
};

using CommandBindings = std::vector<SCommandBinding>;

// A command carried out by a member function of TOwner.
template <class TOwner> struct SMemberCommand
{
    int id;
    void (TOwner::*run)();
};

// Bindings for commands that are member functions of `owner`, each enabled while owner.IsEnabled(id)
// says so. The owner must outlive the bindings.
template <class TOwner>
CommandBindings MemberBindings(TOwner& owner, std::span<const SMemberCommand<TOwner>> commands)
{
    CommandBindings bindings;
    for (const SMemberCommand<TOwner>& command : commands) {
        const int id = command.id;
        const auto run = command.run;
        bindings.push_back({id, [&owner, run] { (owner.*run)(); },
                            [&owner, id](QAction& action) { action.setEnabled(owner.IsEnabled(id)); }});
    }
    return bindings;
}
