// Paints the device face with QPainter: the background, then every visible
// control in drawing order, limited to the area that needs it.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "display/face.h"

namespace zx {

// A view of a picture's pixels as a QImage, without copying them.
QImage toQImage(const Picture& p);

class FacePainter {
  public:
    void paint(QPainter& painter, const Face& face, const QRect& area);
    // The whole client area as one image.
    QImage render(const Face& face);
    // The window shape in windowed mode: every pixel not of the colour key.
    QRegion mask(const Face& face);

  private:
    const QImage& stretched(const Picture& p, QSize size);

    // The stretched backdrop is scaled once, not on every paint.
    const Picture* stretchedFrom_ = nullptr;
    QImage stretched_;
};

}  // namespace zx
