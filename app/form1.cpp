// Creation, painting and shaping of the device window.
#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/window_system.h"
#include "config/gfxinit.h"
#include "input/button_dispatch.h"
#include "windows/game_menu.h"

namespace zx {

static const char* const kTitle = "Zorbanix (Quentrel, Tikkabo) Simulator";

TForm1::TForm1(Form1Deps deps)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      deps_(deps),
      device_(deps.clock, deps.random, deps.sound, deps.settings),
      host_(device_.timers(), this),
      menus_(device_, *this, [this](MenuCommand c) { runCommand(c); }),
      input_(device_, keyMap_, host_, *this,
             {[this] { return FullscreenMode; }, [this] { btn_game_menu_topClick(); }}),
      launch_(device_, host_, deps.settings,
              {*this, [this] { showPresentation(); },
               [this] { return menuItem(MenuCommand::Splashscreen); }}) {
    // See-through where the device is not, on every desktop that composes
    // windows; it must be set before the native window exists. Elsewhere the
    // window stays opaque and its shape cuts the device out.
    // (A translucent window must not be marked as painting opaque: Qt would
    // take it for an opaque one.)
    if (translucencyShows())
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent);
    // The cursor follows the control under the pointer, held button or not.
    setMouseTracking(true);
    setWindowTitle(QString::fromLatin1(kTitle));
    device_.setFaceObserver(this);
    connect(menus_.pm_0_menu(), &QMenu::aboutToShow, this, &TForm1::pm_0_menuPopup);
    FormCreate();
}

TForm1::~TForm1() { device_.setFaceObserver(nullptr); }

void TForm1::FormCreate() {
    // The window stays hidden until the launch shows it: no window system
    // lets a program keep a shown window out of sight.
    // The segment groups and the control table are fixed data of the core.
    FullscreenMode = deps_.settings.ReadBool("FullscreenMode", true);
    menuItem(MenuCommand::Fullscreen)->setChecked(FullscreenMode);
    LoadSkinAndApply();
    menus_.forget();
    keyMap_.load(deps_.settings);
    keyMap_.UpdateButtonHints();
    pad_.setEnabled(false);  // until the window is shown and active
    device_.loadHiScores();
    device_.clearLatches();
}

void TForm1::LoadSkinAndApply() {
    const QSize screen = LaunchHost::screenSize();
    SkinContext ctx;
    ctx.configPath = QDir(deps_.programDir).filePath("Config.ini").toStdString();
    ctx.screenWidth = screen.width();
    ctx.screenHeight = screen.height();
    ctx.fullscreen = FullscreenMode;
    painter_.releaseTwins();
    const SkinResult result = device_.loadSkin(ctx);
    // The in-game menu's picture is decoded once full-screen mode needs it:
    // its button exists only there.
    if (FullscreenMode && !device_.face()[Ctl::btn_game_menu_background].picture)
        device_.setControlPicture(Ctl::btn_game_menu_background, gameMenuPicture());
    applyShape();
    if (result.ok()) return;
    deps_.dialogs.showError(QString::fromStdString(result.message));
    if (result.status == SkinStatus::ConfigMissing) {
        // Ends the program as soon as the event loop runs.
        terminate();
    }
}

void TForm1::applyShape() {
    const WindowLook& look = device_.face().look();
    setFixedSize(look.clientWidth, look.clientHeight);
    transparent_ = testAttribute(Qt::WA_TranslucentBackground) &&
                   (transparencyForced_ ? *transparencyForced_ : shapeByTransparency());
    if (!look.colourKeyOn) {
        shape_ = QRegion();
        clearMask();
    } else {
        // The mask takes the pointer only over the device everywhere, and
        // cuts the picture where the window's alpha is not looked at. An
        // empty region would mean "no shape" and show the whole window; a
        // shape that lies outside the window shows none of it.
        shapeRatio_ = devicePixelRatio();
        shape_ = painter_.mask(device_.face(), shapeRatio_);
        setMask(shape_.isEmpty() ? QRegion(-1, -1, 1, 1) : shape_);
    }
    update();
}

void TForm1::showPresentation() {
    // The window system's own full-screen state, so that the window manager
    // or compositor lays the window over everything else.
    if (FullscreenMode)
        showFullScreen();
    else
        showNormal();
}

void TForm1::changeEvent(QEvent* event) {
    // Disabled (key settings open) or left for another window: the release
    // of a held key would go elsewhere.
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        input_.releaseHeldInput();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ActivationChange)
        pad_.setEnabled(isEnabled() && isActiveWindow());
    QWidget::changeEvent(event);
}

void TForm1::areaChanged(const Rect& r) { update(QRect(r.x, r.y, r.w, r.h)); }

void TForm1::lookChanged() {
    const WindowLook& look = device_.face().look();
    setFixedSize(look.clientWidth, look.clientHeight);
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // See-through: the colour key's pixels stay clear; elsewhere (full
    // screen, a rectangle, or the window shape cutting) painted as designed.
    const bool cut = transparent_ && device_.face().look().colourKeyOn;
    painter_.paint(p, device_.face(), event->rect(), cut ? &shape_ : nullptr);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Samples and the sound system go first; settings are written as they
    // change, so there is nothing left to save.
    device_.closeSound();
    event->accept();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace zx
