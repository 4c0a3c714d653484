#include "keybindings.h"

#include <algorithm>

namespace tarnel {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool holds(const CommandKeys &keys, const std::string &key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

const KeyBindings &DefaultKeyBindings()
{
    static const KeyBindings defaults = [] {
        KeyBindings table;
#define COMMAND(id, number, menu, separators, windows, caption, keys, ...)                         \
    table.emplace(number, SplitKeys(keys));
#include "commands.def"
#undef COMMAND
        return table;
    }();
    return defaults;
}

CommandKeys SplitKeys(std::string_view text)
{
    // "; " and not ";" parts two keys: "Ctrl+;" is a key of its own.
    CommandKeys keys;
    while (!text.empty()) {
        const auto end = text.find("; ");
        const std::string_view key = trimmed(text.substr(0, end));
        if (!key.empty() && !holds(keys, std::string(key)))
            keys.emplace_back(key);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 2);
    }
    return keys;
}

std::string JoinKeys(const CommandKeys &keys)
{
    std::string text;
    for (const std::string &key : keys)
        text += (text.empty() ? "" : "; ") + key;
    return text;
}

std::vector<TakenKey> Rebind(KeyBindings &bindings, int number, const CommandKeys &keys)
{
    const auto own = bindings.find(number);
    if (own == bindings.end())
        return {};
    CommandKeys wanted;
    for (const std::string &key : keys)
        if (!key.empty() && !holds(wanted, key))
            wanted.push_back(key);
    std::vector<TakenKey> taken;
    for (auto &[other, otherKeys] : bindings) {
        if (other == number)
            continue;
        const auto lost =
            std::stable_partition(otherKeys.begin(), otherKeys.end(),
                                  [&](const auto &key) { return !holds(wanted, key); });
        for (auto it = lost; it != otherKeys.end(); ++it)
            taken.push_back({*it, other});
        otherKeys.erase(lost, otherKeys.end());
    }
    own->second = std::move(wanted);
    return taken;
}

KeyBindings BindingsWithOverrides(const KeyBindings &defaults,
                                  const std::map<int, CommandKeys> &overrides)
{
    KeyBindings bindings = defaults;
    for (const auto &[number, keys] : overrides)
        Rebind(bindings, number, keys);
    return bindings;
}

std::map<int, CommandKeys> OverridesOf(const KeyBindings &bindings, const KeyBindings &defaults)
{
    std::map<int, CommandKeys> overrides;
    for (const auto &[number, keys] : bindings)
        if (const auto it = defaults.find(number); it != defaults.end() && it->second != keys)
            overrides.emplace(number, keys);
    return overrides;
}

} // namespace tarnel
