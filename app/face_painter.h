// Paints the device face with QPainter: the background, then every visible
// control in drawing order, limited to the area that needs it.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <unordered_map>
#include <vector>

#include "display/face.h"

namespace zx {

// A view of a picture's pixels as a QImage, without copying them.
QImage toQImage(const Picture& p);

class FacePainter {
  public:
    // With a shape (a see-through window), only the shape is painted and the
    // background colour only where it is not the colour key: the rest keeps
    // what the painter's device holds there (clear, in a see-through window).
    void paint(QPainter& painter, const Face& face, const QRect& area,
               const QRegion* shape = nullptr);
    // The whole client area as one image.
    QImage render(const Face& face);
    // The window shape in windowed mode: every pixel not of the colour key.
    QRegion mask(const Face& face);

  private:
    void paintRect(QPainter& painter, const Face& face, const QRect& area, bool fillBackground);
    const QImage& stretched(const Picture& p, QSize size);
    // What painting needs of a picture, worked out once: its pixels as a
    // QImage and, for each tile of kTile x kTile pixels, whether it is all
    // opaque, all clear or mixed.
    struct Seen {
        static constexpr int kTile = 8;
        static constexpr std::uint8_t kOpaque = 1, kClear = 2;
        std::weak_ptr<const Picture> picture;
        QImage image;
        int tilesWide = 0;
        std::vector<std::uint8_t> tiles;
        // True when every tile under r (in picture coordinates) is of the kind.
        bool all(const QRect& r, std::uint8_t kind) const;
    };
    const Seen& seen(const PictureRef& p);

    // The stretched backdrop is scaled once, not on every paint.
    const Picture* stretchedFrom_ = nullptr;
    QImage stretched_;
    std::unordered_map<const Picture*, Seen> seen_;
};

}  // namespace zx
