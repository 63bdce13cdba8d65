#include "ray_tracer.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace skin_art {

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalised(Vec3 v) {
    return v * (1 / std::sqrt(dot(v, v)));
}

Vec3 rotated(Vec3 v, double yaw, double pitch) {
    const Vec3 a{v.x * std::cos(yaw) + v.z * std::sin(yaw), v.y,
                 -v.x * std::sin(yaw) + v.z * std::cos(yaw)};
    return {a.x, a.y * std::cos(pitch) - a.z * std::sin(pitch),
            a.y * std::sin(pitch) + a.z * std::cos(pitch)};
}

namespace {

struct Hit {
    double t;
    Vec3 normal;
    const Material* material;
};

std::optional<double> hit_sphere(Vec3 origin, Vec3 dir, Vec3 centre, double radius) {
    const Vec3 oc = origin - centre;
    const double b = dot(oc, dir);
    const double c = dot(oc, oc) - radius * radius;
    const double disc = b * b - c;
    if (disc < 0) {
        return std::nullopt;
    }
    const double t = -b - std::sqrt(disc);
    if (t > 1e-6) {
        return t;
    }
    return std::nullopt;
}

std::optional<Hit> hit_bond(Vec3 origin, Vec3 dir, const Bond& bond) {
    const Vec3 axis = bond.b - bond.a;
    const double length = std::sqrt(dot(axis, axis));
    const Vec3 u = axis * (1 / length);
    const Vec3 oc = origin - bond.a;
    const Vec3 d_perp = dir - u * dot(dir, u);
    const Vec3 o_perp = oc - u * dot(oc, u);
    const double a = dot(d_perp, d_perp);
    if (a < 1e-12) {
        return std::nullopt;
    }
    const double b = dot(d_perp, o_perp);
    const double c = dot(o_perp, o_perp) - bond.radius * bond.radius;
    const double disc = b * b - a * c;
    if (disc < 0) {
        return std::nullopt;
    }
    const double t = (-b - std::sqrt(disc)) / a;
    if (t <= 1e-6) {
        return std::nullopt;
    }
    const Vec3 p = origin + dir * t;
    const double along = dot(p - bond.a, u);
    if (along < 0 || along > length) {
        return std::nullopt;
    }
    const Vec3 n = normalised(p - (bond.a + u * along));
    return Hit{t, n, &bond.material};
}

std::optional<Hit> nearest(const Scene& s, Vec3 origin, Vec3 dir) {
    std::optional<Hit> best;
    for (const Sphere& sp : s.spheres) {
        if (auto t = hit_sphere(origin, dir, sp.centre, sp.radius); t && (!best || *t < best->t)) {
            best = Hit{*t, normalised(origin + dir * *t - sp.centre), &sp.material};
        }
    }
    for (const Bond& b : s.bonds) {
        if (auto h = hit_bond(origin, dir, b); h && (!best || h->t < best->t)) {
            best = h;
        }
    }
    return best;
}

Colour shade(const Scene& s, Vec3 dir, const Hit& hit) {
    const Material& m = *hit.material;
    const Vec3 l = normalised(s.light);
    const double diffuse = std::max(0.0, dot(hit.normal, l));
    const Vec3 reflected = dir - hit.normal * (2 * dot(dir, hit.normal));
    const double highlight = std::pow(std::max(0.0, dot(reflected, l)), m.shininess) * m.specular;
    // A rim of light from behind keeps the silhouettes readable on dark backgrounds.
    const double rim = std::pow(1 - std::abs(dot(hit.normal, dir)), 3) * 0.35;
    Colour c = scaled(m.colour, s.ambient + diffuse * (1 - s.ambient));
    if (s.environment && m.reflection > 0) {
        c = mix(c, s.environment(reflected), m.reflection);
    }
    c = {c.r + highlight * s.light_colour.r + rim * 0.6,
         c.g + highlight * s.light_colour.g + rim * 0.7, c.b + highlight * s.light_colour.b + rim};
    return c;
}

std::uint8_t to_byte(double v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5);
}

}  // namespace

RgbaImage render_objects(const Scene& s, int width, int height, int samples) {
    const Vec3 forward = normalised(s.camera.target - s.camera.position);
    const Vec3 right = normalised(cross({0, 1, 0}, forward));
    const Vec3 up = cross(forward, right);
    const double half = std::tan(s.camera.field_of_view / 2);
    const double aspect = double(width) / height;
    RgbaImage out{width, height, std::vector<Rgba>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0;
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double fx = (x + (sx + 0.5) / samples) / width * 2 - 1;
                    const double fy = 1 - (y + (sy + 0.5) / samples) / height * 2;
                    Vec3 origin = s.camera.position, dir = forward;
                    if (s.camera.parallel_height > 0) {
                        const double h = s.camera.parallel_height / 2;
                        origin = origin + right * (fx * h * aspect) + up * (fy * h);
                    } else {
                        dir = normalised(forward + right * (fx * half * aspect) + up * (fy * half));
                    }
                    if (auto hit = nearest(s, origin, dir)) {
                        const Colour c = shade(s, dir, *hit);
                        r += std::min(c.r, 1.0);
                        g += std::min(c.g, 1.0);
                        b += std::min(c.b, 1.0);
                        ++hits;
                    }
                }
            }
            if (hits > 0) {
                out.pixels[std::size_t(y) * width + x] = {
                    to_byte(r / hits), to_byte(g / hits), to_byte(b / hits),
                    to_byte(double(hits) / (samples * samples))};
            }
        }
    }
    return out;
}

Image over_backdrop(const RgbaImage& objects, const Image& backdrop) {
    Image out = backdrop;
    for (std::size_t i = 0; i < objects.pixels.size(); ++i) {
        const Rgba o = objects.pixels[i];
        const double a = o.a / 255.0;
        Rgb& d = out.pixels[i];
        d = {static_cast<std::uint8_t>(d.r + (o.r - d.r) * a + 0.5),
             static_cast<std::uint8_t>(d.g + (o.g - d.g) * a + 0.5),
             static_cast<std::uint8_t>(d.b + (o.b - d.b) * a + 0.5)};
    }
    return out;
}

}  // namespace skin_art
