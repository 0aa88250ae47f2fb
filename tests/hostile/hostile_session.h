#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A hostile session drives both plug-ins through the host with a random
// sequence of actions: every selector with atoms of every type and value
// (NaN, infinities, signed zeros, denormals, huge and tiny numbers, wrong
// types), buffer~ tables of 0, 1, 2 and odd numbers of frames and of several
// channels that are deleted, resized and refilled between vectors, locks that
// fail, vector sizes from 1 to 16384 and sample rates changed mid-run. After
// every vector it checks what must always hold and records any breach.

namespace hostile {

// Where a session takes its choices from: a seeded generator, or the bytes a
// fuzzer hands in (which run out; then every choice is 0 and the session
// winds down).
class Choices {
 public:
  virtual ~Choices() = default;
  virtual std::uint32_t next() = 0;
  virtual bool exhausted() const { return false; }
  std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : next() % n; }
  bool oneIn(std::uint32_t n) { return below(n) == 0; }
};

class SeededChoices : public Choices {
 public:
  explicit SeededChoices(std::uint32_t seed) : rng(seed) {}
  std::uint32_t next() override { return static_cast<std::uint32_t>(rng()); }

 private:
  std::mt19937 rng;
};

class ByteChoices : public Choices {
 public:
  ByteChoices(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
  std::uint32_t next() override;
  bool exhausted() const override { return used >= size; }

 private:
  const std::uint8_t* data;
  std::size_t size;
  std::size_t used = 0;
};

// Loads the plug-ins once per process.
void loadPlugins(const std::string& burstPath, const std::string& cloudPath);

// Runs up to `actions` actions from a fresh host state, then the end check,
// and returns every invariant that was broken (empty when all held).
std::vector<std::string> runSession(Choices& choices, int actions);

}  // namespace hostile
