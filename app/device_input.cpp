// Keyboard and mouse of the device window: buttons, hints, cursors and drag.
#include "app/device_input.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

#include "app/timer_host.h"
#include "input/button_dispatch.h"

namespace zx {

static bool isDragImage(Ctl c) {
    return c == Ctl::im_background || c == Ctl::im_background_screen_top || c == Ctl::btn_set_top;
}

DeviceInput::DeviceInput(Device& device, const KeyMap& keys, TimerHost& host, QWidget& window,
                         WindowSide side)
    : device_(device),
      keys_(keys),
      host_(host),
      window_(window),
      side_(std::move(side)),
      input_({[this] { host_.sync(); },
              [this](std::uint16_t vk, bool repeat) {
                  if (repeat)
                      FormKeyRepeat(device_, keys_.KeyBindings, vk);
                  else
                      FormKeyDown(device_, keys_.KeyBindings, vk);
              },
              [this](std::uint16_t vk) { FormKeyUp(device_, keys_.KeyBindings, vk); },
              [this](QPoint p) { return controlAt(p); },
              [this](Ctl c, QPoint p) { imagePressed(c, p); },
              [this](Ctl c, QPoint p) { imageReleased(c, p); }}) {}

std::optional<Ctl> DeviceInput::controlAt(QPoint p) const {
    for (auto it = kDrawingOrder.rbegin(); it != kDrawingOrder.rend(); ++it) {
        const Control& c = device_.face()[*it];
        if (!c.visible || c.rect.empty() || *it == Ctl::im_backdrop) continue;
        // A scaled device's controls are hit where they are drawn.
        const DeviceView view = isDeviceControl(*it) ? device_.face().look().device : DeviceView{};
        if (view.hits(c.rect.x, c.rect.y, c.rect.w, c.rect.h, p.x(), p.y())) return *it;
    }
    return std::nullopt;
}

void DeviceInput::updateCursor(QPoint p) {
    const auto c = controlAt(p);
    if (c == Ctl::btn_set_top)
        window_.setCursor(Qt::WhatsThisCursor);
    else if (c && (buttonOfImage(*c) || *c == Ctl::btn_game_menu_top))
        window_.setCursor(Qt::PointingHandCursor);
    else
        window_.unsetCursor();
}

void DeviceInput::showHint(const QHelpEvent& e) const {
    const auto c = controlAt(e.pos());
    const std::string hint = c ? keys_.hint(*c) : std::string();
    if (hint.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(e.globalPos(), QString::fromStdString(hint), &window_);
}

void DeviceInput::imagePressed(Ctl c, QPoint p) {
    if (isDragImage(c)) {
        const Rect& r = device_.face()[c].rect;
        im_backgroundMouseDown(c, p - QPoint(r.x, r.y));
        return;
    }
    buttonImageMouseDown(device_, c, MouseButton::Left);
}

void DeviceInput::mouseMove(const QMouseEvent& e) {
    const QPoint p = e.position().toPoint();
    const auto held = input_.held();
    if (!held) {
        updateCursor(p);
        return;
    }
    if (isDragImage(*held)) {
        const Rect& r = device_.face()[*held].rect;
        im_backgroundMouseMove(*held, p - QPoint(r.x, r.y));
    }
}

void DeviceInput::imageReleased(Ctl c, QPoint p) {
    if (c == Ctl::btn_game_menu_top && controlAt(p) == c) side_.menuButtonClick();
    buttonImageMouseUp(device_, c, MouseButton::Left);
}

void DeviceInput::im_backgroundMouseDown(Ctl, QPoint inImage) {
    if (side_.fullscreen()) return;
    // The window system moves the window where it can (on Wayland nothing
    // else can); the press is then its own, so the image lets go of it.
    QWindow* window = window_.windowHandle();
    moveByHand_ = !(window && window->startSystemMove());
    if (!moveByHand_) {
        input_.forgetHeld();
        return;
    }
    DragStartX = inImage.x();
    DragStartY = inImage.y();
}

void DeviceInput::im_backgroundMouseMove(Ctl, QPoint inImage) {
    if (side_.fullscreen() || !moveByHand_) return;
    // The image moves with the window, so the pointer keeps its place on it.
    window_.move(window_.x() + inImage.x() - DragStartX, window_.y() + inImage.y() - DragStartY);
}

void DeviceInput::padButton(DeviceButton button, bool down) {
    host_.sync();
    if (down)
        pressButton(device_, button);
    else
        releaseButton(device_, button);
}

void DeviceInput::releaseHeldInput() {
    // A release that goes to another window must not leave a device button down.
    host_.sync();
    for (std::uint16_t vk : input_.takeHeldKeys()) FormKeyUp(device_, keys_.KeyBindings, vk);
    const auto held = input_.held();
    if (held && (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        buttonImageMouseUp(device_, *held, MouseButton::Left);
    }
    input_.forgetHeld();
}

void DeviceInput::releasePointer() {
    const auto held = input_.held();
    if (!held) return;
    const Ctl c = *held;
    input_.forgetHeld();
    host_.sync();
    buttonImageMouseUp(device_, c, MouseButton::Left);
}

}  // namespace zx
