// Uniform random integers, injected so that tests can fix the game's choices.
#pragma once

#include <cstdint>
#include <random>

namespace zx {

class Random {
  public:
    virtual ~Random() = default;
    // A uniformly distributed integer from 0 to n - 1 (0 when n <= 1).
    virtual int next(int n) = 0;
};

class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : gen_(seed) {}
    int next(int n) override {
        if (n <= 1) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(gen_);
    }

  private:
    std::mt19937_64 gen_;
};

}  // namespace zx
