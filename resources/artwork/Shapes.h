// Regions of the plane for the rasteriser: each is a point test plus a box that holds it.
// Coordinates are in pixels with (0, 0) at the top-left corner of the picture; pixel (x, y)
// covers [x, x + 1) x [y, y + 1), so its centre is (x + 0.5, y + 0.5).
#pragma once

#include <functional>
#include <vector>

namespace brivane::artwork {

struct Pt {
    double x = 0;
    double y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

struct Shape {
    std::function<bool(double, double)> contains;
    Box box;
};

// Combinations.
Shape operator|(const Shape& a, const Shape& b);  // union
Shape operator&(const Shape& a, const Shape& b);  // intersection
Shape operator-(const Shape& a, const Shape& b);  // a without b

// The union of many shapes (faster than chaining |).
Shape anyOf(std::vector<Shape> shapes);

Shape rect(double x0, double y0, double x1, double y1);
Shape roundRect(double x0, double y0, double x1, double y1, double radius);
Shape disc(double cx, double cy, double r);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape ring(double cx, double cy, double inner, double outer);
// A polygon, filled by the non-zero winding rule.
Shape polygon(std::vector<Pt> points);
// A line of the given width with round ends.
Shape line(Pt a, Pt b, double width);
// A line of the given width with square-cut ends at a and b.
Shape bar(Pt a, Pt b, double width);
// A path of straight pieces with round ends and joins.
Shape stroke(std::vector<Pt> path, double width);
// Points along a circular arc from angle a0 to a1 (radians, clockwise on screen from the +x
// axis), for building paths.
std::vector<Pt> arcPoints(Pt centre, double rx, double ry, double a0, double a1, int steps = 48);
// Everything at or below the curve y = top(x) (screen y grows downward), within the box.
Shape below(std::function<double(double)> top, Box box);
// The shape rotated by `angle` radians about `pivot`.
Shape rotated(const Shape& shape, Pt pivot, double angle);
// The shape moved by an offset.
Shape moved(const Shape& shape, Pt offset);

// Distance from p to the segment ab.
double segmentDistance(Pt p, Pt a, Pt b);

}  // namespace brivane::artwork
