#pragma once

#include "keybindings.h"

#include <QString>

// Help > Keys and Features: a page of its own (no network, nothing but this text) listing
// every command of the table with the keys in force, and what the editor does besides.
QString keysHelpHtml(const tarnel::KeyBindings &bindings);
