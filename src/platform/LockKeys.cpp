#include "LockKeys.h"

#include <QGuiApplication>

#if __has_include(<X11/XKBlib.h>)
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#define PLUVO_HAVE_XKB 1
#endif

LockStates ReadLockStates() {
    LockStates states;
#if defined(PLUVO_HAVE_XKB) && QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return states;
    Display* display = x11->display();
    // By name, since which indicator bit stands for which lock differs
    // between keyboard maps.
    const auto on = [display](const char* name) {
        const Atom atom = XInternAtom(display, name, True);
        Bool state = False;
        return atom != None &&
               XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr) && state;
    };
    states.known = true;
    states.caps = on("Caps Lock");
    states.num = on("Num Lock");
    states.scroll = on("Scroll Lock");
#endif
    return states;
}
