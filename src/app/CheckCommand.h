#pragma once

#include <QStringList>

#include <cstdio>

// `tarnel --check page.htm ...`: one line per finding on `out` in the form compilers use,
// unreadable files with their reason on `err`. Needs no display. Returns the exit status:
// 2 when a file could not be read, else 1 when any error was found, else 0. With `advice`,
// the validator's advice is printed too.
int runCheckCommand(const QStringList &pages, bool advice, std::FILE *out, std::FILE *err);
