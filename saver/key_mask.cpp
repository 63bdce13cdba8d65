#include "saver/key_mask.h"

Key_Mask Make_Key_Mask(const Rgb_Image& image, Rgb_Colour key) {
    Key_Mask mask;
    if (image.width <= 0 || image.height <= 0)
        return mask;
    const auto width = static_cast<std::size_t>(image.width);
    const auto height = static_cast<std::size_t>(image.height);
    if (image.rgb.size() < width * height * 3)
        return mask;
    mask.row_bytes = (width + 15) / 16 * 2;
    mask.bits.assign(mask.row_bytes * height, 0);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* pixel = image.rgb.data() + y * width * 3;
        std::uint8_t* row = mask.bits.data() + y * mask.row_bytes;
        for (std::size_t x = 0; x < width; ++x, pixel += 3) {
            if (pixel[0] == key.red && pixel[1] == key.green && pixel[2] == key.blue) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
                mask.any_set = true;
            }
        }
    }
    return mask;
}
