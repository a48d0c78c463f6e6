// Splash pictures from Graphics/Windows/, with stand-ins drawn in code.
#include "windows/splash_art.h"

#include <QMouseEvent>
#include <QPainter>
#include <filesystem>

#include "config/picture_decoder.h"
#include "config/twin_picture.h"
#include "windows/sharp_picture.h"

namespace zx {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

QImage loadWindowPicture(const QString& relativePath) {
    const std::string path = relativePath.toStdString();
    std::error_code ec;
    // A FIFO or a device in its place would block or never end.
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    const DecodeResult r = decodePictureFile(path);
    if (!r.ok()) return {};
    r.picture->twinPath = twinPathOf(path);
    // A copy, so that the image owns its pixels, at the screen's pixel ratio.
    return atPixelRatio(*r.picture, screenPixelRatio());
}

namespace {

struct Band {
    int firstRow, lastRow;
    QRgb colour;
};

constexpr Band kBands[] = {
    {0, 51, kSplashDarkBlue},
    {52, 219, kSplashMidBlue},
    {220, 379, qRgb(255, 255, 255)},
    {380, 419, kSplashDarkBlue},
};

QImage orStandIn(const QString& file, QImage (*draw)()) {
    QImage img = loadWindowPicture(QStringLiteral("Graphics/Windows/") + file);
    return img.isNull() ? draw() : img;
}

QFont standInFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// A rounded button face with a centred word.
QImage drawPill(QColor fill, QColor border, const QString& word) {
    QImage img(107, 30, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, 105, 28), 8, 8);
    p.setPen(Qt::white);
    p.setFont(standInFont(14));
    p.drawText(img.rect(), Qt::AlignCenter, word);
    return img;
}

QImage drawBoxStandIn() {
    QImage img(200, 116, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(230, 230, 235));
    QPainter p(&img);
    p.setPen(QPen(QColor(kSplashDarkBlue), 3));
    p.drawRect(QRect(1, 1, 197, 113));
    p.setPen(QColor(kSplashDarkBlue));
    p.setFont(standInFont(20));
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Zorbanix"));
    return img;
}

QImage drawPlayBlue() { return drawPill(QColor(70, 140, 220), QColor(kSplashMidBlue), "Play"); }
QImage drawPlayGrey() { return drawPill(QColor(170, 170, 170), QColor(120, 120, 120), "Play"); }
QImage drawDonate() { return drawPill(QColor(255, 196, 57), QColor(200, 140, 20), "Donate"); }

}  // namespace

QImage drawSplashBands() {
    QImage img(460, 420, QImage::Format_RGB32);
    QPainter p(&img);
    for (const Band& b : kBands)
        p.fillRect(0, b.firstRow, img.width(), b.lastRow - b.firstRow + 1, QColor(b.colour));
    return img;
}

QImage splashBackground() { return orStandIn("splash_background.png", drawSplashBands); }
QImage splashBoxPicture() { return orStandIn("splash_box.jpg", drawBoxStandIn); }
QImage splashPlayPicture(bool enabled) {
    return enabled ? orStandIn("splash_play_blue.png", drawPlayBlue)
                   : orStandIn("splash_play_grey.png", drawPlayGrey);
}
QImage splashDonatePicture() { return orStandIn("splash_donate.png", drawDonate); }

}  // namespace zx
