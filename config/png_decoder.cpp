// PNG decoding through libpng, with the size and chunk memory of a file bounded.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "config/picture_decoder.h"

namespace zx {

namespace {

// Text and other ancillary chunks are never shown; no chunk may ask for more
// than this, and a file may hold at most kMaxChunks of them.
constexpr png_alloc_size_t kMaxChunkBytes = 1 << 20;
constexpr png_uint_32 kMaxChunks = 128;

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at;
    std::int64_t maxPixels;
    std::jmp_buf jump;
    char message[128];
};

void readBytes(png_structp png, png_bytep out, png_size_t n) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (n > r->size - r->at) png_error(png, "Not enough image data");
    std::memcpy(out, r->data + r->at, n);
    r->at += n;
}

void onError(png_structp png, png_const_charp message) {
    auto* r = static_cast<Reader*>(png_get_error_ptr(png));
    std::snprintf(r->message, sizeof r->message, "%s", message);
    std::longjmp(r->jump, 1);
}

void onWarning(png_structp, png_const_charp) {}

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// Every format comes out as 8-bit straight alpha, four bytes a pixel: on a
// big-endian machine in the order of a native 0xAARRGGBB word, on a
// little-endian one as R, G, B, A (red and blue are swapped afterwards, in
// the same pass that premultiplies, which is cheaper than libpng's swap).
void setTransforms(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info);
    png_set_alpha_mode(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if ((type & PNG_COLOR_MASK_COLOR) == 0) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    png_set_scale_16(png);
    if (!kLittleEndian) png_set_swap_alpha(png);
    png_set_filler(png, 0xFF, kLittleEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Only plain C objects live in this frame, so a longjmp skips no destructor.
// rows is filled once the size is known and accepted.
bool decodeInto(Reader& r, Picture& pic, std::vector<png_bytep>& rows, std::string& error) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, onError, onWarning);
    if (!png) {
        error = "PNG image is not valid";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (setjmp(r.jump)) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = r.message;
        return false;
    }
    if (!info) png_error(png, "PNG image is not valid");
    png_set_read_fn(png, &r, readBytes);
    // Each chunk's CRC already guards the image data; zlib's own checksum
    // over the same bytes would only cost time.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_set_chunk_cache_max(png, kMaxChunks);
    // Chunks that do not change the pixels are skipped unread.
    static const png_byte kIgnored[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0tIME\0hIST\0pHYs\0";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnored, 9);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (!acceptedSize(w, h, r.maxPixels)) {
        std::snprintf(r.message, sizeof r.message, "%s", pictureTooLargeMessage(w, h).c_str());
        png_destroy_read_struct(&png, &info, nullptr);
        error = r.message;
        return false;
    }
    setTransforms(png, info);
    pic.width = int(w);
    pic.height = int(h);
    pic.pixels.resize(std::size_t(w) * h);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = reinterpret_cast<png_bytep>(pic.pixels.data() + std::size_t(y) * w);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

DecodeResult decodePng(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels) {
    DecodeResult result;
    result.format = PictureFormat::Png;
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        result.error = "PNG image is not valid";
        return result;
    }
    Reader reader{data, size, 0, maxPixels, {}, {}};
    auto pic = std::make_shared<Picture>();
    std::vector<png_bytep> rows;
    if (!decodeInto(reader, *pic, rows, result.error)) return result;
    for (auto& p : pic->pixels) {
        if (kLittleEndian) p = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
        p = premultiply(p);
    }
    result.picture = std::move(pic);
    return result;
}

}  // namespace zx
