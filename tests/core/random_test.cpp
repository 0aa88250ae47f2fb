#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

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
