#include "skin_compose.hpp"

namespace skin_art {

KeyedImage compose(const std::vector<Layer>& bottom_first, int width, int height) {
    KeyedImage out{Image(width, height), std::vector<std::uint8_t>(std::size_t(width) * height)};
    for (const Layer& layer : bottom_first) {
        const Image& p = *layer.picture;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                const int wx = layer.at.x + x, wy = layer.at.y + y;
                if (wx < 0 || wy < 0 || wx >= width || wy >= height) {
                    continue;
                }
                const Rgb c = p.at(x, y);
                if (c == layer.transparent) {
                    continue;
                }
                out.colours.at(wx, wy) = c;
                out.drawn[std::size_t(wy) * width + wx] = 1;
            }
        }
    }
    return out;
}

std::vector<Layer> skin_layers(const PictureLookup& lookup, int left_variant, int right_variant) {
    std::vector<Layer> layers;
    const Image& ball = lookup("BALL_SHATO");
    // The ball keeps the automatic transparent colour: its bottom-left pixel.
    layers.push_back({&ball, {ball_rect.x, ball_rect.y}, ball.at(0, ball.height - 1)});
    for (Piece piece : all_pieces) {
        const std::vector<std::string> names = names_of(piece);
        const std::size_t pick = piece == Piece::left_top    ? std::size_t(left_variant)
                                 : piece == Piece::right_top ? std::size_t(right_variant)
                                                             : 0;
        const Rect& r = place_of(piece).rect;
        layers.push_back({&lookup(names.at(pick)), {r.x, r.y}, key_green});
    }
    for (const char* name : {"EXIT_IMAGE_PASSIVE", "EXIT_IMAGE_ACTIVE"}) {
        layers.push_back({&lookup(name), {exit_button_rect.x, exit_button_rect.y}, key_green});
    }
    return layers;
}

}  // namespace skin_art
