#include <gtest/gtest.h>

#include "hostile_session.h"

// Seeded hostile sessions against both plug-ins; every seed is a different
// random sequence of messages, tables, vector sizes and rates.
TEST(Hostile, InvariantsHoldOnSeededSessions) {
  hostile::loadPlugins(ZUN_BURST_PLUGIN, ZUN_CLOUD_PLUGIN);
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    hostile::SeededChoices choices(seed);
    for (const std::string& failure : hostile::runSession(choices, 400))
      ADD_FAILURE() << "seed " << seed << ": " << failure;
  }
}
