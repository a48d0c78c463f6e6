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

// Warnings are not printed. A file that ends early would decode with grey
// filling the rest; it is remembered and refused as damaged.
void emitMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF && !err->truncated) {
        err->truncated = true;
        (*cinfo->err->format_message)(cinfo, err->message);
    }
}

// Everything that must survive a longjmp lives on the heap or in plain C
// structs declared before setjmp, so no C++ destructor is skipped.
bool decodeInto(const std::uint8_t* data, std::size_t size, Picture& pic, std::string& error) {
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
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > unsigned(kMaxPictureSide) ||
        cinfo.image_height > unsigned(kMaxPictureSide)) {
        std::snprintf(err.message, sizeof err.message, "Picture is too large (%u x %u pixels)",
                      unsigned(cinfo.image_width), unsigned(cinfo.image_height));
        jpeg_destroy_decompress(&cinfo);
        error = err.message;
        return false;
    }
    // libjpeg-turbo writes opaque pixels straight in the byte order of a
    // native 0xAARRGGBB word.
    cinfo.out_color_space =
        std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    pic.width = int(cinfo.output_width);
    pic.height = int(cinfo.output_height);
    pic.pixels.resize(std::size_t(pic.width) * std::size_t(pic.height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(pic.pixels.data() +
                                                  std::size_t(cinfo.output_scanline) * pic.width);
        jpeg_read_scanlines(&cinfo, &row, 1);
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

DecodeResult decodeJpeg(const std::uint8_t* data, std::size_t size) {
    DecodeResult r;
    r.format = PictureFormat::Jpeg;
    auto pic = std::make_shared<Picture>();
    if (size == 0) {
        r.error = "JPEG image is not valid";
        return r;
    }
    if (!decodeInto(data, size, *pic, r.error)) return r;
    r.picture = std::move(pic);
    return r;
}

}  // namespace zx
