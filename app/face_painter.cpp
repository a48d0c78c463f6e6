// Face painting and the window mask.
#include "app/face_painter.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "config/gfxinit.h"
#include "display/unlit_segments.h"
#include "windows/picture_image.h"

namespace zx {

static QRect qrect(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

FacePainter::FacePainter() : twins_(kMaxFacePixels) {}

const QImage& FacePainter::stretched(const Picture& p, const QImage& source, QSize size) {
    if (stretchedFrom_ != &p || stretched_.size() != size ||
        stretchedSource_ != source.cacheKey()) {
        stretched_ = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretchedFrom_ = &p;
        stretchedSource_ = source.cacheKey();
    }
    return stretched_;
}

void FacePainter::releaseTwins() {
    for (auto& [key, s] : seen_) {
        s.twinLooked = false;
        s.twin = QImage();
    }
    twins_.clear();
    stretchedFrom_ = nullptr;
    stretched_ = QImage();
}

const QImage& FacePainter::twinOf(const PictureRef& p, const Face& face) {
    Seen& s = seen(p);
    if (!s.twinLooked) {
        s.twinLooked = true;
        if (const Picture* twin = twins_.twinOf(p, facePicturePixels(face)))
            s.twin = toQImage(*twin);
    }
    return s.twin;
}

namespace {

// A copy of the image with every pixel of the key colour clear; the image
// itself when it holds none.
QImage keyCleared(const QImage& image, QRgb key) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (row[x] != key) continue;
            if (out.isNull()) out = argb.copy();
            reinterpret_cast<QRgb*>(out.scanLine(y))[x] = 0;
        }
    }
    return out.isNull() ? image : out;
}

}  // namespace

const QImage& FacePainter::smoothSource(const PictureRef& p, const Face& face, bool twin) {
    Seen& s = seen(p);
    const QImage& plain = twin ? s.twin : s.image;
    const WindowLook& look = face.look();
    if (!look.colourKeyOn) return plain;
    // Scaling blends a pixel with its neighbours: a key-coloured one would
    // tint the edge it borders and slip past the window's shape.
    const QRgb key = look.colourKey | 0xFF000000u;
    if (s.keyClearedFor != key) {
        s.keyClearedFor = key;
        s.imageKeyCleared = QImage();
        s.twinKeyCleared = QImage();
    }
    QImage& cleared = twin ? s.twinKeyCleared : s.imageKeyCleared;
    if (cleared.isNull()) cleared = keyCleared(plain, key);
    return cleared;
}

