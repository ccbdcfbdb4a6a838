#include "ui/command_router.h"

#include <QAction>

void CCommandRouter::AddAction(int commandId, QAction& action)
{
    m_actions.emplace(commandId, &action);
}

QAction* CCommandRouter::Action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it != m_actions.end() ? it->second : nullptr;
}

void CCommandRouter::SetHandler(int commandId, CommandHandler handler, UpdateHandler update)
{
    m_handlers[commandId] = std::move(handler);
    if (update) {
        m_updaters[commandId] = std::move(update);
    } else {
        m_updaters.erase(commandId);
    }
    if (QAction* action = Action(commandId)) {
        Update(commandId, *action);
    }
}

void CCommandRouter::SetHandlers(const CommandBindings& bindings)
{
    for (const SCommandBinding& binding : bindings) {
        SetHandler(binding.id, binding.run, binding.update);
    }
}

void CCommandRouter::ClearHandler(int commandId)
{
    m_handlers.erase(commandId);
    m_updaters.erase(commandId);
    if (QAction* action = Action(commandId)) {
        action->setEnabled(false);
    }
}

void CCommandRouter::UpdateAll()
{
    for (const auto& [id, action] : m_actions) {
        Update(id, *action);
    }
}

void CCommandRouter::Update(int commandId, QAction& action)
{
    if (const auto it = m_updaters.find(commandId); it != m_updaters.end()) {
        it->second(action);
    } else {
        action.setEnabled(m_handlers.count(commandId) != 0);
    }
}

CCommandRouter::CommandHandler CCommandRouter::EnabledHandler(int commandId)
{
    QAction* action = Action(commandId);
    if (action == nullptr) {
        return {};
    }
    if (const auto it = m_updaters.find(commandId); it != m_updaters.end()) {
        it->second(*action);
    }
    const auto handler = m_handlers.find(commandId);
    if (!action->isEnabled() || handler == m_handlers.end()) {
        return {};
    }
    return handler->second;
}
