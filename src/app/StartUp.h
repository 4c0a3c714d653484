#pragma once

#include <QString>
#include <QStringList>

// The editor's whole start-up, from the raw command line to the end of the event loop.
int tarnelMain(int argc, char **argv);

struct CommandLine;
CommandLine parseCommandLine(const QStringList &arguments);

// What the command line asks for before any window exists.
struct CommandLine
{
    enum Action { Run, Help, Version, Error } action = Run;
    QStringList pages;
    QString error;
};
