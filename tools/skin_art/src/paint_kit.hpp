// Drawing helpers shared by all artwork: colours, gradients, bevels and the recurring
// metal and glass parts.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "cairo_handles.hpp"
#include "polygon.hpp"

namespace skin_art {

struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}
Colour mix(Colour a, Colour b, double t);
Colour scaled(Colour c, double f);
void set_colour(cairo_t* cr, Colour c, double alpha = 1);

struct Stop {
    double at;
    Colour colour;
    double alpha = 1;
};
using Stops = std::vector<Stop>;
// A linear gradient from (x0, y0) to (x1, y1) through the given stops.
Pattern linear(double x0, double y0, double x1, double y1, const Stops& stops);
// A radial gradient around one centre, from radius r0 to r1.
Pattern radial(Vec2 centre, double r0, double r1, const Stops& stops);
// The same stops running the other way.
Stops reversed(Stops stops);

// Path builders.
using PathFn = std::function<void(cairo_t*)>;
void add_rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void add_polygon(cairo_t* cr, const std::vector<Point>& polygon);
void add_circle(cairo_t* cr, Vec2 centre, double radius);

// Fills the path with the pattern.
void fill_with(cairo_t* cr, const PathFn& path, cairo_pattern_t* pattern);
// Light on the upper left inner edge and shade on the lower right, inside the path.
void emboss(cairo_t* cr, const PathFn& path, double width, double light, double shade);
// A sunken variant: shade upper left, light lower right.
void deboss(cairo_t* cr, const PathFn& path, double width, double light, double shade);

// Chrome reflection across a band from (x0, y0) to (x1, y1): sky, horizon, ground.
Pattern chrome(double x0, double y0, double x1, double y1, Colour tint = {0.78, 0.82, 0.88});
// Round bar shading (brushed steel) across a bar, from its lit side to its shaded side.
Stops steel_bands(Colour base);
Pattern steel(double x0, double y0, double x1, double y1, Colour base);
// Glass tube shading across the tube, coloured.
Pattern glass(double x0, double y0, double x1, double y1, Colour colour);

// Fine brushed-metal streaks along a direction, inside the current clip.
void brush_streaks(cairo_t* cr, double x0, double y0, double x1, double y1, bool horizontal,
                   std::uint32_t seed, double strength);

void screw_head(cairo_t* cr, Vec2 centre, double radius, double slot_angle);
void led(cairo_t* cr, Vec2 centre, double radius, Colour colour);

// Deterministic pseudo-random numbers for textures.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double next();  // uniform in [0, 1)

  private:
    std::uint32_t state_;
};

}  // namespace skin_art
