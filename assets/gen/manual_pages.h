// The twelve pages of the instruction leaflet, as 345 x 255 24-bit BMP pictures.
#pragma once

#include <QImage>
#include <QString>

namespace zxa {

inline constexpr int kManualPages = 12;

// Page n (1..12) of the leaflet.
QImage manualPage(int n);

// Graphics/Manual/1.bmp ... 12.bmp below dir.
void writeManual(const QString& dir);

}  // namespace zxa
