// Keys and the pointer over the device window: the control under a point,
// the cursor and hints, presses and releases to the device's buttons, and the
// drag that moves a windowed device.
#pragma once

#include <QPoint>
#include <functional>
#include <optional>

#include "device/device.h"
#include "input/key_map.h"
#include "windows/input_router.h"

class QHelpEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace zx {

class TimerHost;

class DeviceInput {
  public:
    // What the input asks of its window: whether it is full screen, and the
    // click on the in-game menu's button.
    struct WindowSide {
        std::function<bool()> fullscreen;
        std::function<void()> menuButtonClick;
    };
    DeviceInput(Device& device, const KeyMap& keys, TimerHost& host, QWidget& window,
                WindowSide side);

    void keyPress(const QKeyEvent& e) { input_.keyPress(e); }
    void keyRelease(const QKeyEvent& e) { input_.keyRelease(e); }
    void mousePress(const QMouseEvent& e) { input_.mousePress(e); }
    void mouseRelease(const QMouseEvent& e) { input_.mouseRelease(e); }
    void mouseMove(const QMouseEvent& e);
    // Shows the key hint of the button image under the help event's point.
    void showHint(const QHelpEvent& e) const;

    // The topmost visible control under a point of the client area.
    std::optional<Ctl> controlAt(QPoint p) const;
    // A game controller's press or release of a device button.
    void padButton(DeviceButton button, bool down);
    // Lets go of every device button held by a key or the mouse.
    void releaseHeldInput();
    // Lets go of what the left button holds, when its release will go to the
    // popup menu or a modal window that has taken the pointer.
    void releasePointer();

  private:
    void updateCursor(QPoint p);
    void imagePressed(Ctl image, QPoint p);
    void imageReleased(Ctl image, QPoint p);
    void im_backgroundMouseDown(Ctl image, QPoint inImage);
    void im_backgroundMouseMove(Ctl image, QPoint inImage);

    Device& device_;
    const KeyMap& keys_;
    TimerHost& host_;
    QWidget& window_;
    WindowSide side_;
    InputRouter<Ctl> input_;  // keys, and the image that took the left press
    int DragStartX = 0;
    int DragStartY = 0;
    bool moveByHand_ = false;  // the window system could not move the window
};

}  // namespace zx
