// Deterministic randomness for texture and scattering: the same seed always gives the same
// pictures, on every machine.
#pragma once

#include <cstdint>

namespace brivane::artwork {

// A small generator (SplitMix64) with its own seed.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // A number in [0, 1).
    double unit();
    // A number in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t state_;
};

// Smooth value noise on a lattice, from 0 to 1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}
    double at(double x, double y) const;
    // Several octaves of the noise added together, from 0 to 1.
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    std::uint32_t seed_;
};

}  // namespace brivane::artwork
