// The six pictures of the slide show, 103 x 92 each: small landscape postcards painted from
// gradients, smooth shapes and seeded noise. 10 is the start-up picture; 11 to 15 are the cycle.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "resources/artwork/Artwork.h"
#include "resources/artwork/Noise.h"

namespace brivane::artwork {

namespace {

constexpr int W = 103;
constexpr int H = 92;
constexpr double Pi = std::numbers::pi;

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Paint vertical(double y0, double y1, std::vector<Stop> stops) {
    return linear({0, y0}, {0, y1}, std::move(stops));
}

// A soft round light: full colour at the centre, fading out at radius r.
void glow(Canvas& c, Pt centre, double r, Color color) {
    c.fill(disc(centre.x, centre.y, r),
           radial(centre, r,
                  {{0, color}, {0.35, color.withAlpha(color.a * 0.45)}, {1, color.withAlpha(0)}}));
}

// Clouds from noise: `cover` says how much sky they take, `stretch` how flat they lie.
void clouds(Canvas& c, const Noise& noise, double y0, double y1, double cover, double stretch,
            const std::function<Color(double, double)>& tint) {
    c.fill(rect(0, y0, W, y1), Paint([=, &noise](double x, double y) {
               const double n = noise.fractal(x / 26.0, y / (26.0 / stretch), 4);
               const double fade = smoothstep(y0, y0 + 4, y) * (1 - smoothstep(y1 - 6, y1, y));
               const double a = smoothstep(1 - cover, 1 - cover + 0.18, n) * fade;
               return tint(x, y).withAlpha(a * tint(x, y).a);
           }));
}

// A hill line: `base` plus waves and noise, as a function of x.
std::function<double(double)> ridge(double base, double amplitude, double scale, std::uint32_t seed,
                                    double phase = 0) {
    return [=](double x) {
        const Noise noise(seed);
        return base - amplitude * (0.6 * std::sin(x / scale + phase) +
                                   0.8 * (noise.fractal(x / (scale * 1.3), 0.5, 3) - 0.5));
    };
}

// A pine tree's silhouette: three stacked tiers on a short trunk, its foot at (x, y).
Shape pine(double x, double y, double height) {
    const double w = height * 0.42;
    std::vector<Shape> tiers;
    for (int i = 0; i < 3; ++i) {
        const double top = y - height + i * height * 0.24;
        const double bottom = top + height * 0.45;
        const double half = w * (0.55 + i * 0.22);
        tiers.push_back(polygon({{x, top}, {x + half, bottom}, {x - half, bottom}}));
    }
    tiers.push_back(rect(x - height * 0.05, y - height * 0.2, x + height * 0.05, y));
    return anyOf(tiers);
}

// 10: the sun going down over the sea.
Canvas sunset() {
    Canvas c(W, H);
    const double horizon = 58;
    const Pt sun{64, 54};
    c.fill(vertical(0, horizon,
                    {{0, rgb(34, 38, 98)},
                     {0.35, rgb(104, 60, 130)},
                     {0.66, rgb(222, 104, 94)},
                     {0.88, rgb(252, 168, 98)},
                     {1, rgb(255, 204, 132)}}));
    glow(c, sun, 46, rgb(255, 214, 150, 0.55));
    const Noise cloudNoise(101);
    clouds(c, cloudNoise, 6, 48, 0.42, 3.2, [&](double x, double y) {
        const double lit = std::exp(-std::hypot(x - sun.x, (y - sun.y) * 1.6) / 40.0);
        return mix(rgb(92, 52, 104, 0.85), rgb(255, 150, 118, 0.95), 0.3 + 0.7 * lit);
    });
    c.fill(disc(sun.x, sun.y, 8.5) & rect(0, 0, W, horizon),
           vertical(sun.y - 9, horizon, {{0, rgb(255, 248, 212)}, {1, rgb(255, 206, 120)}}));
    // The sea: darker toward the viewer, with waves and the sun's path on it.
    const Noise waves(102);
    c.fill(rect(0, horizon, W, H), Paint([&](double x, double y) {
               const double d = (y - horizon) / (H - horizon);
               Color base = colorAt(
                   {{0, rgb(214, 124, 104)}, {0.3, rgb(112, 66, 112)}, {1, rgb(26, 26, 66)}}, d);
               const double wave = waves.fractal(x / (10 + 30 * d), y * 0.9, 2) - 0.5;
               base = base.shade(wave * 0.3);
               const double spread = 2.5 + (y - horizon) * 0.55;
               const double path = std::exp(-std::pow((x - sun.x) / spread, 2));
               const double glint = smoothstep(0.42, 0.62, waves.at(x / 3.0, y * 1.3));
               return mix(base, rgb(255, 214, 150), path * glint * (1 - d * 0.5));
           }));
    // An island far off, and birds.
    c.fill(below(
               [&](double x) {
                   const double bump = std::max(0.0, std::sin(Pi * (x + 2) / 40));
                   return horizon - 7 * std::pow(bump, 1.4) -
                          1.5 * (cloudNoise.at(x / 4, 3.3) - 0.5) * bump;
               },
               {0, 40, 40, horizon + 0.6}),
           rgb(58, 34, 70));
    for (const Pt b : {Pt{28, 24}, Pt{35, 20}, Pt{32, 29}}) {
        c.fill(stroke({{b.x - 2.2, b.y - 0.9}, {b.x, b.y}, {b.x + 2.2, b.y - 0.9}}, 0.8),
               rgb(52, 30, 60, 0.9));
    }
    return c;
}

// 11: snowy mountains over a still lake that mirrors them.
Canvas mountainLake() {
    const double shore = 60;
    Canvas up(W, H);
    up.fill(vertical(0, shore, {{0, rgb(62, 130, 214)}, {1, rgb(200, 228, 248)}}));
    const Noise cloudNoise(111);
    clouds(up, cloudNoise, 2, 30, 0.35, 2.0, [](double, double y) {
        return mix(rgb(255, 255, 255, 0.95), rgb(220, 230, 245, 0.8), y / 30);
    });
    // The far range in the haze.
    up.fill(below(ridge(38, 9, 9, 112), {0, 20, W, shore}),
            vertical(24, shore, {{0, rgb(150, 170, 206)}, {1, rgb(176, 196, 222)}}));
    // The main peaks: rock lit from the left, a shaded face right of each summit, gullies
    // running down from the summits, and snow above a ragged snow line.
    const Noise rock(113);
    struct Peak {
        double x, y, slope;
    };
    const Peak summits[] = {{30, 12, 1.1}, {74, 18, 0.95}, {52, 30, 0.9}};
    auto height = [&](const Peak& p, double x) { return p.y + std::abs(x - p.x) * p.slope; };
    auto nearest = [&](double x) {
        const Peak* best = &summits[0];
        for (const Peak& p : summits)
            if (height(p, x) < height(*best, x)) best = &p;
        return *best;
    };
    auto peaks = [&](double x) {
        return height(nearest(x), x) + 5.0 * (rock.fractal(x / 5, 1.5, 4) - 0.5);
    };
    const Shape range = below(peaks, {0, 8, W, shore});
    const Shape shaded{[&](double x, double y) {
                           const Peak p = nearest(x);
                           return x > p.x + 0.3 * (y - p.y) * (rock.at(y / 6, 7.1) - 0.35);
                       },
                       {0, 0, W, shore}};
    const Shape snow{[&](double x, double y) {
                         const Peak p = nearest(x);
                         const double reach = p.y < 25 ? 15 : 6;
                         return y - p.y < reach + 24 * (rock.fractal(x / 2.4, 3.3, 3) - 0.5);
                     },
                     {0, 0, W, shore}};
    auto stone = [&](Color base) {
        return Paint([&, base](double x, double y) {
            const Peak p = nearest(x);
            const double angle = std::atan2(x - p.x, y - p.y + 4);
            const double gully = rock.fractal(angle * 9 + 20, (y - p.y) / 14, 3);
            return base.shade(0.3 * (gully - 0.5) - (y - 30) / 70);
        });
    };
    up.fill(range, stone(rgb(132, 130, 146)));
    up.fill(range & shaded, stone(rgb(78, 84, 106)));
    up.fill(range & snow, vertical(8, 44, {{0, rgb(255, 255, 255)}, {1, rgb(228, 236, 248)}}));
    up.fill(range & snow & shaded,
            vertical(8, 44, {{0, rgb(190, 206, 232)}, {1, rgb(160, 176, 212)}}));
    // Pine woods along the shore.
    const Noise wood(114);
    up.fill(below(
                [&](double x) {
                    const double tooth = std::abs(std::fmod(x + 40, 3.4) - 1.7) * 2.4;
                    return 50 + 4 * (wood.fractal(x / 10, 0.3, 2) - 0.5) + tooth;
                },
                {0, 40, W, shore}),
            vertical(46, shore, {{0, rgb(40, 84, 58)}, {1, rgb(20, 46, 34)}}));
    up.fill(rect(0, shore - 1.2, W, shore), rgb(60, 64, 50));

    // The lake mirrors everything above the shore, darker, bluer and broken by ripples.
    Canvas c = up;
    const Noise ripples(115);
    c.fill(rect(0, shore, W, H), Paint([&](double x, double y) {
               const double d = y - shore;
               const double wobble =
                   0.9 * (ripples.fractal(x / 14, y * 0.5, 2) - 0.5) * (0.3 + d / 25);
               const double fx = std::clamp(x - 0.5 + wobble, 0.0, W - 1.0);
               const int sx = std::min(int(fx), W - 2);
               const int sy = std::clamp(int(shore - d * 1.05), 0, int(shore) - 1);
               const Color mirrored = mix(up.pixel(sx, sy), up.pixel(sx + 1, sy), fx - sx);
               const Color water = mix(rgb(60, 108, 150), rgb(24, 54, 86), d / (H - shore));
               const double line = smoothstep(0.62, 0.8, ripples.at(x / 12, y * 0.6));
               return mix(mix(mirrored, water, 0.3 + d / 80), rgb(220, 236, 250), line * 0.18);
           }));
    // A grassy bank in the front.
    const Noise grass(116);
    c.fill(
        below([](double x) { return 80 + std::pow(std::max(0.0, x - 10) / 30, 2) * 8; },
              {0, 76, 46, H}),
        Paint([&](double x, double y) {
            return rgb(58, 112, 46).shade(0.3 * (grass.at(x * 1.5, y / 3) - 0.6) - (y - 80) / 40);
        }));
    for (int i = 0; i < 7; ++i) {
        const double x = 3 + i * 4.3;
        c.fill(stroke({{x, 86}, {x + 1.2, 76 + (i % 3) * 2.0}}, 0.9), rgb(70, 120, 50));
    }
    return c;
}

// 12: a starry night with the moon over the hills and a lit window.
Canvas starryNight() {
    Canvas c(W, H);
    c.fill(vertical(0, 72, {{0, rgb(6, 8, 28)}, {0.6, rgb(18, 30, 74)}, {1, rgb(54, 66, 116)}}));
    // The Milky Way across the sky.
    const Noise haze(121);
    c.fill(rect(0, 0, W, 72), Paint([&](double x, double y) {
               const double d = (y - (62 - x * 0.55)) / 11;
               const double a = std::exp(-d * d) * (0.3 + 0.7 * haze.fractal(x / 9, y / 9, 4));
               return rgb(176, 168, 230, a * 0.32);
           }));
    Random random(122);
    for (int i = 0; i < 110; ++i) {
        const double x = random.range(0, W);
        const double y = random.range(0, 70);
        const double b = random.unit();
        c.fill(disc(x, y, 0.45 + b * 0.35), rgb(255, 250, 236, 0.35 + 0.65 * b));
    }
    for (const Pt s : {Pt{18, 14}, Pt{44, 8}, Pt{58, 30}, Pt{9, 40}}) {
        glow(c, s, 3.2, rgb(210, 220, 255, 0.6));
        c.fill(line({s.x - 2.2, s.y}, {s.x + 2.2, s.y}, 0.45) |
                   line({s.x, s.y - 2.2}, {s.x, s.y + 2.2}, 0.45),
               rgb(255, 255, 255, 0.8));
        c.fill(disc(s.x, s.y, 0.8), rgb(255, 255, 255));
    }
    // A crescent moon.
    const Pt moon{78, 20};
    glow(c, moon, 24, rgb(220, 224, 255, 0.3));
    c.fill(disc(moon.x, moon.y, 8.5) - disc(moon.x + 4, moon.y - 2.5, 7.6),
           linear({moon.x - 8, moon.y}, {moon.x + 4, moon.y},
                  {{0, rgb(255, 248, 214)}, {1, rgb(236, 224, 180)}}));
    // Hills, far and near, with pines and a cabin.
    c.fill(below(ridge(68, 6, 14, 123, 1.0), {0, 56, W, H}), rgb(28, 34, 68));
    c.fill(below(ridge(77, 5, 18, 124, 2.5), {0, 66, W, H}),
           vertical(70, H, {{0, rgb(14, 18, 38)}, {1, rgb(6, 8, 18)}}));
    c.fill(pine(10, 80, 17) | pine(17, 80, 12) | pine(93, 79, 15) | pine(86, 80, 10) |
               pine(99, 79, 11),
           rgb(8, 10, 22));
    const Pt cabin{58, 78};
    c.fill(rect(cabin.x - 6, cabin.y - 6, cabin.x + 6, cabin.y + 2) |
               polygon({{cabin.x - 8, cabin.y - 5.5},
                        {cabin.x, cabin.y - 12},
                        {cabin.x + 8, cabin.y - 5.5}}) |
               rect(cabin.x + 3, cabin.y - 13, cabin.x + 5, cabin.y - 8),
           rgb(10, 12, 26));
    glow(c, {cabin.x - 2, cabin.y - 2.5}, 9, rgb(255, 190, 90, 0.35));
    c.fill(rect(cabin.x - 3.5, cabin.y - 4, cabin.x - 0.5, cabin.y - 1), rgb(255, 206, 110));
    c.fill(rect(cabin.x - 2.2, cabin.y - 4, cabin.x - 1.8, cabin.y - 1) |
               rect(cabin.x - 3.5, cabin.y - 2.7, cabin.x - 0.5, cabin.y - 2.3),
           rgb(90, 50, 20, 0.8));
    return c;
}

// 13: a meadow of flowers under summer clouds, hills behind and a tree on the hill.
Canvas meadow() {
    Canvas c(W, H);
    c.fill(vertical(0, 54, {{0, rgb(58, 130, 222)}, {1, rgb(196, 228, 250)}}));
    glow(c, {96, 6}, 34, rgb(255, 252, 226, 0.55));
    // Two fluffy clouds: heaps of discs, white on top and grey underneath.
    auto cloud = [&](Pt at, double s) {
        const Shape heap = disc(at.x, at.y, 5 * s) | disc(at.x + 6 * s, at.y - 2.5 * s, 6 * s) |
                           disc(at.x + 13 * s, at.y, 5 * s) |
                           disc(at.x - 5.5 * s, at.y + 1.5 * s, 3.5 * s) |
                           rect(at.x - 5.5 * s, at.y, at.x + 16 * s, at.y + 5 * s);
        const Shape flat = heap & rect(0, 0, W, at.y + 4.6 * s);
        c.fill(flat,
               vertical(
                   at.y - 9 * s, at.y + 5 * s,
                   {{0, rgb(255, 255, 255)}, {0.6, rgb(246, 248, 252)}, {1, rgb(200, 212, 230)}}));
    };
    cloud({18, 16}, 1.0);
    cloud({66, 28}, 0.7);
    const Noise turf(131);
    c.fill(below(ridge(50, 5, 13, 132, 0.5), {0, 36, W, H}),
           vertical(42, 60, {{0, rgb(128, 176, 150)}, {1, rgb(112, 160, 120)}}));
    auto hill = ridge(60, 6, 17, 133, 2.2);
    c.fill(below(hill, {0, 44, W, H}), Paint([&](double x, double y) {
               return rgb(104, 172, 66)
                   .shade(0.12 * (turf.fractal(x / 6, y / 3, 3) - 0.5) - (y - 52) / 90);
           }));
    // A round tree on the hill.
    const double treeX = 76;
    const double foot = hill(treeX) + 1.5;
    c.fill(Mask::of(ellipse(treeX + 1.5, foot + 0.5, 7, 1.5), W, H).blurred(0.8),
           rgb(30, 70, 20, 0.5));
    c.fill(rect(treeX - 1, foot - 9, treeX + 1, foot), rgb(92, 64, 40));
    const Shape crown = disc(treeX, foot - 13, 6.5) | disc(treeX - 4.5, foot - 10, 4.5) |
                        disc(treeX + 4.5, foot - 10.5, 4.8) | disc(treeX + 1, foot - 18, 4.5);
    c.fill(
        crown, Paint([&](double x, double y) {
            const double light = (treeX - x) * 0.03 + (foot - 14 - y) * 0.04;
            return rgb(58, 132, 48)
                .shade(std::clamp(light, -0.45, 0.35) + 0.15 * (turf.at(x * 0.9, y * 0.9) - 0.5));
        }));
    // The meadow in front, and its flowers, bigger as they come closer.
    auto front = ridge(70, 3.5, 22, 134, 4.0);
    c.fill(below(front, {0, 58, W, H}), Paint([&](double x, double y) {
               const double blade = turf.at(x * 1.3, y / 4);
               return mix(rgb(96, 176, 56), rgb(44, 118, 34), (y - 66) / 26)
                   .shade(0.22 * (blade - 0.5));
           }));
    Random random(135);
    const Color petals[] = {rgb(236, 54, 60), rgb(252, 220, 64), rgb(255, 255, 250),
                            rgb(176, 104, 230), rgb(255, 150, 40)};
    for (int i = 0; i < 190; ++i) {
        const double x = random.range(-1, W + 1);
        const double y = random.range(front(x) + 1.5, H + 1);
        const double near = (y - 68) / 24;
        const Color petal = petals[random.next() % 5];
        const double r = 0.45 + near * 1.1;
        c.fill(disc(x, y, r), petal);
        if (r > 1.0) c.fill(disc(x, y, r * 0.35), rgb(250, 200, 60));
    }
    return c;
}

// A tree's crown of leaves: a ragged, softly edged blob lit from the upper left.
void crown(Canvas& c, const Noise& leaves, Pt centre, double r, Color colour) {
    c.fill(
        ellipse(centre.x, centre.y, r, r * 0.85), Paint([=, &leaves](double x, double y) {
            const double n = leaves.fractal(x / 3.2, y / 3.2, 3);
            const double d = std::hypot(x - centre.x, (y - centre.y) / 0.85) / r;
            const double a = smoothstep(0.95, 0.6, d + (n - 0.5) * 0.9);
            const double light = (centre.x - x + centre.y - y) / (2.5 * r);
            return colour.shade(std::clamp(light * 0.5 + (n - 0.5) * 0.6, -0.5, 0.4)).withAlpha(a);
        }));
}

// 14: an autumn wood with a path leading in.
Canvas autumnForest() {
    Canvas c(W, H);
    c.fill(vertical(0, 70, {{0, rgb(252, 236, 200)}, {1, rgb(238, 200, 150)}}));
    const Noise leaves(141);
    Random random(143);
    // The wood behind, pale in the haze: thin trunks under a band of crowns.
    for (int i = 0; i < 14; ++i) {
        const double x = random.range(0, W);
        c.fill(rect(x, 36, x + 0.9, 66), rgb(150, 104, 84, 0.45));
    }
    const Color far[] = {rgb(226, 164, 112), rgb(214, 140, 100), rgb(230, 190, 124)};
    for (int i = 0; i < 34; ++i) {
        const Pt at{random.range(-4, W + 4), random.range(30, 46)};
        crown(c, leaves, at, random.range(4, 8), far[random.next() % 3].withAlpha(0.8));
    }
    // The forest floor and the path.
    c.fill(
        rect(0, 64, W, H), Paint([&](double x, double y) {
            const double n = leaves.fractal(x / 3, y / 2, 3);
            return mix(rgb(196, 112, 44), rgb(120, 60, 28), (y - 64) / 28).shade(0.3 * (n - 0.5));
        }));
    c.fill(
        polygon({{49, 64}, {56, 64}, {68, 78}, {80, H}, {36, H}, {44, 78}}),
        Paint([&](double x, double y) {
            return rgb(222, 186, 136).shade(0.2 * (leaves.at(x / 2, y / 2) - 0.5) - (H - y) / 200);
        }));
    // Trees: trunks, then crowns of orange, red and yellow leaves.
    struct Tree {
        double x, top, width, crown;
        Color colour;
    };
    const Tree trees[] = {
        {40, 26, 2.0, 10, rgb(236, 140, 40)}, {98, 30, 2.4, 10, rgb(242, 196, 60)},
        {64, 22, 2.4, 11, rgb(240, 178, 48)}, {6, 24, 2.4, 11, rgb(246, 190, 56)},
        {22, 12, 3.2, 15, rgb(226, 104, 34)}, {84, 8, 3.6, 17, rgb(206, 62, 36)},
    };
    for (const Tree& t : trees) {
        const double foot = 64 + (t.width - 2) * 6;
        c.fill(polygon({{t.x - t.width / 2, t.top + t.crown},
                        {t.x + t.width / 2, t.top + t.crown},
                        {t.x + t.width * 0.8, foot},
                        {t.x - t.width * 0.8, foot}}),
               linear({t.x - t.width, 0}, {t.x + t.width, 0},
                      {{0, rgb(60, 38, 28)}, {0.4, rgb(104, 72, 50)}, {1, rgb(44, 28, 20)}}));
        crown(c, leaves, {t.x, t.top + t.crown * 0.55}, t.crown, t.colour);
    }
    // Light falling through, and leaves in the air.
    c.fill(polygon({{70, 0}, {86, 0}, {52, H}, {30, H}}),
           vertical(0, H, {{0, rgb(255, 250, 220, 0.22)}, {1, rgb(255, 250, 220, 0.0)}}));
    for (int i = 0; i < 24; ++i) {
        const double x = random.range(0, W);
        const double y = random.range(10, 80);
        c.fill(ellipse(x, y, 1.0, 0.6), rgb(230, 110 + int(random.unit() * 80), 30, 0.9));
    }
    return c;
}

// 15: desert dunes under a hot sky.
Canvas desert() {
    Canvas c(W, H);
    c.fill(vertical(0, 52,
                    {{0, rgb(56, 122, 206)}, {0.7, rgb(160, 196, 228)}, {1, rgb(250, 222, 176)}}));
    const Pt sun{82, 16};
    glow(c, sun, 30, rgb(255, 250, 220, 0.6));
    c.fill(disc(sun.x, sun.y, 5.2), rgb(255, 254, 236));
    c.fill(below(ridge(50, 2.5, 12, 151), {0, 40, W, H}), rgb(228, 186, 140));

    // Dunes from back to front: each a crest at cx with a lit windward slope on its left and a
    // shaded slip face falling away on its right.
    struct Dune {
        double cx, top, base, leftWidth, rightWidth;
        Color lit, shade;
    };
    const Dune dunes[] = {
        {30, 44, 58, 40, 22, rgb(240, 190, 128), rgb(206, 144, 90)},
        {82, 48, 66, 34, 30, rgb(244, 182, 112), rgb(198, 128, 76)},
        {40, 60, 84, 60, 34, rgb(248, 178, 100), rgb(192, 116, 62)},
        {96, 74, 100, 44, 40, rgb(250, 172, 92), rgb(186, 106, 54)},
    };
    const Noise sand(152);
    for (const Dune& d : dunes) {
        auto surface = [d](double x) {
            const double w = x < d.cx ? d.leftWidth : d.rightWidth;
            const double t = (x - d.cx) / w;
            return d.top + (d.base - d.top) * (1 - std::exp(-t * t * 2.2));
        };
        const Shape body = below(surface, {-1, d.top - 1, W + 1, H});
        c.fill(body, Paint([&, d](double x, double y) {
                   const double ripple = std::sin(x * 0.55 + y * 1.9 + 3 * sand.at(x / 8, y / 8));
                   return d.lit.shade(0.05 * ripple - (y - d.top) / 260);
               }));
        // The slip face: right of a line falling from the crest.
        const Shape slipFace{[d](double x, double y) {
                                 const double t = std::max(0.0, y - d.top);
                                 return x > d.cx + 1.4 * std::sqrt(t) + 0.12 * t;
                             },
                             {d.cx - 1, d.top - 1, W + 1, H}};
        c.fill(body & slipFace,
               vertical(d.top, d.base + 10, {{0, d.shade.shade(-0.1)}, {1, d.shade}}));
        // A bright rim along the crest.
        c.fill(body - moved(body, {0, 0.9}), rgb(255, 236, 200, 0.55));
    }
    return c;
}

}  // namespace

void drawSlides(Gallery& gallery) {
    const std::function<Canvas()> slides[] = {sunset, mountainLake, starryNight,
                                              meadow, autumnForest, desert};
    for (int i = 0; i < 6; ++i)
        gallery.add("Slide/" + std::to_string(10 + i) + ".bmp",
                    slides[i]().toBitmap(ui::PixelFormat::Bits24));
}

}  // namespace brivane::artwork
