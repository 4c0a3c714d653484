#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The keys of one command, each a key sequence in portable text ("Ctrl+Shift+S"); the first
// is the one its menu entry shows.
using CommandKeys = std::vector<std::string>;
// The keys of every command, by the command's stable number (commands.def).
using KeyBindings = std::map<int, CommandKeys>;

// What the command table gives each command.
const KeyBindings &DefaultKeyBindings();

// "Ctrl+Z; Alt+Backspace" (the table's and the profile's form) and back; blanks around a key
// and empty keys are dropped.
CommandKeys SplitKeys(std::string_view text);
std::string JoinKeys(const CommandKeys &keys);

// A key a rebinding took from the command that held it.
struct TakenKey
{
    std::string key;
    int from = 0;
    bool operator==(const TakenKey &) const = default;
};

// Command `number` gets exactly `keys` (none when empty); a key another command holds is taken
// from it, so no key ever runs two commands. A number the bindings do not know changes nothing.
std::vector<TakenKey> Rebind(KeyBindings &bindings, int number, const CommandKeys &keys);

// The bindings in force: the defaults, each override (number: its keys) then applied as a
// rebinding in the order of the numbers.
KeyBindings BindingsWithOverrides(const KeyBindings &defaults,
                                  const std::map<int, CommandKeys> &overrides);

// What the profile keeps so that BindingsWithOverrides gives `bindings` back: the commands
// whose keys are not their defaults, with their keys (a command that lost its key has none).
std::map<int, CommandKeys> OverridesOf(const KeyBindings &bindings, const KeyBindings &defaults);

} // namespace tarnel
