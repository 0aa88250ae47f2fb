# Cross-compiling for 64-bit Arm Linux with Debian's g++-aarch64-linux-gnu;
# what it builds runs here under qemu-aarch64 (QEMU_LD_PREFIX names the
# libraries the cross compiler links against).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(ZUN_CROSS_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${ZUN_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${ZUN_CROSS_TRIPLE}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${ZUN_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/${ZUN_CROSS_TRIPLE}/lib/pkgconfig)
