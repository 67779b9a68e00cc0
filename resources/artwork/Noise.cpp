#include "resources/artwork/Noise.h"

#include <cmath>

namespace brivane::artwork {

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

double Noise::lattice(int x, int y) const {
    std::uint32_t h =
        seed_ * 0x9E3779B1u ^ std::uint32_t(x) * 0x85EBCA77u ^ std::uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return double(h) / 4294967295.0;
}

double Noise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy);
    const double b = lattice(ix + 1, iy);
    const double c = lattice(ix, iy + 1);
    const double d = lattice(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Noise::fractal(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * at(x, y);
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

}  // namespace brivane::artwork
