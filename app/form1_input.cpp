// Keyboard and mouse of the device window: buttons, hints, cursors and drag.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWindow>

#include "app/form1.h"
#include "input/button_dispatch.h"
#include "input/qt/qt_key_translation.h"
#include "input/qt/x11_key_state.h"

namespace zx {

static bool isDragImage(Ctl c) {
    return c == Ctl::im_background || c == Ctl::im_background_screen_top || c == Ctl::btn_set_top;
}

std::optional<Ctl> TForm1::controlAt(QPoint p) const {
    for (auto it = kDrawingOrder.rbegin(); it != kDrawingOrder.rend(); ++it) {
        const Control& c = device_.face()[*it];
        if (!c.visible || c.rect.empty() || *it == Ctl::im_backdrop) continue;
        // A scaled device's controls are hit where they are drawn.
        const DeviceView view = isDeviceControl(*it) ? device_.face().look().device : DeviceView{};
        if (view.hits(c.rect.x, c.rect.y, c.rect.w, c.rect.h, p.x(), p.y())) return *it;
    }
    return std::nullopt;
}

void TForm1::updateCursor(QPoint p) {
    const auto c = controlAt(p);
    if (c == Ctl::btn_set_top)
        setCursor(Qt::WhatsThisCursor);
    else if (c && (buttonOfImage(*c) || *c == Ctl::btn_game_menu_top))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowBlocked) {
        // A modal window took the pointer and the keyboard.
        releasePointer();
        releaseHeldInput();
    }
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const auto c = controlAt(help->pos());
        const std::string hint = c ? keyMap_.hint(*c) : std::string();
        if (hint.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
        return true;
    }
    // On a screen of another pixel ratio the shape is worked out anew.
    if (e->type() == QEvent::ScreenChangeInternal && device_.face().look().colourKeyOn &&
        devicePixelRatio() != shapeRatio_)
        applyShape();
    return QWidget::event(e);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const std::uint16_t vk = virtualKeyOf(*event);
    if (vk == 0) return;
    host_.sync();
    if (keyRepeat_.onPress(vk, event->isAutoRepeat()) == KeyRepeatFilter::Action::Press)
        FormKeyDown(device_, keyMap_.KeyBindings, vk);
    else
        FormKeyRepeat(device_, keyMap_.KeyBindings, vk);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    const std::uint16_t vk = virtualKeyOf(*event);
    if (vk == 0) return;
    const bool stillDown = !event->isAutoRepeat() && keyIsDown(event->nativeScanCode());
    if (keyRepeat_.onRelease(vk, event->isAutoRepeat(), stillDown) == KeyRepeatFilter::Action::Drop)
        return;
    host_.sync();
    FormKeyUp(device_, keyMap_.KeyBindings, vk);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    // Only the left button takes an image; another button pressed meanwhile
    // neither takes it over nor presses anything.
    if (event->button() != Qt::LeftButton || pressedImage_) return;
    const QPoint p = event->position().toPoint();
    const auto c = controlAt(p);
    if (!c) return;
    host_.sync();
    pressedImage_ = c;
    if (isDragImage(*c)) {
        const Rect& r = device_.face()[*c].rect;
        im_backgroundMouseDown(*c, p - QPoint(r.x, r.y));
        return;
    }
    buttonImageMouseDown(device_, *c, MouseButton::Left);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!pressedImage_) {
        updateCursor(p);
        return;
    }
    if (isDragImage(*pressedImage_)) {
        const Rect& r = device_.face()[*pressedImage_].rect;
        im_backgroundMouseMove(*pressedImage_, p - QPoint(r.x, r.y));
    }
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    // The left release belongs to the image that took the left press,
    // wherever the pointer is now.
    if (event->button() != Qt::LeftButton || !pressedImage_) return;
    host_.sync();
    const Ctl c = *pressedImage_;
    pressedImage_.reset();
    if (c == Ctl::btn_game_menu_top && controlAt(event->position().toPoint()) == c)
        btn_game_menu_topClick();
    buttonImageMouseUp(device_, c, MouseButton::Left);
}

void TForm1::im_backgroundMouseDown(Ctl, QPoint inImage) {
    if (FullscreenMode) return;
    // The window system moves the window where it can (on Wayland nothing
    // else can); the press is then its own, so the image lets go of it.
    QWindow* window = windowHandle();
    moveByHand_ = !(window && window->startSystemMove());
    if (!moveByHand_) {
        pressedImage_.reset();
        return;
    }
    DragStartX = inImage.x();
    DragStartY = inImage.y();
}

void TForm1::im_backgroundMouseMove(Ctl, QPoint inImage) {
    if (FullscreenMode || !moveByHand_) return;
    // The image moves with the window, so the pointer keeps its place on it.
    move(x() + inImage.x() - DragStartX, y() + inImage.y() - DragStartY);
}

}  // namespace zx
