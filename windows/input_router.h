// One way for a window to take keys and the left mouse button: a held key
// acts once (its repeats reach the window as repeats, and a release that X
// reports together with a new press is dropped), and the left release goes
// to the control that took the left press, wherever the pointer is now.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "input/key_repeat.h"
#include "input/qt/qt_key_translation.h"
#include "input/qt/x11_key_state.h"

namespace zx {

template <class Control>
class InputRouter {
  public:
    struct Handlers {
        std::function<void()> sync;  // before an event acts (optional)
        std::function<void(std::uint16_t vk, bool repeat)> keyDown;
        std::function<void(std::uint16_t vk)> keyUp;
        std::function<std::optional<Control>(QPoint)> controlAt;
        std::function<void(Control, QPoint)> pressed;
        std::function<void(Control, QPoint)> released;
    };
    explicit InputRouter(Handlers h) : h_(std::move(h)) {}

    void keyPress(const QKeyEvent& e) {
        const std::uint16_t vk = virtualKeyOf(e);
        if (vk == 0) return;
        sync();
        const bool repeat = keys_.onPress(vk, e.isAutoRepeat()) != KeyRepeatFilter::Action::Press;
        h_.keyDown(vk, repeat);
    }

    void keyRelease(const QKeyEvent& e) {
        const std::uint16_t vk = virtualKeyOf(e);
        if (vk == 0) return;
        const bool stillDown = !e.isAutoRepeat() && keyIsDown(e.nativeScanCode());
        if (keys_.onRelease(vk, e.isAutoRepeat(), stillDown) == KeyRepeatFilter::Action::Drop)
            return;
        sync();
        h_.keyUp(vk);
    }

    // Only the left button takes a control; another press meanwhile neither
    // takes it over nor presses anything.
    void mousePress(const QMouseEvent& e) {
        if (e.button() != Qt::LeftButton || held_) return;
        const QPoint p = e.position().toPoint();
        const auto c = h_.controlAt(p);
        if (!c) return;
        sync();
        held_ = c;
        h_.pressed(*c, p);
    }

    void mouseRelease(const QMouseEvent& e) {
        if (e.button() != Qt::LeftButton || !held_) return;
        sync();
        const Control c = *held_;
        held_.reset();
        h_.released(c, e.position().toPoint());
    }

    // The control the left button holds, if any.
    std::optional<Control> held() const { return held_; }
    // Forgets the held control without releasing it.
    void forgetHeld() { held_.reset(); }
    // The keys held now, forgotten: their releases will go to another window.
    std::vector<std::uint16_t> takeHeldKeys() { return keys_.takeHeld(); }

  private:
    void sync() {
        if (h_.sync) h_.sync();
    }

    Handlers h_;
    KeyRepeatFilter keys_;
    std::optional<Control> held_;
};

}  // namespace zx
