// Paints the device face with QPainter: the background, then every visible
// control in drawing order, limited to the area that needs it; with an unlit
// opacity, the unlit LCD segments faintly beneath the lit ones.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "config/twin_picture.h"
#include "display/face.h"
#include "windows/picture_image.h"

namespace zx {

// A picture where it is drawn: a control's own, or the faint look of an
// unlit LCD segment (display/unlit_segments.h).
struct PlacedPicture {
    const PictureRef* picture;  // the face's own
    Rect rect;
    bool stretch;
};

// Paints at the pixel density of the painter's device (a window's device
// pixel ratio, or a QImage's) and at the face's device scale: where a picture
// pixel covers more than one screen pixel its sharper twin is drawn if it has
// one, and anything not drawn one to one is scaled smoothly, never
// pixel-doubled. Coordinates stay the face's own.
class FacePainter {
  public:
    FacePainter();
    // With a shape (a see-through window), only the shape is painted and the
    // background colour only where it is not the colour key: the rest keeps
    // what the painter's device holds there (clear, in a see-through window).
    void paint(QPainter& painter, const Face& face, const QRect& area,
               const QRegion* shape = nullptr);
    // The whole client area as one image, at a pixel ratio.
    QImage render(const Face& face, qreal pixelRatio = 1.0);
    // The window shape in windowed mode: every pixel not of the colour key.
    // Above a pixel ratio of 1 a window pixel belongs to the shape only when
    // none of the screen pixels it covers is of the colour key.
    QRegion mask(const Face& face, qreal pixelRatio = 1.0);
    // Lets go of the twins, before the face's pictures are replaced.
    void releaseTwins();

  private:
    // Paints the area over a fill of the colour given (none: what is there stays).
    void paintRect(QPainter& painter, const Face& face, const QRect& area,
                   std::optional<std::uint32_t> fill);
    static bool oneToOne(const QPainter& painter, const Face& face);
    // Paints the picture of control id when the painting is not one to one.
    void paintScaled(QPainter& painter, const Face& face, Ctl id, const PlacedPicture& p,
                     qreal ratio, const QRect& area);
    // The backdrop stretched to a size in screen pixels, from the picture or its twin.
    const QImage& stretched(const Picture& p, const QImage& source, QSize size);
    // What painting needs of a picture, worked out once: its pixels as a
    // QImage and, for each tile of kTile x kTile pixels, whether it is all
    // opaque, all clear or mixed.
    struct Seen {
        static constexpr int kTile = 8;
        static constexpr std::uint8_t kOpaque = 1, kClear = 2;
        std::weak_ptr<const Picture> picture;
        QImage image;
        bool twinLooked = false;
        QImage twin;  // a view of the twin's pixels; null: none
        // For smooth scaling: the picture and its twin with the colour key's
        // pixels made clear, so that no blend of the key reaches the screen.
        std::uint32_t keyClearedFor = 0;  // the key they were made for; 0: none yet
        QImage imageKeyCleared, twinKeyCleared;
        int tilesWide = 0;
        std::vector<std::uint8_t> tiles;
        // True when every tile under r (in picture coordinates) is of the kind.
        bool all(const QRect& r, std::uint8_t kind) const;
    };
    Seen& seen(const PictureRef& p);
    // Paints the picture of control id one to one, from image (its pixels or
    // a copy with the colour key cleared; pic tells where it is clear).
    void paintOne(QPainter& painter, Ctl id, const PlacedPicture& p, const Seen& pic,
                  const QImage& image, const QRect& area);
    // Every unlit LCD segment that meets the area, at the look's unlit opacity.
    void paintUnlit(QPainter& painter, const Face& face, const QRect& area, qreal ratio);
    // The twin of a picture, decoded on first need; null when it has none.
    const QImage& twinOf(const PictureRef& p, const Face& face);
    // The image to scale smoothly for a picture (its twin when twin is set),
    // with the colour key cleared where the look has one.
    const QImage& smoothSource(const PictureRef& p, const Face& face, bool twin);
    QRegion maskAt(const Face& face, qreal pixelRatio);

    // The stretched backdrop is scaled once, not on every paint.
    const Picture* stretchedFrom_ = nullptr;
    qint64 stretchedSource_ = 0;
    QImage stretched_;
    std::unordered_map<const Picture*, Seen> seen_;
    bool maskPass_ = false;  // painting for the window shape, not for the screen
    TwinCache twins_;
};

}  // namespace zx
