// The device face as data: every control's picture, rectangle and visibility,
// plus the window's look. Changes are reported to an observer that repaints.
#pragma once

#include <array>
#include <cstdint>

#include "display/controls.h"
#include "display/device_view.h"
#include "display/picture.h"

namespace zx {

// Face rectangles are kept within +-kMaxCoordinate, far beyond any screen, so
// that no sum of a position and a size can overflow an int.
inline constexpr int kMaxCoordinate = 1 << 24;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const Rect&) const = default;
};

struct Control {
    PictureRef picture;  // null: nothing drawn
    Rect rect;
    bool visible = false;
    bool stretch =
        false;  // picture scaled to the rectangle; otherwise centred (backdrop) or at top-left
};

// The window-level properties the skin decides: client size, background
// colour and the colour key that cuts the window to the device's outline.
struct WindowLook {
    int clientWidth = 542;
    int clientHeight = 359;
    std::uint32_t background = rgb(255, 255, 255);  // ARGB
    std::uint32_t colourKey = rgb(255, 255, 255);   // ARGB
    bool colourKeyOn = true;
    // How the skin images are laid on the window (scaled in full screen).
    DeviceView device;
    // Unlit LCD segments are drawn at this opacity in percent beneath the lit
    // ones (display/unlit_segments.h); 0: not at all.
    int unlitOpacity = 0;
    bool operator==(const WindowLook&) const = default;
};

class FaceObserver {
  public:
    virtual ~FaceObserver() = default;
    // A region of the client area must be painted again (window coordinates:
    // a scaled device's rectangles are reported where they are drawn).
    virtual void areaChanged(const Rect& r) = 0;
    // Client size, background, colour key, device view or unlit opacity changed.
    virtual void lookChanged() = 0;
};

class Face {
  public:
    Face();

    const Control& operator[](Ctl c) const { return controls_[std::size_t(c)]; }
    const WindowLook& look() const { return look_; }

    void setObserver(FaceObserver* o) { observer_ = o; }

    void setVisible(Ctl c, bool on);
    void setPicture(Ctl c, PictureRef p);
    // Edges beyond +-kMaxCoordinate are moved to it; a negative size is 0.
    void setRect(Ctl c, const Rect& r);
    void setStretch(Ctl c, bool on);

    // The backdrop always covers the whole client area and follows its size.
    void setClientSize(int width, int height);
    void setBackground(std::uint32_t argb);
    void setColourKey(bool on, std::uint32_t argb);
    void setDeviceView(const DeviceView& view);
    // A percentage, taken as the nearest of 0 and 100 when outside them.
    void setUnlitOpacity(int percent);

  private:
    Control& at(Ctl c) { return controls_[std::size_t(c)]; }
    void changed(Ctl id);
    void lookChanged();

    std::array<Control, kControlCount> controls_{};
    WindowLook look_;
    FaceObserver* observer_ = nullptr;
};

}  // namespace zx
