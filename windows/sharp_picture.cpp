// Twins and smooth scaling for the pictures of the small windows.
#include "windows/sharp_picture.h"

#include <QGuiApplication>
#include <cmath>

#include "config/twin_picture.h"
#include "windows/picture_image.h"

namespace zx {

qreal screenPixelRatio() { return qApp ? qApp->devicePixelRatio() : 1.0; }

QImage atPixelRatio(const Picture& picture, qreal ratio) {
    if (ratio <= 1.0) return toQImage(picture).copy();
    const PictureRef twin = loadTwin(picture);
    const QImage source = toQImage(twin ? *twin : picture);
    const QSize pixels(int(std::lround(picture.width * ratio)),
                       int(std::lround(picture.height * ratio)));
    QImage out = source.size() == pixels
                     ? source.copy()
                     : source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(ratio);
    return out;
}

}  // namespace zx
