// The manual viewer: pages, arrows and close button anchored to the edges, keys, clicks, drag.
#include "windows/manual.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "input/qt/qt_key_translation.h"
#include "windows/dialogs.h"
#include "windows/sharp_picture.h"
#include "windows/splash_art.h"
#include "windows/window_style.h"

namespace zx {

namespace {

constexpr int kButtonW = 16, kButtonH = 14, kMargin = 4;
constexpr std::uint16_t kVkEscape = 27, kVkLeft = 37, kVkRight = 39;

enum class Glyph { None, Left, Right, Close };

// Each control: the edges it keeps its distance to, and its picture.
struct Place {
    bool right, bottom;  // measured from the right / bottom edge, else from left / top
    Glyph glyph;
    bool pressedLook;
    const char* file;
};
constexpr Place kPlaces[kManualCtlCount] = {
    {true, true, Glyph::Right, true, "manual_right_down.png"},
    {false, true, Glyph::Left, true, "manual_left_down.png"},
    {true, false, Glyph::Close, true, "manual_close_down.png"},
    {false, false, Glyph::None, false, nullptr},  // sh_page_top: the whole client area
    {true, false, Glyph::Close, false, "manual_close_up.png"},
    {true, true, Glyph::Right, false, "manual_right_up.png"},
    {false, true, Glyph::Left, false, "manual_left_up.png"},
};

const Place& placeOf(ManualCtl c) { return kPlaces[std::size_t(c)]; }

// A plain button face drawn in code when the bundled picture is missing.
QImage drawButton(Glyph g, bool pressed) {
    QImage img(kButtonW, kButtonH, QImage::Format_ARGB32_Premultiplied);
    img.fill(pressed ? QColor(120, 140, 170) : QColor(210, 220, 236));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 72, 96));
    p.drawRect(0, 0, kButtonW - 1, kButtonH - 1);
    p.setPen(QPen(pressed ? Qt::white : QColor(8, 41, 82), 1.6));
    if (g == Glyph::Close) {
        p.drawLine(QPointF(4.5, 3.5), QPointF(11.5, 10.5));
        p.drawLine(QPointF(4.5, 10.5), QPointF(11.5, 3.5));
        return img;
    }
    const qreal d = g == Glyph::Left ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(8 + 4 * d, 7);
    arrow.lineTo(8 - 3 * d, 2.5);
    arrow.lineTo(8 - 3 * d, 11.5);
    arrow.closeSubpath();
    p.fillPath(arrow, p.pen().color());
    return img;
}

bool isUpButton(ManualCtl c) {
    return c == ManualCtl::btn_left_up || c == ManualCtl::btn_right_up ||
           c == ManualCtl::btn_close_up;
}

}  // namespace

TManualForm::TManualForm(const std::string& configPath, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      input_({nullptr,
              // A held key's repeated presses only repeat the pressed look.
              [this](std::uint16_t vk, bool) { FormKeyDown(vk); },
              [this](std::uint16_t vk) { FormKeyUp(vk); },
              [this](QPoint p) { return controlAt(p); },
              [this](ManualCtl c, QPoint p) { controlPressed(c, p); },
              [this](ManualCtl c, QPoint) { controlReleased(c); }}) {
    setWindowTitle(QStringLiteral("Manual"));
    // The page is painted whole into Qt's back buffer: a page change does not flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    visible_.fill(true);
    visible_[std::size_t(ManualCtl::btn_left_down)] = false;
    visible_[std::size_t(ManualCtl::btn_left_up)] = false;
    FormCreate(configPath, dialogs);
}

void TManualForm::FormCreate(const std::string& configPath, Dialogs& dialogs) {
    layout_ = ReadManualLayout(configPath);
    dialogs_ = &dialogs;
    // A size of 0 would leave nothing to see or click.
    setFixedSize(std::max(1, layout_.clientWidth), std::max(1, layout_.clientHeight));
}

// The pictures are decoded when the viewer is first needed, not at start-up:
// most runs never open it.
void TManualForm::loadPictures() {
    if (loaded_) return;
    loaded_ = true;
    for (int i = 0; i < kManualCtlCount; ++i) {
        const Place& pl = kPlaces[i];
        if (!pl.file) continue;
        pictures_[std::size_t(i)] =
            loadWindowPicture(QStringLiteral("Graphics/Windows/") + pl.file);
        if (pictures_[std::size_t(i)].isNull())
            pictures_[std::size_t(i)] = drawButton(pl.glyph, pl.pressedLook);
    }
    pages_ = LoadManualPages(layout_);
    for (int i = 0; i < kManualPageCount; ++i)
        if (const PictureRef& pic = pages_.pages[std::size_t(i)])
            ManualPages_[std::size_t(i)] = atPixelRatio(*pic, screenPixelRatio());
    if (!pages_.error.empty()) dialogs_->showError(QString::fromStdString(pages_.error));
}

void TManualForm::open() {
    loadPictures();
    if (!shownBefore_) centreWindow(this);
    shownBefore_ = true;
    show();
    raise();
    activateWindow();
}

QRect TManualForm::rectOf(ManualCtl c) const {
    if (c == ManualCtl::sh_page_top) return rect();
    const Place& pl = placeOf(c);
    return QRect(pl.right ? width() - kMargin - kButtonW : kMargin,
                 pl.bottom ? height() - kMargin - kButtonH : kMargin, kButtonW, kButtonH);
}

void TManualForm::setVisible(ManualCtl c, bool on) {
    if (visible_[std::size_t(c)] == on) return;
    visible_[std::size_t(c)] = on;
    update(rectOf(c));
}

void TManualForm::Vid_Show_Page() {
    loadPictures();
    pageTop_ = ManualPages_[std::size_t(ManualPage - 1)];
    if (ManualPage == 1) {
        setVisible(ManualCtl::btn_left_down, false);
        setVisible(ManualCtl::btn_left_up, false);
    } else if (ManualPage == kManualPageCount) {
        setVisible(ManualCtl::btn_right_down, false);
        setVisible(ManualCtl::btn_right_up, false);
    } else {
        for (ManualCtl c : {ManualCtl::btn_left_down, ManualCtl::btn_left_up,
                            ManualCtl::btn_right_down, ManualCtl::btn_right_up})
            setVisible(c, true);
    }
    update();
}

void TManualForm::Inp_left_down() { setVisible(ManualCtl::btn_left_up, false); }
void TManualForm::Inp_right_down() { setVisible(ManualCtl::btn_right_up, false); }
void TManualForm::Inp_esc_down() { setVisible(ManualCtl::btn_close_up, false); }

// A click and a key can both be under way on one arrow; the page stays within the manual.
void TManualForm::Inp_left_up() {
    ManualPage = std::max(1, ManualPage - 1);
    Vid_Show_Page();
}

void TManualForm::Inp_right_up() {
    ManualPage = std::min(kManualPageCount, ManualPage + 1);
    Vid_Show_Page();
}

void TManualForm::Inp_esc_up() {
    setVisible(ManualCtl::btn_close_up, true);
    close();
}

void TManualForm::showEvent(QShowEvent* event) {
    Vid_Show_Page();
    QWidget::showEvent(event);
}

void TManualForm::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, pageTop_);  // at its own size from the top-left corner
    for (int i = 0; i < kManualCtlCount; ++i)
        if (visible_[std::size_t(i)] && !pictures_[std::size_t(i)].isNull())
            p.drawImage(rectOf(ManualCtl(i)).topLeft(), pictures_[std::size_t(i)]);
}

