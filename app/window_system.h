// What the window system under the program lets it do with its windows.
#pragma once

namespace zx {

// True on X11 while a compositing manager owns the _NET_WM_CM_S<screen>
// selection; false elsewhere and where there is no X server.
bool x11CompositorRunning();

// Whether a program may place its own windows: not on Wayland, where the
// compositor places every window and ignores positions.
bool programPlacesWindows();

// Whether a translucent window shows what lies beneath it: not on X11
// without a compositor, where the window's alpha is not looked at (there the
// window shape alone cuts the device out).
bool translucencyShows();

// Whether the window's see-through parts are painted transparent: where
// translucency shows, except on the offscreen platform of the tests, which
// paints opaque unless a test asks.
bool shapeByTransparency();

}  // namespace zx
