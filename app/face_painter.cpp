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

QBitmap FacePainter::mask(const Face& face) {
    const QImage frame = render(face);
    return QBitmap::fromImage(frame.createMaskFromColor(face.look().colourKey, Qt::MaskInColor));
}

}  // namespace zx
