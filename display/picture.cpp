// The missing-picture marker.
#include "display/picture.h"

namespace zx {

PictureRef missingPictureMarker() {
    auto p = std::make_shared<Picture>();
    p->width = 10;
    p->height = 10;
    p->pixels.resize(100);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool border = x == 0 || y == 0 || x == 9 || y == 9;
            p->pixels[std::size_t(y) * 10 + x] = border ? rgb(0, 0, 0) : rgb(255, 0, 0);
        }
    return p;
}

}  // namespace zx
