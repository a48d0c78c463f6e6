// Keyboard and mouse of the device window: buttons, hints, cursors and drag.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWindow>

#include "app/form1.h"
#include "input/button_dispatch.h"
#include "input/qt/qt_key_translation.h"

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

void TForm1::keyPressEvent(QKeyEvent* event) { input_.keyPress(*event); }
void TForm1::keyReleaseEvent(QKeyEvent* event) { input_.keyRelease(*event); }
void TForm1::mousePressEvent(QMouseEvent* event) { input_.mousePress(*event); }
void TForm1::mouseReleaseEvent(QMouseEvent* event) { input_.mouseRelease(*event); }

void TForm1::imagePressed(Ctl c, QPoint p) {
    if (isDragImage(c)) {
        const Rect& r = device_.face()[c].rect;
        im_backgroundMouseDown(c, p - QPoint(r.x, r.y));
        return;
    }
    buttonImageMouseDown(device_, c, MouseButton::Left);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
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

void TForm1::imageReleased(Ctl c, QPoint p) {
    if (c == Ctl::btn_game_menu_top && controlAt(p) == c) btn_game_menu_topClick();
    buttonImageMouseUp(device_, c, MouseButton::Left);
}

void TForm1::im_backgroundMouseDown(Ctl, QPoint inImage) {
    if (FullscreenMode) return;
    // The window system moves the window where it can (on Wayland nothing
    // else can); the press is then its own, so the image lets go of it.
    QWindow* window = windowHandle();
    moveByHand_ = !(window && window->startSystemMove());
    if (!moveByHand_) {
        input_.forgetHeld();
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
