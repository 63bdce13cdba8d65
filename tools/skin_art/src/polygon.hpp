// Outline polygons on the integer pixel grid: building them from curved paths with an exact
// vertex count, and the geometric queries the artwork and its checks need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin_art {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Vec2 {
    double x = 0;
    double y = 0;
};

// A closed path made of straight lines, cubic Bezier curves and circular arcs. Coordinates are
// pixel positions: the point (x, y) is the centre of pixel column x, row y.
class OutlinePath {
  public:
    // A vertex while the path is being flattened.
    struct Vertex {
        Point p;
        bool pinned;
        bool origin = false;
    };

    // Vertices added with `pin` survive simplification exactly as given.
    void start(Point p);
    void pin(Point p);
    void line_to(Vec2 p);
    void cubic_to(Vec2 c1, Vec2 c2, Vec2 end);
    // Arc around `centre` from angle a0 to a1 (radians; y grows downward, so increasing angles
    // turn clockwise on screen).
    void arc(Vec2 centre, double radius, double a0, double a1);

    // Flattens the path to exactly `count` integer vertices, starting with the first vertex.
    // Curves are sampled as finely as the count allows; if the curves alone cannot supply
    // enough vertices, long straight edges are split at grid points, but never an edge between
    // two pinned vertices, so runs of pinned vertices stay together.
    std::vector<Point> flatten(std::size_t count) const;

  private:
    struct Segment {
        enum class Kind { line, cubic, arc } kind;
        Vec2 a, b, c;  // line: end in c; cubic: controls a, b and end c; arc: centre in a
        double radius = 0, a0 = 0, a1 = 0;
        bool pinned = false;
    };
    std::vector<Vertex> flatten_at(double step) const;

    Vec2 origin_{};
    std::vector<Segment> segments_;
};

// True when the grid point lies inside the closed polygon or on its boundary.
bool covers(const std::vector<Point>& polygon, Point p);

// covers() for every grid point of a width x height area, row by row.
std::vector<std::uint8_t> coverage(const std::vector<Point>& polygon, int width, int height);

// Distance from a point to the polygon's boundary.
double boundary_distance(const std::vector<Point>& polygon, Vec2 p);

// True when no two non-adjacent edges touch and no edge has zero length.
bool is_simple(const std::vector<Point>& polygon);

// Signed area; positive when the vertices run clockwise on screen (y downward).
double signed_area(const std::vector<Point>& polygon);

}  // namespace skin_art
