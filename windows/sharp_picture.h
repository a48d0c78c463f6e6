// Pictures of the small windows made ready for the screen's pixel ratio.
#pragma once

#include <QImage>
#include <QString>

#include "display/picture.h"

namespace zx {

// The pixel ratio the windows' pictures are prepared for: the highest of
// the screens'.
qreal screenPixelRatio();

// The picture as Qt should draw it at a pixel ratio: at 1 a copy of its own
// pixels; above 1 its sharper twin if it has one, else itself, scaled
// smoothly to the screen pixels it covers, carrying the ratio so that it
// still takes its own size in window coordinates.
QImage atPixelRatio(const Picture& picture, qreal ratio);

}  // namespace zx
