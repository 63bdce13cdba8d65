// skin_art: makes the dialog's skin, screenshots, outline lists, pictures and icon.
//
//   skin_art OUTPUT_DIR [--preview FILE.png] [--mock-up FILE.png] [--variants L R]
//
// Writes every file into OUTPUT_DIR. --preview also writes the assembled skin over a
// checkerboard with both outlines on top, --mock-up the dialog as it looks once open;
// --variants picks the tube colours (1..7) for those pictures.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "art_set.hpp"
#include "bmp_file.hpp"
#include "screenshots.hpp"
#include "skin_compose.hpp"
#include "skin_preview.hpp"

namespace {

using namespace skin_art;

struct Options {
    std::filesystem::path output;
    std::string preview, mock_up;
    int left = 0, right = 0;
};

int variant_number(const char* text) {
    const int v = std::atoi(text);
    if (v < 1 || v > tube_variants) {
        throw std::invalid_argument("variants run from 1 to 7");
    }
    return v - 1;
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--preview" && i + 1 < argc) {
            o.preview = argv[++i];
        } else if (arg == "--mock-up" && i + 1 < argc) {
            o.mock_up = argv[++i];
        } else if (arg == "--variants" && i + 2 < argc) {
            o.left = variant_number(argv[++i]);
            o.right = variant_number(argv[++i]);
        } else if (!arg.empty() && arg[0] != '-' && o.output.empty()) {
            o.output = arg;
        } else {
            throw std::invalid_argument(
                "usage: skin_art OUTPUT_DIR [--preview FILE.png] "
                "[--mock-up FILE.png] [--variants L R]");
        }
    }
    if (o.output.empty()) {
        throw std::invalid_argument("no output directory given");
    }
    return o;
}

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void write_previews(const Options& o, const std::vector<ArtFile>& files) {
    // Read the pictures back from the bytes just made, as the dialog would.
    std::map<std::string, Image> pictures;
    for (const ArtFile& f : files) {
        if (f.name.ends_with(".bmp")) {
            pictures[f.name.substr(0, f.name.size() - 4)] = decode_bmp(f.bytes).image;
        }
    }
    const KeyedImage skin =
        compose(skin_layers([&](const std::string& n) -> const Image& { return pictures.at(n); },
                            o.left, o.right),
                dialog_width, dialog_height);
    if (!o.preview.empty()) {
        write_outline_preview(skin, o.preview);
    }
    if (!o.mock_up.empty()) {
        const Image& logo = pictures.at("LOGO_LARGE");
        write_mock_up(skin, render_screenshot(0, 286, 215), {{&logo, {64, 393}, white}}, o.mock_up);
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options o = parse(argc, argv);
        const std::vector<ArtFile> files = make_art_set();
        std::filesystem::create_directories(o.output);
        for (const ArtFile& f : files) {
            write_file(o.output / f.name, f.bytes);
        }
        std::printf("wrote %zu files to %s\n", files.size(), o.output.string().c_str());
        write_previews(o, files);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_art: %s\n", e.what());
        return 1;
    }
}
