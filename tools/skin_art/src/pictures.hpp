// The fixed pictures of the settings dialog's pages and the maker's logo, and the program's
// icon. The dialog shows the pictures as transparent images: white, the colour of their
// bottom-left pixel, is not drawn.
#pragma once

#include "raster.hpp"

namespace skin_art {

enum class Picture {
    logo_large,
    logo_small,
    music_folder,
    music_note,
    loudspeaker,
    cpu_chip,
    video_card
};

struct PictureInfo {
    const char* name;  // file stem
    int width, height;
    const char* subject;
};
const PictureInfo& info_of(Picture picture);
inline constexpr Picture all_pictures[] = {
    Picture::logo_large,  Picture::logo_small, Picture::music_folder, Picture::music_note,
    Picture::loudspeaker, Picture::cpu_chip,   Picture::video_card};

Image render_picture(Picture picture);

// The icon's drawing at one size, with straight alpha.
RgbaImage render_icon(int size);

}  // namespace skin_art