FacePainter::Seen& FacePainter::seen(const PictureRef& p) {
    auto it = seen_.find(p.get());
    // While the remembered picture lives, no other can share its address; a
    // picture freed and another made there is looked at anew.
    if (it != seen_.end() && !it->second.picture.expired()) return it->second;
    if (seen_.size() > 1024) seen_.clear();
    Seen& s = seen_[p.get()];
    s = Seen{};  // nothing of a dead picture at the same address, its twin least of all
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

static PlacedPicture placed(const Control& c) { return {&c.picture, c.rect, c.stretch}; }

// Where a picture lands, before any clipping to the area: at the box's
// corner at its own size, stretched over the box, or for the backdrop
// centred in it; never outside the box.
static QRect pictureBox(Ctl id, const PlacedPicture& c) {
    const QRect box = qrect(c.rect);
    if (c.stretch) return box;
    const Picture& pic = **c.picture;
    QPoint origin = box.topLeft();
    if (id == Ctl::im_backdrop)
        origin += QPoint((box.width() - pic.width) / 2, (box.height() - pic.height) / 2);
    return QRect(origin, QSize(pic.width, pic.height));
}

static QRect pictureBox(Ctl id, const Control& c) { return pictureBox(id, placed(c)); }

// A picture whose box meets the area; plain integer tests, as most controls
// lie elsewhere and this runs for each of them on every paint.
static bool drawnIn(const PlacedPicture& c, const QRect& a) {
    if (!c.picture || !*c.picture || c.rect.empty()) return false;
    const std::int64_t ax = a.x(), ay = a.y();
    return c.rect.x < ax + a.width() && ax < std::int64_t(c.rect.x) + c.rect.w &&
           c.rect.y < ay + a.height() && ay < std::int64_t(c.rect.y) + c.rect.h;
}

static bool drawnIn(const Control& c, const QRect& a) { return c.visible && drawnIn(placed(c), a); }

void FacePainter::paint(QPainter& painter, const Face& face, const QRect& area,
                        const QRegion* shape) {
    const WindowLook& look = face.look();
    const bool keyFill = look.colourKeyOn && look.background == look.colourKey;
    if (shape) {
        // See-through: what is not the device stays clear.
        paintRect(painter, face, area, keyFill ? std::nullopt : std::optional(look.background));
    } else if (keyFill && !maskPass_ && !oneToOne(painter, face)) {
        // A shaped window drawn smoothly: the edges the shape keeps blend
        // with black, not with the key colour around the device.
        paintRect(painter, face, area, rgb(0, 0, 0));
    } else {
        paintRect(painter, face, area, look.background);
    }
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

static qreal pixelRatioOf(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatio() : 1.0;
}

// Screen pixels one to one with picture pixels: pictures are plain copies.
bool FacePainter::oneToOne(const QPainter& painter, const Face& face) {
    return pixelRatioOf(painter) == 1.0 && face.look().device.unscaled();
}

inline void FacePainter::paintOne(QPainter& painter, Ctl id, const PlacedPicture& c,
                                  const Seen& pic, const QImage& image, const QRect& area) {
    const QRect landed = pictureBox(id, c);
    const QRect box = qrect(c.rect);
    if (c.stretch) {
        painter.drawImage(landed.topLeft(), stretched(**c.picture, image, landed.size()));
    } else if (box.contains(landed)) {
        // A picture with nothing to show in the area costs nothing.
        if (!pic.all(area.translated(-landed.topLeft()), Seen::kClear))
            painter.drawImage(landed.topLeft(), image);
    } else {
        const QRect target = landed.intersected(box).intersected(area);
        if (target.isEmpty()) return;
        painter.drawImage(target.topLeft(), image, target.translated(-landed.topLeft()));
    }
}

void FacePainter::paintRect(QPainter& painter, const Face& face, const QRect& area,
                            std::optional<std::uint32_t> fill) {
    const qreal ratio = pixelRatioOf(painter);
    const bool oneToOne = FacePainter::oneToOne(painter, face);
    // Nothing beneath the topmost opaque picture that covers the whole area
    // shows: painting starts there, without the background fill.
    std::size_t first = 0;
    bool covered = false;
    for (std::size_t i = kDrawingOrder.size(); oneToOne && i-- > 0 && !covered;) {
        const Control& c = face[kDrawingOrder[i]];
        if (!drawnIn(c, area)) continue;
        const QRect landed = pictureBox(kDrawingOrder[i], c);
        if (c.stretch || !landed.intersected(qrect(c.rect)).contains(area)) continue;
        if (seen(c.picture).all(area.translated(-landed.topLeft()), Seen::kOpaque)) {
            first = i;
            covered = true;
        }
    }
    if (!covered && fill) painter.fillRect(area, QColor::fromRgb(*fill));

    // One clip for the area, dropped at the end (a saved state costs more
    // than the painting of a segment); a picture that overhangs its box is
    // cut to the box through its source rectangle instead.
    painter.setClipRect(area);
    // Unlit segments show faintly beneath the first LCD segment, never in
    // the window's shape.
    const bool faint = face.look().unlitOpacity > 0 && !maskPass_;
    const std::size_t faintAt = faint ? firstLcdSegmentInDrawingOrder() : kDrawingOrder.size();
    if (!oneToOne) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t i = 0; i < kDrawingOrder.size(); ++i) {
            if (i == faintAt) paintUnlit(painter, face, area, ratio);
            const Ctl id = kDrawingOrder[i];
            if (face[id].visible) paintScaled(painter, face, id, placed(face[id]), ratio, area);
        }
        painter.setClipping(false);
        return;
    }
    // Two runs around the faint pass rather than a test per control: this
    // loop runs on every paint.
    const auto paintFromTo = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const Ctl id = kDrawingOrder[i];
            const Control& c = face[id];
            if (!drawnIn(c, area)) continue;
            const Seen& pic = seen(c.picture);
            paintOne(painter, id, placed(c), pic, pic.image, area);
        }
    };
    if (first <= faintAt && faintAt < kDrawingOrder.size()) {
        paintFromTo(first, faintAt);
        paintUnlit(painter, face, area, ratio);
        paintFromTo(faintAt, kDrawingOrder.size());
    } else {
        paintFromTo(first, kDrawingOrder.size());
    }
    painter.setClipping(false);
}

void FacePainter::paintUnlit(QPainter& painter, const Face& face, const QRect& area, qreal ratio) {
    const bool oneToOne = FacePainter::oneToOne(painter, face);
    const qreal opacity = painter.opacity();
    painter.setOpacity(face.look().unlitOpacity / qreal(100));
    for (Ctl id : lcdSegmentsInDrawingOrder()) {
        const UnlitSegment u = unlitSegment(face, id);
        const PlacedPicture p{u.picture, u.rect, u.stretch};
        // Without the colour key's pixels: a faint blend of the key would
        // tint the LCD. A scaled segment is tested against the area where
        // it lands on the window.
        if (!oneToOne)
            paintScaled(painter, face, id, p, ratio, area);
        else if (drawnIn(p, area))
            paintOne(painter, id, p, seen(*p.picture), smoothSource(*p.picture, face, false), area);
    }
    painter.setOpacity(opacity);
}

