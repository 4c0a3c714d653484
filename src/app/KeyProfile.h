#pragma once

#include "keybindings.h"

#include <QKeySequence>
#include <QList>

// The keys of the commands as the user chose them in Preferences, kept in the profile's "Keys"
// group: one entry per command whose keys are not the table's, named by the command's number,
// its keys in portable text ("Ctrl+Q; Ctrl+W"; empty for none).
namespace keyprofile {

// The command table's keys, spelt as Qt spells them ("Shift+Delete" is "Shift+Del").
const tarnel::KeyBindings &defaults();
tarnel::KeyBindings load();
void save(const tarnel::KeyBindings &bindings);

QList<QKeySequence> sequences(const tarnel::CommandKeys &keys);
// The portable text of the key's first chord; empty for no key.
std::string portableText(const QKeySequence &key);
// The keys as the menus and messages show them ("Ctrl+Z; Alt+Backspace").
QString shownText(const tarnel::CommandKeys &keys);

} // namespace keyprofile
