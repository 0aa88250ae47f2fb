# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads:
# the C++ standard library's threads and atomics then come from
# winpthread, which is linked in statically).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZUN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZUN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZUN_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${ZUN_MINGW_TRIPLE}-objdump)
set(CMAKE_NM ${ZUN_MINGW_TRIPLE}-nm)

set(CMAKE_FIND_ROOT_PATH /usr/${ZUN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config finds only libraries built for Windows.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${ZUN_MINGW_TRIPLE}/lib/pkgconfig)

# GCC does not align the Win64 stack beyond 16 bytes: AVX spills and
# locals declared 32- or 64-byte aligned may sit where an aligned vector
# move faults. The assembler writes every aligned vector move as its
# unaligned twin, as fast on aligned data (binutils 2.38 and later).
set(CMAKE_C_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
