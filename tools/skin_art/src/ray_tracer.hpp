// A small ray tracer for glossy spheres joined by cylindrical bonds: the saver's molecules,
// the molecule frames and the ball.
#pragma once

#include <functional>
#include <vector>

#include "paint_kit.hpp"
#include "raster.hpp"

namespace skin_art {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b);
Vec3 normalised(Vec3 v);
// Rotation about the vertical (y) axis, then about the horizontal (x) axis.
Vec3 rotated(Vec3 v, double yaw, double pitch);

struct Material {
    Colour colour;
    double specular = 0.6;    // strength of the highlight
    double shininess = 40;    // sharpness of the highlight
    double reflection = 0.2;  // share of the environment mirrored
};

struct Sphere {
    Vec3 centre;
    double radius;
    Material material;
};
struct Bond {
    Vec3 a, b;
    double radius;
    Material material;
};

struct Camera {
    Vec3 position;
    Vec3 target;
    double field_of_view = 0.8;  // vertical, radians
    double parallel_height = 0;  // when positive: parallel projection showing this many units
};

struct Scene {
    std::vector<Sphere> spheres;
    std::vector<Bond> bonds;
    Camera camera;
    Vec3 light = {-0.5, 0.7, -0.6};  // towards the light; x right, y up, z away from the viewer
    Colour light_colour = {1, 1, 1};
    double ambient = 0.18;
    // Colour mirrored from the surroundings for a reflected direction.
    std::function<Colour(Vec3)> environment;
};

// Renders with `samples` x `samples` rays per pixel. The result's alpha is the share of rays
// that hit something; its colour is the average over those rays only.
RgbaImage render_objects(const Scene& scene, int width, int height, int samples);

// Places the rendered objects over a backdrop of the same size.
Image over_backdrop(const RgbaImage& objects, const Image& backdrop);

}  // namespace skin_art
