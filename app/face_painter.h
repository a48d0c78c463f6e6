// Paints the device face with QPainter: the background, then every visible
// control in drawing order, limited to the area that needs it.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <unordered_map>

#include "display/face.h"

namespace zx {

// A view of a picture's pixels as a QImage, without copying them.
QImage toQImage(const Picture& p);

class FacePainter {
  public:
    void paint(QPainter& painter, const Face& face, const QRect& area);
    // The whole client area as one image.
    QImage render(const Face& face);
    // The window shape in windowed mode: everything but the colour key.
    QBitmap mask(const Face& face);

  private:
    const QImage& stretched(const Picture& p, QSize size);
    // True when every pixel of the picture is opaque; remembered per picture.
    bool opaque(const PictureRef& p);

    // The stretched backdrop is scaled once, not on every paint.
    const Picture* stretchedFrom_ = nullptr;
    QImage stretched_;
    struct Opacity {
        std::weak_ptr<const Picture> picture;
        bool opaque = false;
    };
    std::unordered_map<const Picture*, Opacity> opaque_;
};

}  // namespace zx
