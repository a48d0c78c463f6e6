// Writers for the generated files: PNG, JPEG, 24-bit BMP and plain text, all byte-stable.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zxa {

// Every writer creates missing parent folders and throws std::runtime_error on failure,
// so a broken build step never leaves a half-written asset set behind silently.
void savePng(const QImage& img, const QString& path);
void saveJpeg(const QImage& img, const QString& path, int quality = 90);
void saveBmp24(const QImage& img, const QString& path);
void saveBytes(const QByteArray& bytes, const QString& path);
// Text files use CRLF line ends so that every desktop editor shows them right.
void saveText(const QString& text, const QString& path);

// A transparent ARGB canvas to paint on.
QImage canvas(int w, int h);

}  // namespace zxa