void FacePainter::paintScaled(QPainter& painter, const Face& face, Ctl id, const PlacedPicture& c,
                              qreal ratio, const QRect& area) {
    const DeviceView& view = face.look().device;
    const bool device = isDeviceControl(id) && !view.unscaled();
    PlacedPicture onWindow = c;  // where it lands on the window, for the test against the area
    if (device) view.covered(onWindow.rect.x, onWindow.rect.y, onWindow.rect.w, onWindow.rect.h);
    if (!drawnIn(onWindow, area)) return;
    const auto toWindow = [&](const QRect& r) {
        if (!device) return QRectF(r);
        const RectF w = view.toWindow(r.x(), r.y(), r.width(), r.height());
        return QRectF(w.x, w.y, w.w, w.h);
    };
    // Screen pixels per picture pixel decide whether the twin is worth drawing.
    const qreal density = ratio * (device ? view.scale : 1.0);
    int factor = 1;
    if ((ratio > 1.0 || density > 1.5) && !twinOf(*c.picture, face).isNull()) factor = 2;
    const QImage* source = &smoothSource(*c.picture, face, factor == 2);
    const QRect landed = pictureBox(id, c);
    if (c.stretch && !device) {
        // Scaled once to the screen pixels it covers, then copied.
        const QSize pixels(int(std::ceil(landed.width() * ratio)),
                           int(std::ceil(landed.height() * ratio)));
        painter.drawImage(QRectF(landed), stretched(**c.picture, *source, pixels));
        return;
    }
    if (c.stretch) {
        painter.drawImage(toWindow(landed), *source);
        return;
    }
    const QRect shown = landed.intersected(qrect(c.rect));
    if (shown.isEmpty()) return;
    const QRectF from(QPointF(shown.topLeft() - landed.topLeft()) * factor,
                      QSizeF(shown.size()) * factor);
    painter.drawImage(toWindow(shown), *source, from);
}

QImage FacePainter::render(const Face& face, qreal pixelRatio) {
    const WindowLook& look = face.look();
    QImage frame(int(std::ceil(look.clientWidth * pixelRatio)),
                 int(std::ceil(look.clientHeight * pixelRatio)), QImage::Format_RGB32);
    frame.setDevicePixelRatio(pixelRatio);
    QPainter painter(&frame);
    paint(painter, face, QRect(0, 0, look.clientWidth, look.clientHeight));
    painter.end();
    return frame;
}

namespace {

// A band painted at a pixel ratio, brought back to window pixels: a window
// pixel is of the key colour when any screen pixel it covers is.
QImage keyedAtWindowPixels(const QImage& band, QSize size, qreal ratio, QRgb key) {
    QImage out(size, QImage::Format_RGB32);
    const QRgb other = (~key & 0x00FFFFFFu) | 0xFF000000u;
    for (int v = 0; v < size.height(); ++v) {
        const int y0 = int(std::floor(v * ratio));
        const int y1 = std::min(band.height(), int(std::ceil((v + 1) * ratio)));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(v));
        for (int u = 0; u < size.width(); ++u) {
            const int x0 = int(std::floor(u * ratio));
            const int x1 = std::min(band.width(), int(std::ceil((u + 1) * ratio)));
            bool keyed = false;
            for (int y = y0; y < y1 && !keyed; ++y) {
                const QRgb* row = reinterpret_cast<const QRgb*>(band.constScanLine(y));
                for (int x = x0; x < x1 && !keyed; ++x) keyed = row[x] == key;
            }
            line[u] = keyed ? key : other;
        }
    }
    return out;
}

}  // namespace

QRegion FacePainter::mask(const Face& face, qreal pixelRatio) {
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
            if (!c.visible || !c.picture || c.rect.empty()) continue;
            Rect r = c.rect;
            if (isDeviceControl(id)) look.device.covered(r.x, r.y, r.w, r.h);
            bounds |= qrect(r);
        }
        bounds &= client;
    }
    // Rendered a band of rows at a time, so a large window needs no frame of
    // its own size.
    constexpr int kBandRows = 64;
    const QRgb key = look.colourKey | 0xFF000000u;
    QRegion shape;
    QImage band;
    for (int y = bounds.top(); y <= bounds.bottom(); y += kBandRows) {
        const QRect area(bounds.left(), y, bounds.width(),
                         std::min(kBandRows, bounds.bottom() + 1 - y));
        const QSize pixels(int(std::ceil(area.width() * pixelRatio)),
                           int(std::ceil(area.height() * pixelRatio)));
        if (band.size() != pixels) band = QImage(pixels, QImage::Format_RGB32);
        band.setDevicePixelRatio(pixelRatio);
        QPainter painter(&band);
        painter.translate(-area.topLeft());
        maskPass_ = true;
        paint(painter, face, area);
        maskPass_ = false;
        painter.end();
        const QImage keyed =
            pixelRatio == 1.0 ? band : keyedAtWindowPixels(band, area.size(), pixelRatio, key);
        const QBitmap bits =
            QBitmap::fromImage(keyed.createMaskFromColor(look.colourKey, Qt::MaskInColor));
        shape += QRegion(bits).translated(area.topLeft());
    }
    return shape;
}

}  // namespace zx
