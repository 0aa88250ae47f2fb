// ZUN_BENCH_TARGET=AVX2 (or any other name Highway gives an instruction set:
// AVX3, SSE4, ...) limits the benchmarks to that instruction set, so that
// this processor also measures those without its best one: without gather
// instructions (SSE4) the engines render voice by voice.

#include <hwy/targets.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const bool limited = [] {
  const char* name = std::getenv("ZUN_BENCH_TARGET");
  if (!name) return false;
  for (const int64_t target : hwy::SupportedAndGeneratedTargets()) {
    if (std::strcmp(hwy::TargetName(target), name) == 0) {
      hwy::SetSupportedTargetsForTest(target);
      return true;
    }
  }
  std::fprintf(stderr, "ZUN_BENCH_TARGET: no instruction set %s on this processor\n", name);
  std::exit(2);
}();

}  // namespace
