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

void FacePainter::paint(QPainter& painter, const Face& face, const QRect& area) {
    const WindowLook& look = face.look();
    painter.fillRect(area, QColor::fromRgb(look.background));
    for (Ctl id : kDrawingOrder) {
        const Control& c = face[id];
        if (!c.visible || !c.picture || c.rect.empty()) continue;
        const QRect box = qrect(c.rect);
        const QRect visibleBox = box.intersected(area);
        if (visibleBox.isEmpty()) continue;
        const Picture& pic = *c.picture;
        painter.save();
        painter.setClipRect(visibleBox);
        if (c.stretch) {
            painter.drawImage(box.topLeft(), stretched(pic, box.size()));
        } else if (id == Ctl::im_backdrop) {
            // The backdrop sits centred at its own size.
            painter.drawImage(box.x() + (box.width() - pic.width) / 2,
                              box.y() + (box.height() - pic.height) / 2, toQImage(pic));
        } else {
            painter.drawImage(box.topLeft(), toQImage(pic));
        }
        painter.restore();
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
