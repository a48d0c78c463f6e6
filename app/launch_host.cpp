// The device window's launch: sound, centring, the start-up face, the end.
#include "app/launch_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/timer_host.h"
#include "app/window_system.h"
#include "config/settings_store.h"
#include "device/device.h"

namespace zx {

LaunchHost::LaunchHost(Device& device, TimerHost& host, SettingsStore& settings, WindowSide side)
    : device_(device), host_(host), settings_(settings), side_(std::move(side)) {}

QSize LaunchHost::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

bool LaunchHost::Snd_Init(int soundMode) { return device_.startSound(soundMode); }

void LaunchHost::setSplashScreenTick(bool on) {
    splashScreenTick_ = on;
    side_.splashItem()->setChecked(on);
}

void LaunchHost::centreOnScreen() {
    if (!programPlacesWindows()) return;
    const QSize screen = screenSize();
    QWidget& w = side_.window;
    w.move(std::max(0, (screen.width() - w.width()) / 2),
           std::max(0, (screen.height() - w.height()) / 2));
}

void LaunchHost::enterStartupMode() {
    host_.sync();
    device_.enterMode(mode::Startup);
    side_.showPresentation();
    side_.window.raise();
    side_.window.activateWindow();
}

void LaunchHost::terminate() {
    terminationRequested_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void LaunchHost::pm_11_splashscreenClick() {
    setSplashScreenTick(!splashScreenTick_);
    settings_.WriteBool("SplashScreen", splashScreenTick_);
}

void LaunchHost::refreshSplashTick() {
    bool boxTicked = splashScreenTick_;
    if (auto* splash = qobject_cast<TSplashForm*>(splashForm_))
        boxTicked = splash->splashBoxTicked().value_or(boxTicked);
    setSplashScreenTick(settings_.ReadBool("SplashScreen", boxTicked));
}

void LaunchHost::showSplashAtStart() {
    // The splash is the program's only visible window then, so that every
    // desktop (Wayland too, where a program cannot take the focus) gives it
    // the keyboard.
    if (!SplashPending) return;
    SplashPending = false;
    if (splashForm_) {
        splashForm_->show();
        splashForm_->raise();
        splashForm_->activateWindow();
    }
}

}  // namespace zx
