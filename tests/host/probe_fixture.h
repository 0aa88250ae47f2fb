#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zunHost.h"

// Tests that drive the probe plug-in through the host, from a clean host.
class ProbeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { zun::loadPlugin(ZUN_PROBE_PLUGIN); }
  void SetUp() override { zun::reset(); }
  void TearDown() override { zun::reset(); }

  static std::vector<std::string> lines() {
    std::vector<std::string> text;
    for (const zun::ConsoleLine& line : zun::console()) text.push_back(line.text);
    return text;
  }
};
