// TForm1: the device window. It owns the device core, paints its face and
// turns the window system's events into the core's operations.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/face_painter.h"
#include "app/menu_commands.h"
#include "app/settings_notice.h"
#include "app/timer_host.h"
#include "config/settings_store.h"
#include "device/device.h"
#include "input/key_map.h"
#include "sound/sound_backend.h"
#include "windows/dialogs.h"
#include "windows/game_menu.h"
#include "windows/input_router.h"
#include "windows/popup_menu.h"
#include "windows/splash.h"

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

class TForm1 : public QWidget, public SplashHost, private FaceObserver, private CommandWindow {
    Q_OBJECT
  public:
    explicit TForm1(Form1Deps deps);
    ~TForm1() override;

    Device& device() { return device_; }
    bool fullscreenMode() const { return FullscreenMode; }
    bool terminationRequested() const { return terminationRequested_; }

    // The splash window. While SplashPending, showSplashAtStart brings it to
    // the front with the keyboard focus (once); the device window itself
    // stays hidden until the launch shows it.
    void setSplashForm(QWidget* splash) { splashForm_ = splash; }
    void showSplashAtStart();
    bool SplashPending = true;

    // What the splash window's launch asks of the device window.
    bool Snd_Init(int soundMode) override;
    void setSplashScreenTick(bool on) override;
    // Puts the window's top-left corner at the screen's centre, clamped at 0,
    // where the platform lets a program place windows.
    void centreOnScreen() override;
    // Lights the start-up face, then shows the window full screen or normal
    // and activates it.
    void enterStartupMode() override;
    void terminate() override;
    bool splashScreenTick() const { return splashScreenTick_; }
    // Reloads the skin for the current presentation and reshapes the window.
    void LoadSkinAndApply();
    // Whether the see-through parts are painted transparent (decided per
    // skin load from the window system); tests may decide it themselves.
    bool paintsTransparent() const { return transparent_; }
    void forceShapeByTransparency(bool on) {
        transparencyForced_ = on;
        applyShape();
    }

    const KeyMap& keyMap() const { return keyMap_; }
    // The key settings dialog rebinds the keys and rebuilds the hints.
    KeyMap& keyMap() { return keyMap_; }

    // Where the commands lead: the about box, manual and key settings; the
    // shell's "open"; the system beep (QApplication::beep when none is set).
    void setAuxWindows(AuxWindows* w) { commands_.setAuxWindows(w); }
    void setShell(Shell* s) { commands_.setShell(s); }
    void setBeeper(Beeper* b) { commands_.setBeeper(b); }

    // The popup menu and the in-game menu.
    QMenu* pm_0_menu() const { return popup_->pm_0_menu; }
    QAction* menuItem(MenuCommand c) const;
    bool gameMenuOpen() const { return GameMenuOpen; }
    const GameMenu& gameMenu() const { return gameMenu_; }
    void pm_0_menuPopup();
    void runCommand(MenuCommand c) { commands_.run(c); }
    void pm_10_fullscreenClick();
    void pm_11_splashscreenClick();
    void btn_game_menu_topClick();
    // Builds or removes the in-game menu after GameMenuOpen.
    void Vid_Display_Game_Menu();

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
    void createMenus();
    void toggleFullscreen() override { pm_10_fullscreenClick(); }
    void toggleSplashscreen() override { pm_11_splashscreenClick(); }
    // Lets go of every device button held by a key or the mouse.
    void releaseHeldInput();
    // Lets go of what the left button holds, when its release will go to the
    // popup menu or a modal window that has taken the pointer.
    void releasePointer();
    void FormCreate();
    void areaChanged(const Rect& r) override;
    void lookChanged() override;
    void applyShape();
    // Full-screen or normal state of the window, after FullscreenMode.
    void showPresentation();
    void leaveFullScreen();
    QSize screenSize() const;
    // The topmost visible control under a point of the client area.
    std::optional<Ctl> controlAt(QPoint p) const;
    void updateCursor(QPoint p);
    void imagePressed(Ctl image, QPoint p);
    void imageReleased(Ctl image, QPoint p);
    void im_backgroundMouseDown(Ctl image, QPoint inImage);
    void im_backgroundMouseMove(Ctl image, QPoint inImage);

    Form1Deps deps_;
    // Before the creation's first writes (the keys are written back).
    SettingsNotice settingsNotice_{deps_.settings, deps_.dialogs};
    Device device_;
    MenuCommands commands_{device_, *this};
    TimerHost host_;
    FacePainter painter_;
    KeyMap keyMap_;
    InputRouter<Ctl> input_;  // keys, and the image that took the left press
    int DragStartX = 0;
    int DragStartY = 0;
    bool moveByHand_ = false;  // the window system could not move the window
    QRegion shape_;            // the windowed shape; empty for a rectangle
    bool transparent_ = false;
    std::optional<bool> transparencyForced_;
    qreal shapeRatio_ = 1.0;  // the pixel ratio the window shape was worked out for
    bool FullscreenMode = true;
    bool GameMenuOpen = false;
    bool terminationRequested_ = false;
    bool splashScreenTick_ = false;
    QWidget* splashForm_ = nullptr;
    std::unique_ptr<PopupMenu> popup_;
    GameMenu gameMenu_;
};

}  // namespace zx
