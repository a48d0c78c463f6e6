// TForm1: the device window. It owns the device core and paints its face;
// its keys and pointer, its menus and its launch are each a part of their own
// that the window's events are forwarded to.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "app/device_input.h"
#include "app/face_painter.h"
#include "app/game_menu_control.h"
#include "app/launch_host.h"
#include "app/menu_commands.h"
#include "app/settings_notice.h"
#include "app/timer_host.h"
#include "config/settings_store.h"
#include "device/device.h"
#include "input/key_map.h"
#include "input/pad_input.h"
#include "sound/sound_backend.h"
#include "windows/dialogs.h"

namespace zx {

class AuxWindows;
class Beeper;
class Shell;

// What the device window is built from: the settings, the message boxes, the
// clock and random source, and the folder that holds Config.ini.
struct Form1Deps {
    SettingsStore& settings;
    Dialogs& dialogs;
    Clock& clock;
    Random& random;
    SoundBackend& sound;
    QString programDir;  // the executable's folder
};

class TForm1 : public QWidget, private FaceObserver, private CommandWindow {
    Q_OBJECT
  public:
    explicit TForm1(Form1Deps deps);
    ~TForm1() override;

    Device& device() { return device_; }
    bool fullscreenMode() const { return FullscreenMode; }

    // The launch: what the splash window asks of the device window, and the
    // splash's showing at start.
    LaunchHost& launch() { return launch_; }
    bool terminationRequested() const { return launch_.terminationRequested(); }
    void setSplashForm(QWidget* splash) { launch_.setSplashForm(splash); }
    void showSplashAtStart() { launch_.showSplashAtStart(); }
    bool Snd_Init(int soundMode) { return launch_.Snd_Init(soundMode); }
    void centreOnScreen() { launch_.centreOnScreen(); }
    void enterStartupMode() { launch_.enterStartupMode(); }
    void terminate() override { launch_.terminate(); }
    bool splashScreenTick() const { return launch_.splashScreenTick(); }

    // Reloads the skin for the current presentation and reshapes the window.
    void LoadSkinAndApply();
    // Whether the see-through parts are painted transparent (decided per
    // skin load from the window system); tests may decide it themselves.
    bool paintsTransparent() const { return transparent_; }
    void forceShapeByTransparency(bool on) {
        transparencyForced_ = on;
        applyShape();
    }

    // Game controllers act on the device while its window is the active one.
    PadInput& padInput() { return pad_; }

    const KeyMap& keyMap() const { return keyMap_; }
    // The key settings dialog rebinds the keys and rebuilds the hints.
    KeyMap& keyMap() { return keyMap_; }

    // Where the commands lead: the about box, manual and key settings; the
    // shell's "open"; the system beep (QApplication::beep when none is set).
    void setAuxWindows(AuxWindows* w) { commands_.setAuxWindows(w); }
    void setShell(Shell* s) { commands_.setShell(s); }
    void setBeeper(Beeper* b) { commands_.setBeeper(b); }

    // The popup menu and the in-game menu.
    QMenu* pm_0_menu() const { return menus_.pm_0_menu(); }
    QAction* menuItem(MenuCommand c) const { return menus_.menuItem(c); }
    bool gameMenuOpen() const { return menus_.isOpen(); }
    const GameMenu& gameMenu() const { return menus_.gameMenu(); }
    void pm_0_menuPopup();
    void runCommand(MenuCommand c) { commands_.run(c); }
    void pm_10_fullscreenClick();
    void pm_11_splashscreenClick() { launch_.pm_11_splashscreenClick(); }
    void btn_game_menu_topClick() { menus_.btn_game_menu_topClick(); }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void toggleFullscreen() override { pm_10_fullscreenClick(); }
    void toggleSplashscreen() override { pm_11_splashscreenClick(); }
    void FormCreate();
    void areaChanged(const Rect& r) override;
    void lookChanged() override;
    void applyShape();
    // Full-screen or normal state of the window, after FullscreenMode.
    void showPresentation();
    void leaveFullScreen();

    Form1Deps deps_;
    // Before the creation's first writes (the keys are written back).
    SettingsNotice settingsNotice_{deps_.settings, deps_.dialogs};
    Device device_;
    MenuCommands commands_{device_, *this};
    TimerHost host_;
    FacePainter painter_;
    KeyMap keyMap_;
    GameMenuControl menus_;
    DeviceInput input_;
    PadInput pad_{loadPadBindings(deps_.settings),
                  [this](DeviceButton b, bool down) { input_.padButton(b, down); }};
    LaunchHost launch_;
    QRegion shape_;  // the windowed shape; empty for a rectangle
    bool transparent_ = false;
    std::optional<bool> transparencyForced_;
    qreal shapeRatio_ = 1.0;  // the pixel ratio the window shape was worked out for
    bool FullscreenMode = true;
};

}  // namespace zx
