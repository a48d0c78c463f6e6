// TForm1: the device window. It owns the device core, paints its face and
// turns the window system's events into the core's operations.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/aux_windows.h"
#include "app/dialogs.h"
#include "app/face_painter.h"
#include "app/timer_host.h"
#include "config/settings_store.h"
#include "device/device.h"
#include "input/key_map.h"
#include "input/key_repeat.h"
#include "sound/sound_backend.h"
#include "windows/splash.h"

namespace zx {

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

class TForm1 : public QWidget, public SplashHost, private FaceObserver {
    Q_OBJECT
  public:
    explicit TForm1(Form1Deps deps);
    ~TForm1() override;

    Device& device() { return device_; }
    bool fullscreenMode() const { return FullscreenMode; }
    bool terminationRequested() const { return terminationRequested_; }

    // The splash window, shown at the first activation while SplashPending.
    void setSplashForm(QWidget* splash) { splashForm_ = splash; }
    bool SplashPending = true;

    // What the splash window's launch asks of the device window.
    bool Snd_Init(int soundMode) override;
    void setSplashScreenTick(bool on) override { splashScreenTick_ = on; }
    // Puts the window's top-left corner at the screen's centre, clamped at 0.
    void centreOnScreen() override;
    void enterStartupMode() override;
    void terminate() override;
    bool splashScreenTick() const { return splashScreenTick_; }
    // Reloads the skin for the current presentation and reshapes the window.
    void LoadSkinAndApply();

    const KeyMap& keyMap() const { return keyMap_; }
    // The key settings dialog rebinds the keys and rebuilds the hints.
    KeyMap& keyMap() { return keyMap_; }
    void setAuxWindows(AuxWindows* w) { auxWindows_ = w; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void areaChanged(const Rect& r) override;
    void lookChanged() override;
    void applyShape();
    QSize screenSize() const;
    // The topmost visible control under a point of the client area.
    std::optional<Ctl> controlAt(QPoint p) const;
    void updateCursor(QPoint p);
    void im_backgroundMouseDown(Ctl image, QPoint inImage);
    void im_backgroundMouseMove(Ctl image, QPoint inImage);

    Form1Deps deps_;
    Device device_;
    TimerHost host_;
    FacePainter painter_;
    KeyMap keyMap_;
    KeyRepeatFilter keyRepeat_;
    std::optional<Ctl> pressedImage_;  // the image that took the mouse press
    int DragStartX = 0;
    int DragStartY = 0;
    bool FullscreenMode = true;
    bool GameMenuOpen = false;
    bool terminationRequested_ = false;
    bool splashScreenTick_ = false;
    QWidget* splashForm_ = nullptr;
    AuxWindows* auxWindows_ = nullptr;
};

}  // namespace zx
