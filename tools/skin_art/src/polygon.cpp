#include "polygon.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <stdexcept>

namespace skin_art {

namespace {

using Vertex = OutlinePath::Vertex;

Point to_grid(Vec2 v) {
    return {static_cast<int>(std::lround(v.x)), static_cast<int>(std::lround(v.y))};
}

Vec2 cubic_at(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, double t) {
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

long long cross(Point o, Point a, Point b) {
    return static_cast<long long>(a.x - o.x) * (b.y - o.y) -
           static_cast<long long>(a.y - o.y) * (b.x - o.x);
}

long long dot(Point o, Point a, Point b) {
    return static_cast<long long>(a.x - o.x) * (b.x - o.x) +
           static_cast<long long>(a.y - o.y) * (b.y - o.y);
}

bool on_segment(Point a, Point b, Point p) {
    return cross(a, b, p) == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= p.y && p.y <= std::max(a.y, b.y);
}

int sign(long long v) {
    return (v > 0) - (v < 0);
}

bool segments_touch(Point a, Point b, Point c, Point d) {
    const int d1 = sign(cross(a, b, c)), d2 = sign(cross(a, b, d));
    const int d3 = sign(cross(c, d, a)), d4 = sign(cross(c, d, b));
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        return true;
    }
    return on_segment(a, b, c) || on_segment(a, b, d) || on_segment(c, d, a) || on_segment(c, d, b);
}

// One pass over the ring: drops repeated vertices and unpinned vertices that lie on the straight
// line through their neighbours (including back-tracking spikes). Returns whether it dropped any.
bool simplify_pass(std::vector<Vertex>& v) {
    std::vector<Vertex> out;
    out.reserve(v.size());
    for (const Vertex& x : v) {
        if (!out.empty() && out.back().p == x.p) {
            if (out.back().pinned && x.pinned) {
                throw std::logic_error("two pinned outline vertices coincide");
            }
            if (x.pinned) {
                out.back() = x;
            }
            continue;
        }
        while (out.size() >= 2 && !out.back().pinned &&
               cross(out[out.size() - 2].p, out.back().p, x.p) == 0) {
            out.pop_back();
        }
        out.push_back(x);
    }
    const bool dropped = out.size() != v.size();
    // Rotate by one so that the seam between the last and the first vertex is looked at next time.
    if (!out.empty()) {
        std::rotate(out.begin(), out.begin() + 1, out.end());
    }
    v = std::move(out);
    return dropped;
}

void simplify(std::vector<Vertex>& v) {
    // Two clean passes in a row (each with a different seam) mean nothing is left to drop.
    int clean = 0;
    while (clean < 2 && v.size() > 3) {
        clean = simplify_pass(v) ? 0 : clean + 1;
    }
    // Put the starting vertex back at the front.
    const auto first = std::find_if(v.begin(), v.end(), [](const Vertex& x) { return x.origin; });
    std::rotate(v.begin(), first, v.end());
}

}  // namespace

void OutlinePath::start(Point p) {
    origin_ = {static_cast<double>(p.x), static_cast<double>(p.y)};
    segments_.clear();
}

void OutlinePath::pin(Point p) {
    Segment s{Segment::Kind::line, {}, {}, {static_cast<double>(p.x), static_cast<double>(p.y)}};
    s.pinned = true;
    segments_.push_back(s);
}

void OutlinePath::line_to(Vec2 p) {
    segments_.push_back({Segment::Kind::line, {}, {}, p});
}

void OutlinePath::cubic_to(Vec2 c1, Vec2 c2, Vec2 end) {
    segments_.push_back({Segment::Kind::cubic, c1, c2, end});
}

void OutlinePath::arc(Vec2 centre, double radius, double a0, double a1) {
    Segment s{Segment::Kind::arc, centre, {}, {}};
    s.radius = radius;
    s.a0 = a0;
    s.a1 = a1;
    s.c = {centre.x + radius * std::cos(a1), centre.y + radius * std::sin(a1)};
    segments_.push_back(s);
}

std::vector<OutlinePath::Vertex> OutlinePath::flatten_at(double step) const {
    std::vector<Vertex> v{{to_grid(origin_), true, true}};
    Vec2 pen = origin_;
    for (const Segment& s : segments_) {
        switch (s.kind) {
            case Segment::Kind::line:
                v.push_back({to_grid(s.c), s.pinned});
                break;
            case Segment::Kind::cubic: {
                double length = 0;
                Vec2 last = pen;
                for (int i = 1; i <= 64; ++i) {
                    const Vec2 q = cubic_at(pen, s.a, s.b, s.c, i / 64.0);
                    length += std::hypot(q.x - last.x, q.y - last.y);
                    last = q;
                }
                const int n = std::max(1, static_cast<int>(std::lround(length / step)));
                for (int i = 1; i <= n; ++i) {
                    v.push_back({to_grid(cubic_at(pen, s.a, s.b, s.c, double(i) / n)), false});
                }
                break;
            }
            case Segment::Kind::arc: {
                const double length = s.radius * std::abs(s.a1 - s.a0);
                const int n = std::max(1, static_cast<int>(std::lround(length / step)));
                for (int i = 1; i <= n; ++i) {
                    const double a = s.a0 + (s.a1 - s.a0) * i / n;
                    v.push_back(
                        {to_grid({s.a.x + s.radius * std::cos(a), s.a.y + s.radius * std::sin(a)}),
                         false});
                }
                break;
            }
        }
        pen = s.c;
    }
    // The path closes on its starting vertex; the repeated copy goes.
    if (v.size() > 1 && v.back().p == v.front().p) {
        if (v.back().pinned) {
            throw std::logic_error("outline path ends on a pinned copy of its start");
        }
        v.pop_back();
    }
    simplify(v);
    return v;
}

std::vector<Point> OutlinePath::flatten(std::size_t count) const {
    // The finest sampling that still fits the count wins; finer sampling never loses vertices
    // in a way that matters, so a plain scan over steps is enough.
    std::vector<Vertex> best;
    for (double step = 0.25; step < 64; step *= 1.01) {
        std::vector<Vertex> v = flatten_at(step);
        if (v.size() <= count && v.size() > best.size()) {
            best = std::move(v);
        }
    }
    if (best.size() < 3) {
        throw std::logic_error("outline path too small for the requested vertex count");
    }
    while (best.size() < count) {
        // Split the longest edge that has a grid point strictly inside it and is not held
        // between two pinned vertices.
        std::size_t pick = best.size();
        long long pick_len = 0;
        for (std::size_t i = 0; i < best.size(); ++i) {
            const Vertex& a = best[i];
            const Vertex& b = best[(i + 1) % best.size()];
            const int g = std::gcd(std::abs(b.p.x - a.p.x), std::abs(b.p.y - a.p.y));
            const long long len = dot(a.p, b.p, b.p);
            if (g >= 2 && !(a.pinned && b.pinned) && len > pick_len) {
                pick = i;
                pick_len = len;
            }
        }
        if (pick == best.size()) {
            throw std::logic_error("no edge left to split");
        }
        const Point a = best[pick].p, b = best[(pick + 1) % best.size()].p;
        const int g = std::gcd(std::abs(b.x - a.x), std::abs(b.y - a.y));
        const int k = g / 2;
        best.insert(best.begin() + static_cast<std::ptrdiff_t>(pick + 1),
                    Vertex{{a.x + (b.x - a.x) / g * k, a.y + (b.y - a.y) / g * k}, false});
    }
    std::vector<Point> out;
    out.reserve(best.size());
    for (const Vertex& v : best) {
        out.push_back(v.p);
    }
    return out;
}

bool covers(const std::vector<Point>& polygon, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[j], b = polygon[i];
        if (on_segment(a, b, p)) {
            return true;
        }
        if ((a.y > p.y) != (b.y > p.y)) {
            // x of the edge at the point's row, compared without division.
            const long long lhs = static_cast<long long>(p.x - a.x) * (b.y - a.y);
            const long long rhs = static_cast<long long>(b.x - a.x) * (p.y - a.y);
            if ((b.y > a.y) ? lhs < rhs : lhs > rhs) {
                inside = !inside;
            }
        }
    }
    return inside;
}

