#include "resources/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "ui/errors.h"

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; we jump back to the
// decoder and raise there, so that no C++ exception crosses the C library's frames.
struct Error_Manager {
    jpeg_error_mgr base;
    std::jmp_buf return_to;
};

void On_Fatal_Error(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Error_Manager*>(info->err)->return_to, 1);
}

void Ignore_Message(j_common_ptr) {}

}  // namespace

Rgb_Image Decode_Jpeg(std::span<const std::uint8_t> jfif) {
    Rgb_Image image;
    jpeg_decompress_struct decoder{};
    Error_Manager errors{};
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = &On_Fatal_Error;
    errors.base.output_message = &Ignore_Message;

    if (setjmp(errors.return_to)) {
        const int code = errors.base.msg_code;
        jpeg_destroy_decompress(&decoder);
        ui::Raise(ui::Jpeg_Error_Kind, "JPEG error #" + std::to_string(code));
    }

    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, jfif.data(), static_cast<unsigned long>(jfif.size()));
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);

    image.width = static_cast<int>(decoder.output_width);
    image.height = static_cast<int>(decoder.output_height);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    image.rgb.resize(stride * static_cast<std::size_t>(image.height));
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.rgb.data() + stride * decoder.output_scanline;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return image;
}
