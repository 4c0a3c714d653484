#include "LockKeys.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/XKBlib.h>

namespace {

// Indicators are looked up by name: their order in the indicator mask differs between
// keyboard maps.
std::optional<bool> namedIndicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
}

} // namespace

std::optional<LockKeyStates> queryLockKeys()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const auto caps = namedIndicator(display, "Caps Lock");
    if (!caps)
        return std::nullopt;
    LockKeyStates states;
    states.capsLock = *caps;
    states.numLock = namedIndicator(display, "Num Lock").value_or(false);
    states.scrollLock = namedIndicator(display, "Scroll Lock").value_or(false);
    return states;
}