std::vector<std::uint8_t> coverage(const std::vector<Point>& polygon, int width, int height) {
    std::vector<std::uint8_t> out(std::size_t(width) * height, 0);
    const std::size_t n = polygon.size();
    std::vector<double> crossings;
    for (int y = 0; y < height; ++y) {
        // Strictly inside: an odd number of edge crossings to the right of the point.
        crossings.clear();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = polygon[j], b = polygon[i];
            if ((a.y > y) != (b.y > y)) {
                crossings.push_back(a.x + double(y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const int from = std::max(0, static_cast<int>(std::floor(crossings[k])) + 1);
            const int to = std::min(width - 1, static_cast<int>(std::ceil(crossings[k + 1])) - 1);
            for (int x = from; x <= to; ++x) {
                out[std::size_t(y) * width + x] = 1;
            }
        }
    }
    // On the boundary: every grid point of every edge.
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point a = polygon[j], b = polygon[i];
        const int g = std::max(1, std::gcd(std::abs(b.x - a.x), std::abs(b.y - a.y)));
        for (int k = 0; k <= g; ++k) {
            const int x = a.x + (b.x - a.x) / g * k, y = a.y + (b.y - a.y) / g * k;
            if (x >= 0 && x < width && y >= 0 && y < height) {
                out[std::size_t(y) * width + x] = 1;
            }
        }
    }
    return out;
}

double boundary_distance(const std::vector<Point>& polygon, Vec2 p) {
    double best = INFINITY;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double ax = polygon[j].x, ay = polygon[j].y;
        const double dx = polygon[i].x - ax, dy = polygon[i].y - ay;
        const double len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((p.x - ax) * dx + (p.y - ay) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(ax + t * dx - p.x, ay + t * dy - p.y));
    }
    return best;
}

bool is_simple(const std::vector<Point>& polygon) {
    const std::size_t n = polygon.size();
    if (n < 3) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = polygon[i], b = polygon[(i + 1) % n], c = polygon[(i + 2) % n];
        if (a == b) {
            return false;
        }
        // Consecutive edges may only share their common vertex.
        if (cross(a, b, c) == 0 && dot(b, a, c) > 0) {
            return false;
        }
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) {
                continue;
            }
            if (segments_touch(a, b, polygon[j], polygon[(j + 1) % n])) {
                return false;
            }
        }
    }
    return true;
}

double signed_area(const std::vector<Point>& polygon) {
    long long twice = 0;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        twice += static_cast<long long>(polygon[j].x) * polygon[i].y -
                 static_cast<long long>(polygon[i].x) * polygon[j].y;
    }
    return twice / 2.0;
}

}  // namespace skin_art
