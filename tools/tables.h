#pragma once

// The tables a score declares: made by a generator (wave shapes and grain
// windows) or read from a sound file, ready to be put in buffer~ objects.

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "score.h"

namespace zun::tools {

struct Table {
  std::string name;
  long channels = 1;
  std::vector<float> samples;  // interleaved, as a buffer~ holds them
  double sampleRate = 0.0;     // a sound file's; 0 for a generated table
  long long frames() const {
    return static_cast<long long>(samples.size()) / static_cast<long long>(channels);
  }
};

// The largest table a score may declare, in frames (a quarter of a GB of
// floats in one channel).
constexpr long long maxTableFrames = 1LL << 26;

// The generators by name, each with its arguments as the docs write them.
struct GeneratorInfo {
  const char* name;
  const char* arguments;  // "[CYCLES]" or ""
  const char* summary;
};
const std::vector<GeneratorInfo>& generators();

// Fills `out` with `size` values of a generator. Returns an empty string,
// or what is wrong with `params` (nothing is written then). `seed` feeds
// the noise generator.
std::string generate(const std::string& generator, long long size,
                     const std::vector<double>& params, std::uint64_t seed,
                     std::vector<float>& out);

// The seed of the noise table `name` in a render seeded with `seed`.
std::uint64_t noiseSeed(std::uint64_t seed, const std::string& name);

// Builds every table of the score; generator or file problems are errors
// at the place that caused them. `seed` makes noise tables reproducible;
// tables with different names get different noise.
std::vector<Table> buildTables(const Score& score, std::uint64_t seed, double renderRate,
                               Diagnostics& diagnostics);

}  // namespace zun::tools
