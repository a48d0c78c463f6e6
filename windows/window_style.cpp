// Fonts, colours and centring for the small windows.
#include "windows/window_style.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zx {

QFont arialFont(int pixelSize, unsigned style) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underlined);
    return f;
}

void setTextColour(QWidget* w, QRgb colour) {
    QPalette pal = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, QColor(colour));
    w->setPalette(pal);
}

QRgb textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText).rgb(); }

void setBackgroundColour(QWidget* w, QRgb colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(colour));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void centreWindow(QWidget* w) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    w->move(s.x() + std::max(0, (s.width() - w->width()) / 2),
            s.y() + std::max(0, (s.height() - w->height()) / 2));
}

}  // namespace zx
