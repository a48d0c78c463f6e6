// Sharper twins of pictures: the same picture at twice the width and height,
// in a file named with "@2x" before the extension, decoded on first need.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "display/picture.h"

namespace zx {

// "Graphics/Skin/case.png" gives "Graphics/Skin/case@2x.png".
std::string twinPathOf(const std::string& path);

// Decodes the twin of p, with at most maxPixels pixels. Null when p names
// none, or its file is missing, not a regular file, damaged, beyond the
// limits of any picture or maxPixels, or not exactly twice p's size: p
// itself is drawn then, and nobody is told.
PictureRef loadTwin(const Picture& p, std::int64_t maxPixels = kMaxImagePixels);

// The twins of a set of pictures, each looked for once and kept while its
// picture lives, all within one pixel budget.
class TwinCache {
  public:
    explicit TwinCache(std::int64_t budget) : budget_(budget) {}

    // The twin of p, or null. pixelsElsewhere: what the budget already holds
    // besides the twins (the pictures themselves).
    const Picture* twinOf(const PictureRef& p, std::int64_t pixelsElsewhere);
    // Pixels held by the twins of pictures that still live.
    std::int64_t pixelsHeld() const;
    void clear() { entries_.clear(); }

  private:
    struct Entry {
        std::weak_ptr<const Picture> picture;
        PictureRef twin;  // null: none fit to use
    };
    void dropDead();

    std::int64_t budget_;
    std::unordered_map<const Picture*, Entry> entries_;
};

}  // namespace zx
