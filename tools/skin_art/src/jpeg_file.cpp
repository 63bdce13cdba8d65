#include "jpeg_file.hpp"

// jpeglib.h needs FILE and size_t declared first.
#include <cstdio>

#include <jpeglib.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace skin_art {

namespace {

[[noreturn]] void throw_error(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("JPEG encoder: ") + message);
}

struct CompressRelease {
    void operator()(jpeg_compress_struct* c) const { jpeg_destroy_compress(c); }
};

struct BufferRelease {
    void operator()(unsigned char* p) const { std::free(p); }
};

}  // namespace

std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality) {
    jpeg_error_mgr errors{};
    jpeg_compress_struct info{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = throw_error;
    jpeg_create_compress(&info);
    const std::unique_ptr<jpeg_compress_struct, CompressRelease> guard(&info);

    unsigned char* raw = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &raw, &size);
    // The encoder may reallocate the buffer; it is ours to free once encoding has ended.
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;  // still baseline: only the Huffman tables are tuned
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(image.width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, static_cast<int>(info.next_scanline));
            row[std::size_t(x) * 3] = c.r;
            row[std::size_t(x) * 3 + 1] = c.g;
            row[std::size_t(x) * 3 + 2] = c.b;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    const std::unique_ptr<unsigned char, BufferRelease> buffer(raw);
    return {raw, raw + size};
}

std::vector<std::uint8_t> encode_jpeg_sized(const Image& image, std::size_t min_bytes,
                                            std::size_t max_bytes) {
    const std::size_t target = (min_bytes + max_bytes) / 2;
    std::vector<std::uint8_t> best;
    std::size_t best_miss = SIZE_MAX;
    for (int quality = 10; quality <= 98; ++quality) {
        std::vector<std::uint8_t> bytes = encode_jpeg(image, quality);
        if (bytes.size() < min_bytes || bytes.size() > max_bytes) {
            continue;
        }
        const std::size_t miss =
            bytes.size() > target ? bytes.size() - target : target - bytes.size();
        if (miss < best_miss) {
            best_miss = miss;
            best = std::move(bytes);
        }
    }
    if (best.empty()) {
        throw std::runtime_error("no JPEG quality gives a file of the wanted size");
    }
    return best;
}

}  // namespace skin_art
