// The core's pictures as Qt images.
#include "windows/picture_image.h"

namespace zx {

QImage toQImage(const Picture& p) {
    // An opaque picture is drawn as a plain copy, with no blending.
    return QImage(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height,
                  qsizetype(p.width) * 4,
                  p.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

}  // namespace zx
