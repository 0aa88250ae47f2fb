#pragma once

#include <memory>
#include <vector>

#include "zunGrain.h"
#include "zunTable.h"
#include "zunVoiceGroup.h"

// Band-limited copies of one wave table, an octave apart. Level 0 is the
// table itself; level l keeps the partials of the table up to its highest
// one (half its length) divided by 2^l, and the last level keeps only its
// mean. A grain that reaches frequency f at rate sr reads the first level
// whose highest partial h has h * f below sr / 2, so nothing it plays
// folds back from above half the sample rate.
//
// Levels are made on a message thread (that allocates and transforms the
// whole table) and never change afterwards, so the audio thread reads them
// without a lock. Each level has the table's length, so a level reads at
// the same positions as the table; the partials are cut exactly, by a
// discrete Fourier transform of the whole table, then rounded to floats.
class zunWaveLevels {
 public:
  // Longer tables are samples rather than pulsarets: they read as they are.
  static constexpr long long longest = 65536;

  // The levels of `table` as it is now. Entries that are not finite count
  // as 0 (they have no spectrum).
  static std::unique_ptr<const zunWaveLevels> make(const zunTable& table);

  // Whether these levels were made from the table a block now reads: the
  // same memory, length and stride.
  bool madeFrom(const zunTable& table) const { return table.sameFloats(source); }

  // The first level of `table` (the one they were made from) whose highest
  // partial is below `partialLimit`, or the last level.
  zunTable level(const zunTable& table, double partialLimit) const;

  int count() const { return static_cast<int>(highest.size()); }

 private:
  zunTable source;
  std::vector<long long> highest;  // each level's highest partial, level 0 first
  std::vector<float> samples;      // levels 1 and up, one after the other
};

// The wave tables' levels for one block of the pulsar engine, where
// band-limiting is on and the levels were made from the block's tables;
// null otherwise.
struct zunBlockLevels {
  const zunWaveLevels* wave1 = nullptr;
  const zunWaveLevels* wave2 = nullptr;

  bool active() const { return wave1 || wave2; }
  // The job with its wave tables replaced by the levels `voice` reads.
  zunRenderJob jobFor(const zunRenderJob& job, const zunGrain& voice) const;
};
