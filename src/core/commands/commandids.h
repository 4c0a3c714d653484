#pragma once

namespace tarnel {

// Command ids of the menus, toolbar and accelerators.
enum CommandId : int {
#define COMMAND(id, number, ...) id = number,
#include "commands.def"
#undef COMMAND
    // The recent files' entries take the ids from here on.
    ID_FILE_MRU_FIRST = 57616,
};

} // namespace tarnel
