// Byte-stable file writers: no timestamps, no metadata that varies between builds.
#include "asset_io.h"

#include <png.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace zxa {

namespace {

void makeParent(const QString& path) { QDir().mkpath(QFileInfo(path).absolutePath()); }

// Qt writes the resolution into PNG and JPEG headers; pin it so the bytes never
// depend on a screen or a default that could change.
QImage normalised(const QImage& img, QImage::Format f) {
    QImage out = img.convertToFormat(f);
    out.setDotsPerMeterX(3780);
    out.setDotsPerMeterY(3780);
    return out;
}

void put16(QByteArray& b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); }
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}

}  // namespace

namespace {
int gArtScale = 1;
}

int artScale() { return gArtScale; }

ArtScaleScope::ArtScaleScope(int scale) : previous_(gArtScale) { gArtScale = scale; }
ArtScaleScope::~ArtScaleScope() { gArtScale = previous_; }

QImage artImage(int w, int h, QImage::Format format) {
    QImage img(w * gArtScale, h * gArtScale, format);
    img.setDevicePixelRatio(gArtScale);
    return img;
}

QImage cutOut(const QImage& img, const QRect& r) {
    const int s = int(img.devicePixelRatio());
    QImage part = img.copy(QRect(r.topLeft() * s, r.size() * s));
    part.setDevicePixelRatio(s);
    return part;
}

QString atArtScale(const QString& path) {
    if (gArtScale == 1) return path;
    const int slash = int(path.lastIndexOf('/'));
    const int dot = int(path.lastIndexOf('.'));
    const QString suffix = QStringLiteral("@%1x").arg(gArtScale);
    return dot > slash ? path.left(dot) + suffix + path.mid(dot) : path + suffix;
}

QImage canvas(int w, int h) {
    QImage img = artImage(w, h);
    img.fill(Qt::transparent);
    return img;
}

void saveBytes(const QByteArray& bytes, const QString& path) {
    makeParent(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// PNG by hand: 8-bit RGBA rows with no row filter. The art is flat colour,
// which deflate packs as tightly unfiltered, and a row that needs no
// unfiltering decodes about a third faster at every start of the program.
void savePng(const QImage& img, const QString& givenPath) {
    const QString path = atArtScale(givenPath);
    const QImage rgba = img.convertToFormat(QImage::Format_RGBA8888);
    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed for " + path.toStdString());
    }
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<QByteArray*>(png_get_io_ptr(p))
                ->append(reinterpret_cast<char*>(data), qsizetype(n));
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(rgba.width()), png_uint_32(rgba.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < rgba.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(rgba.constScanLine(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    saveBytes(bytes, path);
}

void saveJpeg(const QImage& img, const QString& givenPath, int quality) {
    const QString path = atArtScale(givenPath);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!normalised(img, QImage::Format_RGB32).save(&buf, "JPG", quality))
        throw std::runtime_error("JPEG encoding failed for " + path.toStdString());
    saveBytes(bytes, path);
}

// BMP by hand: Qt's writer picks the bit depth from the image format, and the
// manual pages must be plain bottom-up 24-bit pictures.
void saveBmp24(const QImage& img, const QString& givenPath) {
    const QString path = atArtScale(givenPath);
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 dataSize = quint32(stride * h);
    QByteArray b;
    b.append("BM");
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);  // no compression
    put32(b, dataSize);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            b.append(char(qBlue(line[x])))
                .append(char(qGreen(line[x])))
                .append(char(qRed(line[x])));
        b.append(QByteArray(stride - w * 3, '\0'));
    }
    saveBytes(b, path);
}

void saveText(const QString& text, const QString& path) {
    QString crlf = text;
    crlf.replace("\r\n", "\n").replace("\n", "\r\n");
    saveBytes(crlf.toUtf8(), path);
}

}  // namespace zxa
