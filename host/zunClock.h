#pragma once

#include <optional>

namespace zun {

// The wall clock that loaded plug-ins read through time(). The engines seed
// their random source from it when they are created, so fixing the clock
// before creating objects reproduces a render bit for bit. nullopt gives the
// real clock back.
//
// Only an executable that links the target zun_fixed_clock has this clock:
// its time() is exported from the executable, which the dynamic linker
// searches before any library, so it takes the place of the C library's for
// every plug-in the process opens (sanitizer runtimes included).
void setFixedClock(std::optional<long long> secondsSinceEpoch);

}  // namespace zun
