// Questions to the window system: compositor, placement, shaping.
#include "app/window_system.h"

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#if __has_include(<xcb/xcb.h>) && defined(Q_OS_LINUX)
#include <xcb/xcb.h>
#define ZX_HAVE_XCB 1
#endif

namespace zx {

namespace {

bool platformIs(const char* prefix) {
    return qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String(prefix));
}

#ifdef ZX_HAVE_XCB
// The screen number of the display name ("host:display.screen"); 0 without one.
int x11ScreenNumber() {
    const QByteArray name = qgetenv("DISPLAY");
    const int colon = name.lastIndexOf(':');
    const int dot = name.indexOf('.', colon < 0 ? 0 : colon);
    if (colon < 0 || dot < 0) return 0;
    bool ok = false;
    const int n = name.mid(dot + 1).toInt(&ok);
    return ok && n >= 0 ? n : 0;
}
#endif

}  // namespace

bool x11CompositorRunning() {
#ifdef ZX_HAVE_XCB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    const std::string name = "_NET_WM_CM_S" + std::to_string(x11ScreenNumber());
    // An atom nobody has created yet means no compositor ever ran here.
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, std::uint16_t(name.size()), name.data()), nullptr);
    if (!atom) return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    if (!owner) return false;
    const bool owned = owner->owner != XCB_NONE;
    std::free(owner);
    return owned;
#else
    return false;
#endif
}

bool programPlacesWindows() { return !platformIs("wayland"); }

bool translucencyShows() { return !platformIs("xcb") || x11CompositorRunning(); }

bool shapeByTransparency() { return !platformIs("offscreen") && translucencyShows(); }

}  // namespace zx
