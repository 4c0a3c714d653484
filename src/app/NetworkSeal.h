#pragma once

#include <QtGlobal>

#include <string>

// Keeps every page the editor shows off the network: the process moves into a network
// namespace of its own whose only interface, loopback, stays down, so that nothing the
// embedded browser does (WebRTC, name look-ups, whatever a page finds next) reaches any
// socket address. What the editor must still do outside, opening a page in the user's
// browser, goes through a small launcher forked before the move, which stays outside.
namespace netseal {

struct Outcome
{
    bool sealed = false;
    int launcher = -1; // the editor's end of the launcher's socket, -1 without a launcher
    // Why the process could not be sealed: a text for QCoreApplication::translate("StartUp"),
    // and the system's error number where one was given (0 otherwise).
    const char *reason = nullptr;
    int error = 0;
};

// Must run before any thread exists (a threaded process cannot enter a user namespace) and
// before anything connects anywhere (the display is reached through its file socket after).
Outcome sealProcess();

// Asks the launcher to open `url` (a file: URL of an existing file; it refuses anything else).
bool openOutside(int launcher, const std::string &url);

} // namespace netseal
