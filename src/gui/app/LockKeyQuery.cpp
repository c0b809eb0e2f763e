#include "app/LockKeyQuery.h"

// X11's headers define macros (KeyPress, None, Bool...) that clash with Qt's names,
// so the query lives alone in this file.
#ifdef PROGRAM_HAVE_X11
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

std::optional<LockKeyState> queryLockKeys() {
#ifdef PROGRAM_HAVE_X11
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    auto isOn = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        if (atom != None)
            XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr);
        return on == True;
    };
    return LockKeyState{isOn("Caps Lock"), isOn("Num Lock"), isOn("Scroll Lock")};
#else
    return std::nullopt;
#endif
}
