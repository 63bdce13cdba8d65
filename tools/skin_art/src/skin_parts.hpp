// The parts the skin is painted from. Every painter draws in dialog pixel positions (the
// point (x, y) is the centre of pixel x, y) and stays inside the bodies that `add_bodies`
// outlines; the window's outline trims whatever pokes out.
#pragma once

#include <cairo.h>

#include <vector>

#include "paint_kit.hpp"

namespace skin_art {

inline constexpr Colour steel_blue = rgb(142, 154, 172);
inline constexpr Colour gunmetal = rgb(58, 64, 78);

// Bodies as paths: together they outline every pixel the parts may draw.
std::vector<PathFn> frame_bodies();
std::vector<PathFn> tv_bodies();

void paint_frame(cairo_t* cr);                             // bars, pillar, column, elbows, collar
void paint_tubes(cairo_t* cr, Colour left, Colour right);  // glass tubes and their caps
void paint_tv(cairo_t* cr);                                // housing, screen, ball panel
void paint_top_bar_details(cairo_t* cr);                   // screws and grille beside the title
void paint_title(cairo_t* cr);                             // title plate and lettering
void paint_bottom_plate(cairo_t* cr);                      // slogan strip and fittings
void paint_exit_socket(cairo_t* cr);                       // recess behind the close button

}  // namespace skin_art
