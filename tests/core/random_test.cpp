#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

#include "zunBurst.h"
#include "zunCloud.h"
#include "zunRandom.h"

TEST(Random, FirstDrawFromSeedOne) {
  int seed = 1;
  EXPECT_EQ(zunUnipolar(seed, 1.0), 0.5000039131846505);
  EXPECT_EQ(seed, 16807);
}

TEST(Random, ScaleIsTheDoubleNearestItsDecimal) {
  const double scale = 4.6566129e-10;
  std::uint64_t bits;
  std::memcpy(&bits, &scale, sizeof bits);
  EXPECT_EQ(bits, 0x3E000000018D4EBCull);
}

TEST(Random, ProductWrapsToThirtyTwoBits) {
  int seed = 1;
  for (int i = 0; i < 6; ++i) zunDraw(seed);
  EXPECT_EQ(seed, 1878557649);  // 16807^6 mod 2^32
  seed = 0x7fffffff;
  zunDraw(seed);
  EXPECT_EQ(seed, static_cast<std::int32_t>(0x7fffffffu * 16807u));
}

TEST(Random, BipolarAddsAndRemovesOneBeforeScaling) {
  int a = 12345, b = 12345;
  const double r = zunDraw(a);
  EXPECT_EQ(zunBipolar(b, 3.0), ((r + 1.0) - 1.0) * 3.0);
  EXPECT_EQ(a, b);
}

TEST(Random, EnginesDrawFromTheirOwnSeed) {
  zunBurst burst(4, 44100.0);
  zunCloud cloud(4, 44100.0);
  burst.setSeed(1);
  cloud.setSeed(1);
  EXPECT_EQ(burst.unipolar(1.0), 0.5000039131846505);
  EXPECT_EQ(cloud.unipolar(1.0), 0.5000039131846505);
  EXPECT_EQ(cloud.bipolar(2.0), burst.bipolar(2.0));
  EXPECT_EQ(burst.seed, cloud.seed);
}

// Every seed a user gives becomes an odd state: the multiplier's order
// modulo 2^32 is 2^29, so an odd state has that period, the longest there
// is. Seeds that sit next to each other give states far apart.
TEST(Random, UserSeedsGetTheFullPeriod) {
  std::uint32_t power = 16807u;  // 16807^(2^k)
  for (int k = 0; k < 28; ++k) power *= power;
  EXPECT_NE(power, 1u);
  EXPECT_EQ(power * power, 1u);

  const long long seeds[] = {0, 1, 2, -1, -2147483648LL, 2147483647, 4294967296LL};
  for (long long s : seeds) {
    const int state = zunSeedState(s);
    EXPECT_EQ(state & 1, 1) << s;
    const auto apart = static_cast<std::uint32_t>(state ^ zunSeedState(s + 1));
    EXPECT_GE(__builtin_popcount(apart), 8) << s;
  }
}

// Without a seed, the first engine of a process keeps the clock's value and
// every later one gets a stream of its own.
TEST(Random, EnginesOfOneSecondDrawStreamsOfTheirOwn) {
  const int clock = zunClockSeed(0);
  std::vector<int> states;
  for (unsigned k = 0; k < 64; ++k) states.push_back(zunClockSeed(k));
  if (zunClockSeed(0) != clock) GTEST_SKIP() << "the clock ticked";
  EXPECT_EQ(states[0], static_cast<std::int32_t>(static_cast<std::uint32_t>(std::time(nullptr))));
  std::sort(states.begin(), states.end());
  EXPECT_EQ(std::adjacent_find(states.begin(), states.end()), states.end());
}

// A seed asked for between blocks is the state the next block draws from.
TEST(Random, AReseedTakesEffectAtTheNextBlock) {
  zunCloud cloud(4, 44100.0);
  cloud.setSeed(1);
  cloud.reseed(7);
  EXPECT_EQ(cloud.seed, 1);
  std::vector<float> table(64, 1.f);
  std::vector<double> left(1), right(1);
  double* outs[2] = {left.data(), right.data()};
  cloud.Processing(nullptr, 0, outs, 2, 1, 64, 64, table.data(), table.data());
  EXPECT_EQ(cloud.seed, zunSeedState(7));
}
