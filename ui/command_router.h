#pragma once

#include "ui/command_binding.h"

#include <functional>
#include <map>

class QAction;

// Which command runs what, and how each action's state is set: a command without a handler is disabled,
// one without an update is enabled while it has a handler. The actions belong to whoever creates them and
// must outlive the router.
class CCommandRouter
{
public:
    using CommandHandler = std::function<void()>;
    using UpdateHandler = std::function<void(QAction& action)>;

    void AddAction(int commandId, QAction& action);
    QAction* Action(int commandId) const;

    // Sets the action's state at once.
    void SetHandler(int commandId, CommandHandler handler, UpdateHandler update = {});
    void SetHandlers(const CommandBindings& bindings);
    void ClearHandler(int commandId);
    // Asks every update handler for the state of its command now.
    void UpdateAll();
    // The handler of a command that is enabled after its update ran, to be run by the caller; empty when
    // the command may not run now.
    CommandHandler EnabledHandler(int commandId);

private:
    void Update(int commandId, QAction& action);

    std::map<int, QAction*> m_actions;
    std::map<int, CommandHandler> m_handlers;
    std::map<int, UpdateHandler> m_updaters;
};
