// Pictures of the other windows: splash, about box, in-game menu, manual buttons, backdrop and
// logo.
#pragma once

#include <QString>

namespace zxa {

// Graphics/Windows/*.png|jpg and Graphics/Backdrops/tabletop.jpg, logo.png below dir.
void writeWindowPictures(const QString& dir);

}  // namespace zxa
