// Face painting and the window mask.
#include "app/face_painter.h"

#include <algorithm>

namespace zx {

QImage toQImage(const Picture& p) {
    // An opaque picture is drawn as a plain copy, with no blending.
    return QImage(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height,
                  qsizetype(p.width) * 4,
                  p.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

static QRect qrect(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

const QImage& FacePainter::stretched(const Picture& p, QSize size) {
    if (stretchedFrom_ != &p || stretched_.size() != size) {
        stretched_ = toQImage(p).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretchedFrom_ = &p;
    }
    return stretched_;
}

const FacePainter::Seen& FacePainter::seen(const PictureRef& p) {
    auto it = seen_.find(p.get());
    // While the remembered picture lives, no other can share its address; a
    // picture freed and another made there is looked at anew.
    if (it != seen_.end() && !it->second.picture.expired()) return it->second;
    if (seen_.size() > 1024) seen_.clear();
    Seen& s = seen_[p.get()];
    s.picture = p;
    s.image = toQImage(*p);
    // Each tile is opaque, clear or mixed: start from "both" and strike out.
    const int w = std::max(p->width, 0), h = std::max(p->height, 0), t = Seen::kTile;
    s.tilesWide = (w + t - 1) / t;
    s.tiles.assign(std::size_t(s.tilesWide) * ((h + t - 1) / t), Seen::kOpaque | Seen::kClear);
    if (p->opaque && w > 0 && h > 0) {
        std::fill(s.tiles.begin(), s.tiles.end(), Seen::kOpaque);
        return s;
    }
    // Per row and tile: the AND of the pixels tells whether every alpha is
    // 0xFF, their OR whether every alpha is 0.
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = p->pixels.data() + std::size_t(y) * w;
        std::uint8_t* tiles = s.tiles.data() + std::size_t(y / t) * s.tilesWide;
        for (int x0 = 0; x0 < w; x0 += t) {
            std::uint32_t all = ~0u, any = 0;
            for (int x = x0, end = std::min(w, x0 + t); x < end; ++x) {
                all &= row[x];
                any |= row[x];
            }
            std::uint8_t& tile = tiles[x0 / t];
            if (all >> 24 != 0xFF) tile &= ~Seen::kOpaque;
            if (any >> 24 != 0) tile &= ~Seen::kClear;
        }
    }
    return s;
}

bool FacePainter::Seen::all(const QRect& r, std::uint8_t kind) const {
    const int t = kTile, tilesHigh = tilesWide ? int(tiles.size()) / tilesWide : 0;
    if (r.isEmpty() || r.left() < 0 || r.top() < 0) return false;
    if (r.right() / t >= tilesWide || r.bottom() / t >= tilesHigh) return false;
    for (int ty = r.top() / t; ty <= r.bottom() / t; ++ty)
        for (int tx = r.left() / t; tx <= r.right() / t; ++tx)
            if (!(tiles[std::size_t(ty) * tilesWide + tx] & kind)) return false;
    return true;
}

// Where a control's picture lands, before any clipping to the area: at the
// box's corner at its own size, stretched over the box, or for the backdrop
// centred in it; never outside the box.
static QRect pictureBox(Ctl id, const Control& c) {
    const QRect box = qrect(c.rect);
    if (c.stretch) return box;
    const Picture& pic = *c.picture;
    QPoint origin = box.topLeft();
    if (id == Ctl::im_backdrop)
        origin += QPoint((box.width() - pic.width) / 2, (box.height() - pic.height) / 2);
    return QRect(origin, QSize(pic.width, pic.height));
}

// A visible picture whose box meets the area; plain integer tests, as most
// controls lie elsewhere and this runs for each of them on every paint.
static bool drawnIn(const Control& c, const QRect& a) {
    if (!c.visible || !c.picture || c.rect.empty()) return false;
    const std::int64_t ax = a.x(), ay = a.y();
    return c.rect.x < ax + a.width() && ax < std::int64_t(c.rect.x) + c.rect.w &&
           c.rect.y < ay + a.height() && ay < std::int64_t(c.rect.y) + c.rect.h;
}

void FacePainter::paint(QPainter& painter, const Face& face, const QRect& area,
                        const QRegion* shape) {
    const WindowLook& look = face.look();
    paintRect(painter, face, area, !shape || look.background != look.colourKey);
    if (!shape) return;
    // What lies outside the shape is cleared afterwards: cheaper than a clip
    // region, which turns Qt's plain copies of pictures into blending per span.
    // Most areas (a segment) lie inside one rectangle of the shape.
    for (const QRect& r : *shape)
        if (r.contains(area)) return;
    const QRegion outside = QRegion(area) - *shape;
    if (outside.isEmpty()) return;
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : outside) painter.fillRect(r, Qt::transparent);
    painter.setCompositionMode(mode);
}

void FacePainter::paintRect(QPainter& painter, const Face& face, const QRect& area,
                            bool fillBackground) {
    // Nothing beneath the topmost opaque picture that covers the whole area
    // shows: painting starts there, without the background fill.
    std::size_t first = 0;
    bool covered = false;
    for (std::size_t i = kDrawingOrder.size(); i-- > 0 && !covered;) {
        const Control& c = face[kDrawingOrder[i]];
        if (!drawnIn(c, area)) continue;
        const QRect landed = pictureBox(kDrawingOrder[i], c);
        if (c.stretch || !landed.intersected(qrect(c.rect)).contains(area)) continue;
        if (seen(c.picture).all(area.translated(-landed.topLeft()), Seen::kOpaque)) {
            first = i;
            covered = true;
        }
    }
    if (!covered && fillBackground) painter.fillRect(area, QColor::fromRgb(face.look().background));

    // One clip for the area, dropped at the end (a saved state costs more
    // than the painting of a segment); a picture that overhangs its box is
    // cut to the box through its source rectangle instead.
    painter.setClipRect(area);
    for (std::size_t i = first; i < kDrawingOrder.size(); ++i) {
        const Ctl id = kDrawingOrder[i];
        const Control& c = face[id];
        if (!drawnIn(c, area)) continue;
        const QRect landed = pictureBox(id, c);
        const QRect box = qrect(c.rect);
        if (c.stretch) {
            painter.drawImage(landed.topLeft(), stretched(*c.picture, landed.size()));
        } else if (box.contains(landed)) {
            // A picture with nothing to show in the area costs nothing.
            const Seen& pic = seen(c.picture);
            if (!pic.all(area.translated(-landed.topLeft()), Seen::kClear))
                painter.drawImage(landed.topLeft(), pic.image);
        } else {
            const QRect target = landed.intersected(box).intersected(area);
            if (target.isEmpty()) continue;
            painter.drawImage(target.topLeft(), seen(c.picture).image,
                              target.translated(-landed.topLeft()));
        }
    }
    painter.setClipping(false);
}

QImage FacePainter::render(const Face& face) {
    const WindowLook& look = face.look();
    QImage frame(look.clientWidth, look.clientHeight, QImage::Format_RGB32);
    QPainter painter(&frame);
    paint(painter, face, frame.rect());
    painter.end();
    return frame;
}

QRegion FacePainter::mask(const Face& face) {
    const WindowLook& look = face.look();
    const QRect client(0, 0, look.clientWidth, look.clientHeight);
    // Only pictures can hold a colour other than the key when the background
    // is the key itself: the shape lies within their rectangles.
    QRect bounds;
    if (look.background != look.colourKey) {
        bounds = client;
    } else {
        for (Ctl id : kDrawingOrder) {
            const Control& c = face[id];
            if (c.visible && c.picture && !c.rect.empty()) bounds |= qrect(c.rect);
        }
        bounds &= client;
    }
    // Rendered a band of rows at a time, so a large window needs no frame of
    // its own size.
    constexpr int kBandRows = 64;
    QRegion shape;
    QImage band;
    for (int y = bounds.top(); y <= bounds.bottom(); y += kBandRows) {
        const QRect area(bounds.left(), y, bounds.width(),
                         std::min(kBandRows, bounds.bottom() + 1 - y));
        if (band.size() != area.size()) band = QImage(area.size(), QImage::Format_RGB32);
        QPainter painter(&band);
        painter.translate(-area.topLeft());
        paint(painter, face, area);
        painter.end();
        const QBitmap bits =
            QBitmap::fromImage(band.createMaskFromColor(look.colourKey, Qt::MaskInColor));
        shape += QRegion(bits).translated(area.topLeft());
    }
    return shape;
}

}  // namespace zx
