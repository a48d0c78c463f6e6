// Fuzz target: one picture decoder, chosen at build time by ZX_FUZZ_DECODER
// (decodePng, decodeJpeg or decodeBmp).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "config/picture_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zx::DecodeResult r = zx::ZX_FUZZ_DECODER(data, size);
    // A result is a picture of the size it claims within the limits, or a message.
    if (r.ok() == !r.error.empty()) std::abort();
    if (r.ok()) {
        const zx::Picture& p = *r.picture;
        if (!zx::withinImageLimits(p.width, p.height) || p.width <= 0 || p.height <= 0 ||
            p.pixels.size() != std::size_t(p.width) * std::size_t(p.height))
            std::abort();
        (void)zx::withLowerLeftTransparent(r.picture);
    }
    return 0;
}
