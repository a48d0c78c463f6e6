// JPEG decoding through libjpeg, with errors turned into messages.
#include <bit>
#include <csetjmp>
#include <cstdio>

// libjpeg needs <cstdio> first.
#include <jerror.h>
#include <jpeglib.h>

#include "config/picture_decoder.h"

namespace zx {

namespace {

// libjpeg's default error handler calls exit(); this one jumps back to the
// decoder with the formatted message instead.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are not printed. A file whose image data ends early, at the end
// of the file or at a marker, would decode with grey filling the rest; it is
// remembered and refused as damaged.
void emitMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    const int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) && !err->truncated) {
        err->truncated = true;
        (*cinfo->err->format_message)(cinfo, err->message);
    }
}

// Enough for the largest picture's coefficients and rows, and no more.
constexpr long kMaxDecoderMemory = 256L << 20;

// Converts a row of CMYK samples, four bytes per pixel, into opaque ARGB in
// place. Files written by Adobe's programs store the inks inverted.
void cmykToArgb(std::uint32_t* row, int width, bool inverted) {
    auto* bytes = reinterpret_cast<const std::uint8_t*>(row);
    for (int x = 0; x < width; ++x) {
        const std::uint8_t* s = bytes + 4 * std::size_t(x);
        std::uint32_t c = s[0], m = s[1], y = s[2], k = s[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        row[x] = rgb(int((c * k + 127) / 255), int((m * k + 127) / 255), int((y * k + 127) / 255));
    }
}

// Everything that must survive a longjmp lives on the heap or in plain C
// structs declared before setjmp, so no C++ destructor is skipped.
bool decodeInto(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels, Picture& pic,
                std::string& error) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.emit_message = emitMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = err.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    // Progressive files keep every coefficient in memory; beyond this the
    // decoder fails with its "insufficient memory" message.
    cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_read_header(&cinfo, TRUE);
    if (!acceptedSize(cinfo.image_width, cinfo.image_height, maxPixels)) {
        std::snprintf(err.message, sizeof err.message, "%s",
                      pictureTooLargeMessage(cinfo.image_width, cinfo.image_height).c_str());
        jpeg_destroy_decompress(&cinfo);
        error = err.message;
        return false;
    }
    // libjpeg-turbo writes opaque pixels straight in the byte order of a
    // native 0xAARRGGBB word. Four-channel files come out as CMYK, which is
    // converted in place.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    if (cmyk)
        cinfo.out_color_space = JCS_CMYK;
    else
        cinfo.out_color_space =
            std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    pic.opaque = true;
    pic.width = int(cinfo.output_width);
    pic.height = int(cinfo.output_height);
    pic.pixels.resize(std::size_t(pic.width) * std::size_t(pic.height));
    while (cinfo.output_scanline < cinfo.output_height) {
        std::uint32_t* out = pic.pixels.data() + std::size_t(cinfo.output_scanline) * pic.width;
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out);
        jpeg_read_scanlines(&cinfo, &row, 1);
        if (cmyk) cmykToArgb(out, pic.width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (err.truncated) {
        error = err.message;
        return false;
    }
    return true;
}

}  // namespace

DecodeResult decodeJpeg(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels) {
    DecodeResult r;
    r.format = PictureFormat::Jpeg;
    auto pic = std::make_shared<Picture>();
    if (size == 0) {
        r.error = "JPEG image is not valid";
        return r;
    }
    if (!decodeInto(data, size, maxPixels, *pic, r.error)) return r;
    r.picture = std::move(pic);
    return r;
}

}  // namespace zx
