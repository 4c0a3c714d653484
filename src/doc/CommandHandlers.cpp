#include "CommandHandlers.h"

#include <QAction>

QAction *CCommandHandlers::add(int id, std::function<void()> run)
{
    auto *action = new QAction(this);
    action->setData(id);
    if (run)
        connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    connect(action, &QAction::enabledChanged, this, &CCommandHandlers::statesChanged);
    m_handlers.insert(id, action);
    return action;
}

void CCommandHandlers::updateStates() const
{
    if (m_updateStates)
        m_updateStates();
}

bool CCommandHandlers::run(int id) const
{
    updateStates();
    QAction *action = handler(id);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}
