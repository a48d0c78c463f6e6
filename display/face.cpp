// Face changes and the repaint requests they cause.
#include "display/face.h"

namespace zx {

// As designed: the device picture, its overlay and the button images that
// take mouse input are visible; every segment and pressed look is hidden.
Face::Face() {
    at(Ctl::im_backdrop).rect = {0, 0, look_.clientWidth, look_.clientHeight};
    for (Ctl c : {Ctl::im_background, Ctl::im_background_screen_top, Ctl::btn_game_a_top,
                  Ctl::btn_game_b_top, Ctl::btn_time_top, Ctl::btn_set_top, Ctl::btn_left_top,
                  Ctl::btn_right_top, Ctl::btn_shoot_left_top, Ctl::btn_shoot_right_top})
        at(c).visible = true;
}

void Face::changed(Ctl id) {
    const Control& c = at(id);
    if (!observer_ || !c.visible || c.rect.empty()) return;
    Rect r = c.rect;
    if (isDeviceControl(id)) look_.device.covered(r.x, r.y, r.w, r.h);
    observer_->areaChanged(r);
}

void Face::lookChanged() {
    if (observer_) observer_->lookChanged();
}

void Face::setVisible(Ctl id, bool on) {
    Control& c = at(id);
    if (c.visible == on) return;
    c.visible = true;  // report while visible, so hiding repaints the area too
    changed(id);
    c.visible = on;
}

void Face::setPicture(Ctl id, PictureRef p) {
    Control& c = at(id);
    if (c.picture == p) return;
    c.picture = std::move(p);
    changed(id);
}

namespace {

// One axis of a rectangle: both edges clamped, computed in 64 bits.
void clampSpan(int& pos, int& size) {
    const auto clamp = [](std::int64_t v) {
        return int(v < -kMaxCoordinate ? -kMaxCoordinate : v > kMaxCoordinate ? kMaxCoordinate : v);
    };
    const int first = clamp(pos);
    const int last = clamp(std::int64_t(pos) + (size > 0 ? size : 0));
    pos = first;
    size = last - first;
}

}  // namespace

void Face::setRect(Ctl id, const Rect& requested) {
    Rect r = requested;
    clampSpan(r.x, r.w);
    clampSpan(r.y, r.h);
    Control& c = at(id);
    if (c.rect == r) return;
    changed(id);
    c.rect = r;
    changed(id);
}

void Face::setStretch(Ctl id, bool on) {
    Control& c = at(id);
    if (c.stretch == on) return;
    c.stretch = on;
    changed(id);
}

void Face::setClientSize(int width, int height) {
    setRect(Ctl::im_backdrop, {0, 0, width, height});
    if (look_.clientWidth == width && look_.clientHeight == height) return;
    look_.clientWidth = width;
    look_.clientHeight = height;
    lookChanged();
}

void Face::setBackground(std::uint32_t argb) {
    if (look_.background == argb) return;
    look_.background = argb;
    lookChanged();
}

void Face::setColourKey(bool on, std::uint32_t argb) {
    if (look_.colourKeyOn == on && look_.colourKey == argb) return;
    look_.colourKeyOn = on;
    look_.colourKey = argb;
    lookChanged();
}

void Face::setUnlitOpacity(int percent) {
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (look_.unlitOpacity == percent) return;
    look_.unlitOpacity = percent;
    lookChanged();
}

void Face::setDeviceView(const DeviceView& view) {
    if (look_.device == view) return;
    look_.device = view;
    lookChanged();
}

}  // namespace zx
