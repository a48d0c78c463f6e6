// The launch side of the device window: what the splash window asks of it
// (sound, the splash tick, centring, the start-up face, the end), and the
// splash's own showing at start.
#pragma once

#include <QSize>
#include <functional>

#include "windows/splash.h"

class QAction;
class QWidget;

namespace zx {

class Device;
class SettingsStore;
class TimerHost;

class LaunchHost final : public SplashHost {
  public:
    // What the launch asks of the device window: its widget, the switch to
    // its full-screen or normal state, and the splash tick's menu item.
    struct WindowSide {
        QWidget& window;
        std::function<void()> showPresentation;
        std::function<QAction*()> splashItem;
    };
    LaunchHost(Device& device, TimerHost& host, SettingsStore& settings, WindowSide side);

    bool Snd_Init(int soundMode) override;
    void setSplashScreenTick(bool on) override;
    // Puts the window's top-left corner at the screen's centre, clamped at 0,
    // where the platform lets a program place windows.
    void centreOnScreen() override;
    // Lights the start-up face, then shows the window full screen or normal
    // and activates it.
    void enterStartupMode() override;
    void terminate() override;

    bool terminationRequested() const { return terminationRequested_; }
    bool splashScreenTick() const { return splashScreenTick_; }
    void pm_11_splashscreenClick();
    // Takes the tick anew as the popup menu opens: the splash's box where it
    // has one, and the stored setting over it.
    void refreshSplashTick();

    // The splash window. While SplashPending, showSplashAtStart brings it to
    // the front with the keyboard focus (once); the device window itself
    // stays hidden until the launch shows it.
    void setSplashForm(QWidget* splash) { splashForm_ = splash; }
    void showSplashAtStart();
    bool SplashPending = true;

    static QSize screenSize();

  private:
    Device& device_;
    TimerHost& host_;
    SettingsStore& settings_;
    WindowSide side_;
    bool terminationRequested_ = false;
    bool splashScreenTick_ = false;
    QWidget* splashForm_ = nullptr;
};

}  // namespace zx
