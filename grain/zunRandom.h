#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>

// The engines' random source, one draw: the 32-bit state is multiplied by
// 16807 with two's-complement wrap-around, then scaled to about [-1, 1].
// The scale is the double nearest 4.6566129e-10, a hair above 2^-31.
inline double zunDraw(int& seed) {
  seed = static_cast<std::int32_t>(static_cast<std::uint32_t>(seed) * 16807u);
  return static_cast<double>(seed) * 4.6566129e-10;
}

// From 0 to x.
inline double zunUnipolar(int& seed, double x) { return ((zunDraw(seed) + 1.0) * 0.5) * x; }

// From -x to x; the 1.0 is added and taken away before the product, which
// rounds differently from the bare draw times x.
inline double zunBipolar(int& seed, double x) { return ((zunDraw(seed) + 1.0) - 1.0) * x; }

// The splitmix64 step: a bijection of 64-bit values in which every input
// bit changes about half of the output bits.
inline std::uint64_t zunMix(std::uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// A seed a user gives, any integer, as a state of the generator. The
// multiplier 16807 is 7 modulo 8, so an odd state returns only after 2^29
// draws, the longest period the generator has; an even state has a shorter
// one (0 stays 0, and -2^31 is a fixed point). The seed is mixed first, so
// that neighbouring seeds give unrelated streams rather than multiples of
// one another, and the top 32 bits of the mix are made odd.
inline int zunSeedState(long long seed) {
  const std::uint64_t mixed = zunMix(static_cast<std::uint64_t>(seed));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(mixed >> 32) | 1u);
}

// The state an engine starts from when nobody gives a seed: the low 32 bits
// of the wall-clock time. `instance` numbers the engines made in one
// process: the first keeps the plain clock value, every later one mixes its
// number in, so that engines made within the same second draw streams of
// their own.
inline int zunClockSeed(unsigned instance = 0) {
  const std::uint32_t clock = static_cast<std::uint32_t>(std::time(nullptr));
  if (instance == 0) return static_cast<std::int32_t>(clock);
  return zunSeedState(static_cast<long long>((std::uint64_t{instance} << 32) | clock));
}

// A seed asked for on a message thread. The audio thread takes it up at the
// start of its next block, where no draw is in progress that could
// overwrite it.
class zunSeedRequest {
 public:
  void ask(int state) { pending.store(state, std::memory_order_relaxed); }
  template <class State>
  void apply(State& seed) {
    const long long state = pending.exchange(none, std::memory_order_relaxed);
    if (state != none) seed = static_cast<int>(state);
  }

 private:
  static constexpr long long none = -(1LL << 40);  // no int is this
  std::atomic<long long> pending{none};
};

// The same draws on an engine's published state: loaded, advanced, stored.
template <class State>
double zunUnipolar(State& state, double x) {
  int seed = state;
  const double r = zunUnipolar(seed, x);
  state = seed;
  return r;
}

template <class State>
double zunBipolar(State& state, double x) {
  int seed = state;
  const double r = zunBipolar(seed, x);
  state = seed;
  return r;
}
