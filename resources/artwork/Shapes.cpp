#include "resources/artwork/Shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace brivane::artwork {

namespace {

Box unite(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box meet(Box a, Box b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Box boxOf(const std::vector<Pt>& points, double pad) {
    Box b{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
          std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (Pt p : points) {
        b.x0 = std::min(b.x0, p.x - pad);
        b.y0 = std::min(b.y0, p.y - pad);
        b.x1 = std::max(b.x1, p.x + pad);
        b.y1 = std::max(b.y1, p.y + pad);
    }
    return b;
}

}  // namespace

Shape operator|(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.contains(x, y) || b.contains(x, y); },
            unite(a.box, b.box)};
}

Shape operator&(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.contains(x, y) && b.contains(x, y); },
            meet(a.box, b.box)};
}

Shape operator-(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.contains(x, y) && !b.contains(x, y); }, a.box};
}

Shape anyOf(std::vector<Shape> shapes) {
    Box box{0, 0, 0, 0};
    for (std::size_t i = 0; i < shapes.size(); ++i)
        box = i == 0 ? shapes[i].box : unite(box, shapes[i].box);
    auto all = std::make_shared<const std::vector<Shape>>(std::move(shapes));
    return {[all](double x, double y) {
                for (const Shape& s : *all) {
                    if (x < s.box.x0 || x > s.box.x1 || y < s.box.y0 || y > s.box.y1) continue;
                    if (s.contains(x, y)) return true;
                }
                return false;
            },
            box};
}

Shape rect(double x0, double y0, double x1, double y1) {
    return {[=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
            {x0, y0, x1, y1}};
}

Shape roundRect(double x0, double y0, double x1, double y1, double radius) {
    const double r = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    return {[=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
                const double cx = std::clamp(x, x0 + r, x1 - r);
                const double cy = std::clamp(y, y0 + r, y1 - r);
                const double dx = x - cx;
                const double dy = y - cy;
                return dx * dx + dy * dy <= r * r;
            },
            {x0, y0, x1, y1}};
}

Shape disc(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Shape ellipse(double cx, double cy, double rx, double ry) {
    return {[=](double x, double y) {
                const double dx = (x - cx) / rx;
                const double dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape ring(double cx, double cy, double inner, double outer) {
    return {[=](double x, double y) {
                const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                return d2 <= outer * outer && d2 > inner * inner;
            },
            {cx - outer, cy - outer, cx + outer, cy + outer}};
}

Shape polygon(std::vector<Pt> points) {
    const Box box = boxOf(points, 0);
    auto pts = std::make_shared<const std::vector<Pt>>(std::move(points));
    return {[pts](double x, double y) {
                int winding = 0;
                const auto& p = *pts;
                for (std::size_t i = 0, n = p.size(); i < n; ++i) {
                    const Pt a = p[i];
                    const Pt b = p[(i + 1) % n];
                    const double side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
                    if (a.y <= y) {
                        if (b.y > y && side > 0) ++winding;
                    } else if (b.y <= y && side < 0) {
                        --winding;
                    }
                }
                return winding != 0;
            },
            box};
}

double segmentDistance(Pt p, Pt a, Pt b) {
    const Pt ab = b - a;
    const Pt ap = p - a;
    const double len2 = ab.x * ab.x + ab.y * ab.y;
    const double t = len2 > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / len2, 0.0, 1.0) : 0.0;
    const Pt d = ap - ab * t;
    return std::sqrt(d.x * d.x + d.y * d.y);
}

Shape line(Pt a, Pt b, double width) { return stroke({a, b}, width); }

Shape bar(Pt a, Pt b, double width) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const Pt n = Pt{-(b.y - a.y) / len, (b.x - a.x) / len} * (width / 2);
    return polygon({a + n, b + n, b - n, a - n});
}

Shape stroke(std::vector<Pt> path, double width) {
    const double half = width / 2;
    const Box box = boxOf(path, half);
    auto pts = std::make_shared<const std::vector<Pt>>(std::move(path));
    return {[pts, half](double x, double y) {
                const auto& p = *pts;
                if (p.size() == 1) return segmentDistance({x, y}, p[0], p[0]) <= half;
                for (std::size_t i = 0; i + 1 < p.size(); ++i)
                    if (segmentDistance({x, y}, p[i], p[i + 1]) <= half) return true;
                return false;
            },
            box};
}

std::vector<Pt> arcPoints(Pt centre, double rx, double ry, double a0, double a1, int steps) {
    std::vector<Pt> out;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        out.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    return out;
}

Shape below(std::function<double(double)> top, Box box) {
    return {[top = std::move(top), box](double x, double y) {
                return x >= box.x0 && x < box.x1 && y < box.y1 && y >= top(x);
            },
            box};
}

Shape rotated(const Shape& shape, Pt pivot, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    // The box of the rotated box's corners.
    const Box b = shape.box;
    std::vector<Pt> corners;
    for (Pt p : {Pt{b.x0, b.y0}, Pt{b.x1, b.y0}, Pt{b.x1, b.y1}, Pt{b.x0, b.y1}}) {
        const Pt d = p - pivot;
        corners.push_back({pivot.x + d.x * c - d.y * s, pivot.y + d.x * s + d.y * c});
    }
    return {[shape, pivot, c, s](double x, double y) {
                const double dx = x - pivot.x;
                const double dy = y - pivot.y;
                return shape.contains(pivot.x + dx * c + dy * s, pivot.y - dx * s + dy * c);
            },
            boxOf(corners, 0)};
}

Shape moved(const Shape& shape, Pt offset) {
    const Box b = shape.box;
    return {
        [shape, offset](double x, double y) { return shape.contains(x - offset.x, y - offset.y); },
        {b.x0 + offset.x, b.y0 + offset.y, b.x1 + offset.x, b.y1 + offset.y}};
}

}  // namespace brivane::artwork
