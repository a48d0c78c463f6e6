// Face painting and the window mask.
#include "app/face_painter.h"

namespace zx {

QImage toQImage(const Picture& p) {
    return QImage(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height,
                  qsizetype(p.width) * 4, QImage::Format_ARGB32_Premultiplied);
}

static QRect qrect(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

const QImage& FacePainter::stretched(const Picture& p, QSize size) {
    if (stretchedFrom_ != &p || stretched_.size() != size) {
        stretched_ = toQImage(p).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretchedFrom_ = &p;
    }
    return stretched_;
}

bool FacePainter::opaque(const PictureRef& p) {
    auto it = opaque_.find(p.get());
    // A picture freed and another made at the same address is looked at anew.
    if (it != opaque_.end() && it->second.picture.lock() == p) return it->second.opaque;
    bool all = true;
    for (std::uint32_t px : p->pixels) {
        if ((px >> 24) != 0xFF) {
            all = false;
            break;
        }
    }
    if (opaque_.size() > 512) opaque_.clear();
    opaque_[p.get()] = {p, all};
    return all;
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

static bool drawable(const Control& c) { return c.visible && c.picture && !c.rect.empty(); }

void FacePainter::paint(QPainter& painter, const Face& face, const QRect& area) {
    // Nothing beneath the topmost opaque picture that covers the whole area
    // shows: painting starts there, without the background fill.
    std::size_t first = 0;
    bool covered = false;
    for (std::size_t i = kDrawingOrder.size(); i-- > 0 && !covered;) {
        const Control& c = face[kDrawingOrder[i]];
        if (!drawable(c)) continue;
        const QRect landed = pictureBox(kDrawingOrder[i], c).intersected(qrect(c.rect));
        if (landed.contains(area) && opaque(c.picture)) {
            first = i;
            covered = true;
        }
    }
    if (!covered) painter.fillRect(area, QColor::fromRgb(face.look().background));

    for (std::size_t i = first; i < kDrawingOrder.size(); ++i) {
        const Ctl id = kDrawingOrder[i];
        const Control& c = face[id];
        if (!drawable(c)) continue;
        const QRect landed = pictureBox(id, c);
        const QRect target = landed.intersected(qrect(c.rect)).intersected(area);
        if (target.isEmpty()) continue;
        // The part of the picture under the target, drawn without a clip.
        const QRect source = target.translated(-landed.topLeft());
        if (c.stretch)
            painter.drawImage(target.topLeft(), stretched(*c.picture, landed.size()), source);
        else
            painter.drawImage(target.topLeft(), toQImage(*c.picture), source);
    }
}

QImage FacePainter::render(const Face& face) {
    const WindowLook& look = face.look();
    QImage frame(look.clientWidth, look.clientHeight, QImage::Format_RGB32);
    QPainter painter(&frame);
    paint(painter, face, frame.rect());
    painter.end();
    return frame;
}

QBitmap FacePainter::mask(const Face& face) {
    const QImage frame = render(face);
    return QBitmap::fromImage(frame.createMaskFromColor(face.look().colourKey, Qt::MaskInColor));
}

}  // namespace zx
