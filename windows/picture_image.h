// The core's pictures as Qt images.
#pragma once

#include <QImage>

#include "display/picture.h"

namespace zx {

// A view of a picture's pixels as a QImage, without copying them.
QImage toQImage(const Picture& p);

}  // namespace zx
