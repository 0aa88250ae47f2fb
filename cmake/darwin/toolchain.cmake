# Cross-compiling for macOS with clang and ld64.lld, one processor a build
# (arm64.cmake, x86_64.cmake set ZUN_DARWIN_TRIPLE first). The C headers
# and the text stubs of libSystem and libc++ are our own (sysroot/): they
# declare only what the externals use, so a new call into the system
# fails to compile or link until it is reviewed and added. The C++ headers
# are Debian's libc++ with a configuration for Apple's (c++/).
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_OSX_SYSROOT ${CMAKE_CURRENT_LIST_DIR}/sysroot)
set(CMAKE_OSX_ARCHITECTURES ${CMAKE_SYSTEM_PROCESSOR})

find_program(CMAKE_C_COMPILER clang-14 REQUIRED)
find_program(CMAKE_CXX_COMPILER clang++-14 REQUIRED)
find_program(CMAKE_AR llvm-ar-14 REQUIRED)
find_program(CMAKE_RANLIB llvm-ranlib-14 REQUIRED)
find_program(CMAKE_INSTALL_NAME_TOOL llvm-install-name-tool-14 REQUIRED)
find_program(ZUN_LD64 ld64.lld-14 REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${ZUN_DARWIN_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${ZUN_DARWIN_TRIPLE})

set(zun_cxx_headers "-nostdinc++ -isystem ${CMAKE_CURRENT_LIST_DIR}/c++")
string(APPEND zun_cxx_headers " -isystem /usr/lib/llvm-14/include/c++/v1")
# No path of this machine inside the binaries (Highway's and assert's
# messages name their source files).
set(zun_prefix_maps "")
foreach(dir_name IN ITEMS CMAKE_BINARY_DIR CMAKE_SOURCE_DIR ZUN_HWY_SOURCE_DIR MAX_SDK_DIR)
  if(${dir_name})
    string(APPEND zun_prefix_maps " -ffile-prefix-map=${${dir_name}}=${dir_name}")
  endif()
endforeach()
set(CMAKE_C_FLAGS_INIT "${zun_prefix_maps}")
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++ ${zun_cxx_headers}${zun_prefix_maps}")
# 711: a linker that takes -platform_version, as ld64.lld does. Links
# see the compile flags too, -nostdinc++ among them.
set(CMAKE_MODULE_LINKER_FLAGS_INIT
    "--ld-path=${ZUN_LD64} -mlinker-version=711 -Wno-unused-command-line-argument")
# Nothing links before the externals themselves.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(CMAKE_FIND_ROOT_PATH ${CMAKE_OSX_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
