// Finding, decoding and checking the sharper twins of pictures.
#include "config/twin_picture.h"

#include <filesystem>
#include <system_error>

#include "config/picture_decoder.h"

namespace zx {

std::string twinPathOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return path + "@2x";
    return path.substr(0, dot) + "@2x" + path.substr(dot);
}

PictureRef loadTwin(const Picture& p, std::int64_t maxPixels) {
    if (p.twinPath.empty() || p.width <= 0 || p.height <= 0) return nullptr;
    // Only the exact size is of use; checked before decoding by the budget of
    // exactly that many pixels.
    const std::int64_t w = std::int64_t(p.width) * 2, h = std::int64_t(p.height) * 2;
    if (!withinImageLimits(w, h) || w * h > maxPixels) return nullptr;
    std::error_code ec;
    // A FIFO or a device would block or never end: regular files only.
    if (!std::filesystem::is_regular_file(p.twinPath, ec)) return nullptr;
    DecodeResult r = decodePictureFile(p.twinPath, w * h);
    if (!r.ok() || r.picture->width != w || r.picture->height != h) return nullptr;
    if (p.twinKeyed) clearLowerLeftColour(*r.picture);
    return r.picture;
}

void TwinCache::dropDead() {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->second.picture.expired() ? entries_.erase(it) : std::next(it);
}

std::int64_t TwinCache::pixelsHeld() const {
    std::int64_t total = 0;
    for (const auto& [key, e] : entries_)
        if (e.twin && !e.picture.expired()) total += std::int64_t(e.twin->width) * e.twin->height;
    return total;
}

const Picture* TwinCache::twinOf(const PictureRef& p, std::int64_t pixelsElsewhere) {
    if (!p || p->twinPath.empty()) return nullptr;
    // While the remembered picture lives, no other can share its address.
    if (auto it = entries_.find(p.get()); it != entries_.end() && !it->second.picture.expired())
        return it->second.twin.get();
    dropDead();
    Entry& e = entries_[p.get()];
    e.picture = p;
    e.twin = loadTwin(*p, budget_ - pixelsElsewhere - pixelsHeld());
    return e.twin.get();
}

}  // namespace zx
