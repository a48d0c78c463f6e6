// Writers for the generated files: PNG, JPEG, 24-bit BMP and plain text, all byte-stable.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zxa {

// The scale the pictures are drawn at: 1, or 2 for the sharper set. At 2 the
// picture writers put "@2x" before the extension of the file name they are
// given. Layout stays in 1x pixels at either scale.
int artScale();
class ArtScaleScope {
  public:
    explicit ArtScaleScope(int scale);
    ~ArtScaleScope();
    ArtScaleScope(const ArtScaleScope&) = delete;
    ArtScaleScope& operator=(const ArtScaleScope&) = delete;

  private:
    int previous_;
};
// A picture of w x h 1x pixels at the art scale: a QPainter on it draws in
// 1x coordinates.
QImage artImage(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied);
// The part r (in 1x pixels) of a picture drawn by artImage.
QImage cutOut(const QImage& img, const QRect& r);
// The file name at the art scale: "a/b.png" or "a/b@2x.png".
QString atArtScale(const QString& path);

// Every writer creates missing parent folders and throws std::runtime_error on failure,
// so a broken build step never leaves a half-written asset set behind silently.
void savePng(const QImage& img, const QString& path);
void saveJpeg(const QImage& img, const QString& path, int quality = 90);
void saveBmp24(const QImage& img, const QString& path);
void saveBytes(const QByteArray& bytes, const QString& path);
// Text files use CRLF line ends so that every desktop editor shows them right.
void saveText(const QString& text, const QString& path);

// A transparent ARGB canvas to paint on, at the art scale.
QImage canvas(int w, int h);

}  // namespace zxa
