// The pictures of the splash window and the clickable label its links and buttons use.
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

namespace zx {

// A label that reports a left click released inside it, as picture buttons
// and links do. A disabled label reports nothing.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// The splash window's colours.
inline constexpr QRgb kSplashDarkBlue = qRgb(8, 41, 82);
inline constexpr QRgb kSplashMidBlue = qRgb(24, 82, 148);
inline constexpr QRgb kSplashCheckBoxBlue = qRgb(8, 42, 82);

// Each picture is read from Graphics/Windows/ below the current directory;
// when its file is missing or damaged a plain stand-in of the same size is
// drawn, so the window stays usable with an incomplete installation.
QImage splashBackground();               // 460 x 420, four horizontal bands
QImage splashBoxPicture();               // 200 x 116
QImage splashPlayPicture(bool enabled);  // 107 x 30, blue or grey
QImage splashDonatePicture();            // 107 x 30

// The four bands drawn in code: dark blue, medium blue, white, dark blue.
QImage drawSplashBands();

// A picture file decoded by the program's own decoders, or a null image.
QImage loadWindowPicture(const QString& relativePath);

}  // namespace zx
