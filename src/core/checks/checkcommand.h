#pragma once

#include "validation.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What `tarnel --help` prints; the window's start-up shows the same text, translated.
std::string_view UsageText();

// Whether a command line (without the program's name) asks for the checks: "--check" before
// any "--". Such a run needs no window, no display and none of the window's libraries.
bool AsksForChecks(const std::vector<std::string> &arguments);

// Checks a page's bytes as the page at `path` (a file name as the system spells it; empty
// for a page never saved): UTF-8 when the bytes are, relative files looked up beside it.
Validation ValidatePageAt(std::string_view bytes, const std::string &path, bool withAdvice);

// `tarnel --check [--advice] page.htm ...`: one line per finding on `out` in the form
// compilers use, unreadable files with their reason on `err`. Returns the exit status: 2 for
// a wrong command line or a file that could not be read, else 1 when any error was found,
// else 0.
int RunCheckCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *err);

} // namespace tarnel