void TManualForm::FormKeyDown(int vk) {
    if (vk == kVkEscape) Inp_esc_down();
    if (vk == kVkLeft && ManualPage > 1) Inp_left_down();
    if (vk == kVkRight && ManualPage < kManualPageCount) Inp_right_down();
}

void TManualForm::FormKeyUp(int vk) {
    if (vk == kVkEscape) Inp_esc_up();
    if (vk == kVkLeft && ManualPage > 1) Inp_left_up();
    if (vk == kVkRight && ManualPage < kManualPageCount) Inp_right_up();
}

// A held key's repeated presses only repeat the pressed look; a page turns
// once, on the real release.
void TManualForm::keyPressEvent(QKeyEvent* event) { input_.keyPress(*event); }
void TManualForm::keyReleaseEvent(QKeyEvent* event) { input_.keyRelease(*event); }

void TManualForm::focusOutEvent(QFocusEvent* event) {
    input_.takeHeldKeys();  // releases of keys held now go to another window
    QWidget::focusOutEvent(event);
}

std::optional<ManualCtl> TManualForm::controlAt(QPoint p) const {
    // Pressed-look images lie beneath the shape: the shape takes their presses.
    for (ManualCtl c : {ManualCtl::btn_left_up, ManualCtl::btn_right_up, ManualCtl::btn_close_up,
                        ManualCtl::sh_page_top})
        if (visible(c) && rectOf(c).contains(p)) return c;
    return std::nullopt;
}

void TManualForm::mousePressEvent(QMouseEvent* event) { input_.mousePress(*event); }

void TManualForm::controlPressed(ManualCtl c, QPoint p) {
    switch (c) {
        case ManualCtl::btn_left_up:
            Inp_left_down();
            break;
        case ManualCtl::btn_right_up:
            Inp_right_down();
            break;
        case ManualCtl::btn_close_up:
            Inp_esc_down();
            break;
        default:
            dragStart_ = p;  // the shape covers the client area from its corner
            break;
    }
}

void TManualForm::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || input_.held() != ManualCtl::sh_page_top) return;
    // The shape moves with the window, so the pointer keeps its place on the page.
    const QPoint p = event->position().toPoint();
    move(x() + p.x() - dragStart_.x(), y() + p.y() - dragStart_.y());
}

// The release belongs to the control that took the press, though it is hidden now.
void TManualForm::mouseReleaseEvent(QMouseEvent* event) { input_.mouseRelease(*event); }

void TManualForm::controlReleased(ManualCtl c) {
    if (!isUpButton(c)) return;
    if (c == ManualCtl::btn_left_up) Inp_left_up();
    if (c == ManualCtl::btn_right_up) Inp_right_up();
    if (c == ManualCtl::btn_close_up) Inp_esc_up();
}

}  // namespace zx
