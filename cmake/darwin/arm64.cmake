# macOS 11 on Apple silicon, the first macOS it runs.
set(CMAKE_SYSTEM_PROCESSOR arm64)
set(CMAKE_OSX_DEPLOYMENT_TARGET 11.0)
set(ZUN_DARWIN_TRIPLE arm64-apple-macos11)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain.cmake)
