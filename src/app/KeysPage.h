#pragma once

#include "keybindings.h"

#include <QWidget>

class QKeySequenceEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// Preferences > Keys: every command with its keys. The key pressed in the key field becomes the
// selected command's only key (taken from the command that had it, which the message below says),
// Clear leaves it none, Reset to Defaults gives every command the table's keys back.
class CKeysPage : public QWidget
{
    Q_OBJECT
public:
    explicit CKeysPage(const tarnel::KeyBindings &bindings, QWidget *parent = nullptr);
    const tarnel::KeyBindings &bindings() const { return m_bindings; }
    void selectCommand(int id);

    QTreeWidget *commandList() const { return m_commands; }
    QKeySequenceEdit *keyField() const { return m_key; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *resetButton() const { return m_reset; }
    QLabel *message() const { return m_message; }

private:
    int selectedCommand() const;
    void showSelectedKey();
    void keyPressed(const QKeySequence &key);
    void bindSelected(const tarnel::CommandKeys &keys);
    void resetAll();
    void refreshKeys();

    tarnel::KeyBindings m_bindings;
    QTreeWidget *m_commands;
    QKeySequenceEdit *m_key;
    QPushButton *m_clear;
    QPushButton *m_reset;
    QLabel *m_message;
};
