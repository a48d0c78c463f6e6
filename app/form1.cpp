// Creation, painting and shaping of the device window.
#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "config/gfxinit.h"
#include "windows/game_menu.h"

namespace zx {

static const char* const kTitle = "Zorbanix (Quentrel, Tikkabo) Simulator";

TForm1::TForm1(Form1Deps deps)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      deps_(deps),
      device_(deps.clock, deps.random, deps.sound, deps.settings),
      host_(device_.timers, this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The cursor follows the control under the pointer, held button or not.
    setMouseTracking(true);
    setWindowTitle(QString::fromLatin1(kTitle));
    device_.face.setObserver(this);
    createMenus();
    FormCreate();
}

TForm1::~TForm1() { device_.face.setObserver(nullptr); }

QSize TForm1::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void TForm1::FormCreate() {
    // Off-screen until the launch: the window exists but nobody sees it.
    const QSize screen = screenSize();
    move(-screen.width(), -screen.height());
    // The segment groups and the control table are fixed data of the core.
    FullscreenMode = deps_.settings.ReadBool("FullscreenMode", true);
    menuItem(MenuCommand::Fullscreen)->setChecked(FullscreenMode);
    LoadSkinAndApply();
    GameMenuOpen = false;
    keyMap_.load(deps_.settings);
    keyMap_.UpdateButtonHints();
    GameState& game = device_.game.state;
    game.HiScoreA = storedHiScore(deps_.settings.ReadInteger("HiScore1", game.HiScoreA));
    game.HiScoreB = storedHiScore(deps_.settings.ReadInteger("HiScore2", game.HiScoreB));
    device_.state.KeyHeld = device_.state.GameAHeld = device_.state.GameBHeld = false;
    game.HeroActive = game.ShotReady = false;
}

void TForm1::LoadSkinAndApply() {
    const QSize screen = screenSize();
    SkinContext ctx;
    ctx.configPath = QDir(deps_.programDir).filePath("Config.ini").toStdString();
    ctx.screenWidth = screen.width();
    ctx.screenHeight = screen.height();
    ctx.fullscreen = FullscreenMode;
    const SkinResult result = LoadSkin(device_.face, ctx);
    // The in-game menu's picture is decoded once full-screen mode needs it:
    // its button exists only there.
    if (FullscreenMode && !device_.face[Ctl::btn_game_menu_background].picture)
        device_.face.setPicture(Ctl::btn_game_menu_background, gameMenuPicture());
    applyShape();
    if (result.ok()) return;
    deps_.dialogs.showError(QString::fromStdString(result.message));
    if (result.status == SkinStatus::ConfigMissing) {
        // Ends the program as soon as the event loop runs.
        terminate();
    }
}

void TForm1::applyShape() {
    const WindowLook& look = device_.face.look();
    setFixedSize(look.clientWidth, look.clientHeight);
    if (!look.colourKeyOn) {
        clearMask();
    } else {
        // An empty region would mean "no shape" and show the whole window; a
        // shape that lies outside the window shows none of it.
        const QRegion shape = painter_.mask(device_.face);
        setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
    }
    update();
}

void TForm1::centreOnScreen() {
    const QSize screen = screenSize();
    move(std::max(0, (screen.width() - width()) / 2),
         std::max(0, (screen.height() - height()) / 2));
}

bool TForm1::Snd_Init(int soundMode) { return device_.snd.Snd_Init(soundMode); }

void TForm1::enterStartupMode() {
    host_.sync();
    device_.state.DeviceMode = mode::Startup;
    device_.Gam_Set_Mode();
    raise();
    activateWindow();
}

void TForm1::terminate() {
    terminationRequested_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    // Disabled (key settings open) or left for another window: the release
    // of a held key would go elsewhere.
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        releaseHeldInput();
    QWidget::changeEvent(event);
}

void TForm1::FormActivate() {
    if (!SplashPending) return;
    SplashPending = false;
    if (splashForm_) {
        splashForm_->show();
        splashForm_->raise();
        splashForm_->activateWindow();
    }
}

void TForm1::areaChanged(const Rect& r) { update(QRect(r.x, r.y, r.w, r.h)); }

void TForm1::lookChanged() {
    const WindowLook& look = device_.face.look();
    setFixedSize(look.clientWidth, look.clientHeight);
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    painter_.paint(p, device_.face, event->rect());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Samples and the sound system go first; settings are written as they
    // change, so there is nothing left to save.
    device_.snd.Snd_Close();
    event->accept();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace zx
