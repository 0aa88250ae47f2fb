// libFuzzer entry: the fuzzer's bytes choose a hostile session's actions;
// a broken invariant aborts, as a sanitizer report does.
#include <cstdio>
#include <cstdlib>

#include "hostile_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool loaded = (hostile::loadPlugins(ZUN_BURST_PLUGIN, ZUN_CLOUD_PLUGIN), true);
  (void)loaded;
  hostile::ByteChoices choices(data, size);
  const std::vector<std::string> failures = hostile::runSession(choices, 400);
  for (const std::string& failure : failures)
    std::fprintf(stderr, "invariant broken: %s\n", failure.c_str());
  if (!failures.empty()) std::abort();
  return 0;
}
