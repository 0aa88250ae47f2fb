#pragma once

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

// The starting state: the low 32 bits of the wall-clock time, so engines
// created within the same second draw the same values.
inline int zunClockSeed() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::time(nullptr)));
}

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
