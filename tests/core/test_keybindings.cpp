#include "commandids.h"
#include "keybindings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarnel;

TEST(KeyBindings, TheTableGivesNoKeyTwice)
{
    std::set<std::string> seen;
    for (const auto &[number, keys] : DefaultKeyBindings())
        for (const std::string &key : keys)
            EXPECT_TRUE(seen.insert(key).second) << key << " of command " << number;
    // The desktop's keys that were free; Ctrl+Q stays Marquee's until the user moves it.
    const KeyBindings &table = DefaultKeyBindings();
    EXPECT_EQ(table.at(ID_FILE_SAVE_AS), CommandKeys{"Ctrl+Shift+S"});
    EXPECT_EQ(table.at(ID_EDIT_UNDO), (CommandKeys{"Ctrl+Z", "Alt+Backspace"}));
    EXPECT_EQ(table.at(ID_INSERT_MARQUEE), CommandKeys{"Ctrl+Q"});
    EXPECT_TRUE(table.at(ID_APP_EXIT).empty());
}

TEST(KeyBindings, KeysSplitAndJoinAsTheProfileWritesThem)
{
    const struct
    {
        std::string_view text;
        CommandKeys keys;
        std::string joined;
    } cases[] = {
        {"", {}, ""},
        {"Ctrl+Z; Alt+Backspace", {"Ctrl+Z", "Alt+Backspace"}, "Ctrl+Z; Alt+Backspace"},
        {"Ctrl+;; Ctrl+,", {"Ctrl+;", "Ctrl+,"}, "Ctrl+;; Ctrl+,"},
        {" F3 ;  ; F3", {"F3"}, "F3"},
        {"F1; F1", {"F1"}, "F1"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SplitKeys(c.text), c.keys) << c.text;
        EXPECT_EQ(JoinKeys(c.keys), c.joined) << c.text;
    }
}

TEST(KeyBindings, ARebindingTakesTheKeyFromTheCommandThatHeldIt)
{
    const KeyBindings start = {{1, {"Ctrl+Q"}}, {2, {}}, {3, {"Ctrl+Z", "Alt+Backspace"}}};
    const struct
    {
        const char *name;
        int number;
        CommandKeys keys;
        KeyBindings after;
        std::vector<TakenKey> taken;
    } cases[] = {
        {"a free key",
         2,
         {"Ctrl+W"},
         {{1, {"Ctrl+Q"}}, {2, {"Ctrl+W"}}, {3, {"Ctrl+Z", "Alt+Backspace"}}},
         {}},
        {"another's only key",
         2,
         {"Ctrl+Q"},
         {{1, {}}, {2, {"Ctrl+Q"}}, {3, {"Ctrl+Z", "Alt+Backspace"}}},
         {{"Ctrl+Q", 1}}},
        {"one of another's two",
         1,
         {"Alt+Backspace"},
         {{1, {"Alt+Backspace"}}, {2, {}}, {3, {"Ctrl+Z"}}},
         {{"Alt+Backspace", 3}}},
        {"none", 3, {}, {{1, {"Ctrl+Q"}}, {2, {}}, {3, {}}}, {}},
        {"its own key again", 1, {"Ctrl+Q", "Ctrl+Q"}, start, {}},
        {"an unknown command", 9, {"Ctrl+Q"}, start, {}},
    };
    for (const auto &c : cases) {
        KeyBindings bindings = start;
        EXPECT_EQ(Rebind(bindings, c.number, c.keys), c.taken) << c.name;
        EXPECT_EQ(bindings, c.after) << c.name;
    }
}

TEST(KeyBindings, TheOverridesKeptGiveTheBindingsBack)
{
    const KeyBindings &defaults = DefaultKeyBindings();
    KeyBindings bindings = defaults;
    Rebind(bindings, ID_APP_EXIT, {"Ctrl+Q"});
    Rebind(bindings, ID_INSERT_MARQUEE, {"Ctrl+Shift+Q"});
    Rebind(bindings, ID_EDIT_REDO, {});
    const std::map<int, CommandKeys> overrides = OverridesOf(bindings, defaults);
    EXPECT_EQ(overrides, (std::map<int, CommandKeys>{{ID_APP_EXIT, {"Ctrl+Q"}},
                                                     {ID_EDIT_REDO, {}},
                                                     {ID_INSERT_MARQUEE, {"Ctrl+Shift+Q"}}}));
    EXPECT_EQ(BindingsWithOverrides(defaults, overrides), bindings);
    // A profile written by hand may give one key twice, or name a command no longer there.
    const KeyBindings hand = BindingsWithOverrides(
        defaults, {{ID_FILE_NEW, {"Ctrl+K"}}, {ID_FILE_OPEN, {"Ctrl+K"}}, {1, {"Ctrl+S"}}});
    EXPECT_TRUE(hand.at(ID_FILE_NEW).empty());
    EXPECT_EQ(hand.at(ID_FILE_OPEN), CommandKeys{"Ctrl+K"});
    EXPECT_TRUE(hand.at(ID_INSERT_LINK).empty());
    EXPECT_EQ(hand.at(ID_FILE_SAVE), CommandKeys{"Ctrl+S"});
    EXPECT_FALSE(hand.contains(1));
}
