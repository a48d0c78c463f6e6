// The X keyboard's key map, read through Qt's own connection.
#include "input/qt/x11_key_state.h"

#include <QGuiApplication>
#include <cstdlib>

#if __has_include(<xcb/xcb.h>) && defined(Q_OS_LINUX)
#include <xcb/xcb.h>
#define ZX_HAVE_XCB 1
#endif

namespace zx {

bool keyIsDown(std::uint32_t nativeScanCode) {
#ifdef ZX_HAVE_XCB
    if (nativeScanCode < 8 || nativeScanCode > 255) return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!reply) return false;
    const bool down = reply->keys[nativeScanCode / 8] & (1u << (nativeScanCode % 8));
    std::free(reply);
    return down;
#else
    (void)nativeScanCode;
    return false;
#endif
}

}  // namespace zx
