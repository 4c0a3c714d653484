#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QAction;

// The commands one window answers. The main window shows one action per command (caption,
// keys, prompt); while a window is active, that action runs the window's handler of the same
// id and is enabled exactly when the handler is. The window keeps its handlers' states
// current (Cut only with a selection, ...).
class CCommandHandlers : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Makes the handler of `id`, enabled; triggering it runs `run`.
    QAction *add(int id, std::function<void()> run);
    // The handler of `id`, or nullptr when this window does not answer the command.
    QAction *handler(int id) const { return m_handlers.value(id); }
    // Brings the handlers' states up to date before they are shown or run: some follow
    // changes nobody announces in time (a selection made by a program).
    void setStateUpdater(std::function<void()> update) { m_updateStates = std::move(update); }
    void updateStates() const;
    // Runs the command when this window answers it and it is enabled now; false otherwise.
    bool run(int id) const;

signals:
    // A handler was enabled or disabled.
    void statesChanged();

private:
    QHash<int, QAction *> m_handlers;
    std::function<void()> m_updateStates;
};
