#pragma once
// The process's one random generator. Draws are uniform over 0..n-1; reseeding takes the low
// 32 bits of the high-resolution performance counter, or the tick count where there is none.

#include <cstdint>

namespace ui {

// A linear congruential generator: small, fast and reproducible from a seed, which is all the
// skin variants and screenshot choices need.
class Random_Generator {
  public:
    explicit Random_Generator(std::uint32_t seed = 0) : seed_(seed) {}
    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed_Value() const { return seed_; }

    // Uniform in 0..n-1 for n >= 1 (0 for n < 1).
    int Below(int n) {
        seed_ = seed_ * 0x08088405u + 1u;
        if (n < 1)
            return 0;
        return static_cast<int>(
            (static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
    }

  private:
    std::uint32_t seed_;
};

// The process-wide generator.
Random_Generator& Process_Random();

// Seeds the process-wide generator from the clock.
void Reseed();

// A draw from the process-wide generator: uniform in 0..n-1.
inline int Random_Below(int n) {
    return Process_Random().Below(n);
}

}  // namespace ui
