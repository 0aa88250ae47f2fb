# macOS 10.13 on Intel: the first with C++17's aligned allocation.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_OSX_DEPLOYMENT_TARGET 10.13)
set(ZUN_DARWIN_TRIPLE x86_64-apple-macos10.13)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain.cmake)
