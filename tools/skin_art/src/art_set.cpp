#include "art_set.hpp"

#include <algorithm>
#include <string>

#include "bmp_file.hpp"
#include "icon_file.hpp"
#include "jpeg_file.hpp"
#include "palette.hpp"
#include "pictures.hpp"
#include "points_file.hpp"
#include "screenshots.hpp"
#include "skin_canvas.hpp"
#include "small_pictures.hpp"

namespace skin_art {

namespace {

struct ScreenshotSet {
    const char* prefix;
    int width, height;
    std::size_t min_bytes, max_bytes;
};
constexpr ScreenshotSet preview_shots{"MINI_SSHOT_", 152, 112, 3750, 4526};
constexpr ScreenshotSet dialog_shots{"MYSCR_SSHOT_", 286, 215, 14259, 18800};

void add(std::vector<ArtFile>& out, std::string name, std::vector<std::uint8_t> bytes) {
    out.push_back({std::move(name), std::move(bytes)});
}

void add_text(std::vector<ArtFile>& out, std::string name, const std::string& text) {
    add(out, std::move(name), {text.begin(), text.end()});
}

void add_skin(std::vector<ArtFile>& out) {
    // One painting per tube colour. Pieces without tube variants come from the first; the
    // variants of a bar share one palette, so that only their tubes tell them apart.
    std::vector<KeyedImage> skins;
    for (const Colour& colour : tube_colours()) {
        skins.push_back(paint_skin(colour, colour));
    }
    for (Piece piece : all_pieces) {
        const std::vector<std::string> names = names_of(piece);
        std::vector<KeyedImage> cuts;
        for (std::size_t v = 0; v < names.size(); ++v) {
            cuts.push_back(cut_piece(skins[v], piece));
        }
        const std::vector<IndexedImage> reduced = reduce_with_shared_key(cuts);
        for (std::size_t v = 0; v < names.size(); ++v) {
            add(out, names[v] + ".bmp", encode_bmp(reduced[v]));
        }
    }
    // The rest-state picture is the bright one.
    add(out, "EXIT_IMAGE_ACTIVE.bmp", encode_bmp(reduce_with_key(render_exit_button(true))));
    add(out, "EXIT_IMAGE_PASSIVE.bmp", encode_bmp(reduce_with_key(render_exit_button(false))));
    add(out, "BALL_SHATO.bmp", encode_bmp(render_ball()));
}

void add_outlines(std::vector<ArtFile>& out) {
    const std::vector<Point>& window = dialog_outline();
    add_text(out, "PAPP_X.txt", encode_points(xs_of(window), FinalBreak::none));
    add_text(out, "PAPP_Y.txt", encode_points(ys_of(window), FinalBreak::none));
    const std::vector<Point>& screen = screen_outline();
    add_text(out, "PTVOUT_X.txt", encode_points(xs_of(screen), FinalBreak::crlf));
    add_text(out, "PTVOUT_Y.txt", encode_points(ys_of(screen), FinalBreak::crlf));
}

void add_screenshots(std::vector<ArtFile>& out) {
    for (const ScreenshotSet& set : {preview_shots, dialog_shots}) {
        for (int i = 0; i < screenshot_count; ++i) {
            add(out, set.prefix + std::to_string(i) + ".jpg",
                encode_jpeg_sized(render_screenshot(i, set.width, set.height), set.min_bytes,
                                  set.max_bytes));
        }
    }
}

void add_pictures(std::vector<ArtFile>& out) {
    for (int f = 0; f < molecule_frames; ++f) {
        add(out, "MOLECULA3C_ANE0" + std::to_string(f) + ".bmp",
            encode_bmp(render_molecule_frame(f)));
    }
    for (Picture p : all_pictures) {
        add(out, std::string(info_of(p).name) + ".bmp", encode_bmp(render_picture(p)));
    }
    std::vector<IconPicture> icon;
    for (const auto& [size, bits] : {std::pair{16, 8}, std::pair{32, 8}, std::pair{16, 32},
                                     std::pair{32, 32}, std::pair{48, 32}, std::pair{128, 32}}) {
        icon.push_back({render_icon(size), bits});
    }
    add(out, "MAINICON.ico", encode_icon(icon));
}

}  // namespace

std::vector<ArtFile> make_art_set() {
    std::vector<ArtFile> out;
    add_skin(out);
    add_outlines(out);
    add_screenshots(out);
    add_pictures(out);
    std::sort(out.begin(), out.end(),
              [](const ArtFile& a, const ArtFile& b) { return a.name < b.name; });
    return out;
}

}  // namespace skin_art
