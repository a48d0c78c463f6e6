// The program's icon for the desktop menu: a small picture of the handheld.
#pragma once

#include <QImage>
#include <QString>

namespace zxa {

// The icon drawn at size x size pixels on a transparent square.
QImage paintIcon(int size);

// Writes the icon theme's PNGs, <folder>/<n>x<n>/apps/<name>.png, at every size
// the desktop menus ask for.
void writeIcons(const QString& folder, const QString& name);

}  // namespace zxa
