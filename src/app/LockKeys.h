#pragma once

#include <optional>

// The keyboard's lock keys as the window system reports them. Qt has no call for them; X11
// tells them through its keyboard extension. Elsewhere (Wayland, offscreen) they are unknown.
struct LockKeyStates
{
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

std::optional<LockKeyStates> queryLockKeys();
