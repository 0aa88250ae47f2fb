#!/usr/bin/env bash
# Developer entry point: installs the Debian packages zun needs when they are
# missing, builds, and runs what is asked.
#   ./dev.sh render     build, then render the bundled example scores
#   ./dev.sh test       build, then run every test
#   ./dev.sh sanitize   build and run the tests under ASan+UBSan, then the
#                       concurrency stress tests under TSan
#   ./dev.sh bench      build optimised and run the benchmarks
#   ./dev.sh package    build the Max package: the Win64 externals against
#                       the Max SDK at $MAX_SDK_DIR (./max-sdk-base), with
#                       Highway from $HWY_SOURCE_DIR (./highway), the macOS
#                       compile check and the package tree; test it and
#                       print its folder
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev libsndfile1-dev libcli11-dev libhwy-dev nlohmann-json3-dev
          libxml2-utils)

# The Windows cross compiler, for `package` only.
package_packages=(g++-mingw-w64-x86-64-posix)

install_missing() {
  local missing=()
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  elif command -v sudo >/dev/null; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  else
    echo "zun needs these Debian packages; as root run:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
}

# build DIR [cmake options...]
build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

jobs=$(nproc)

case "${1:-help}" in
  render)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    mkdir -p out
    for score in examples/*.zun; do
      name=$(basename "$score" .zun)
      build/tools/zun render "$score" -o "out/$name.wav" --seed 1
    done
    echo "Rendered the example scores into $(pwd)/out/"
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  sanitize)
    install_missing
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DZUN_SANITIZE=address,undefined -DZUN_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    build build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUN_SANITIZE=thread -DZUN_BUILD_BENCH=OFF
    TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L concurrency
    ;;
  package)
    install_missing "${package_packages[@]}"
    sdk=${MAX_SDK_DIR:-max-sdk-base}
    hwy=${HWY_SOURCE_DIR:-highway}
    for dir in "$sdk/c74support" "$hwy/hwy"; do
      [ -d "$dir" ] || { echo "dev.sh package: no $dir (set MAX_SDK_DIR and HWY_SOURCE_DIR)" >&2; exit 1; }
    done
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAX_SDK_DIR="$(realpath "$sdk")" \
      -DZUN_HWY_SOURCE_DIR="$(realpath "$hwy")"
    ctest --test-dir build --output-on-failure -j "$jobs" -L package
    echo "$(pwd)/build/max-package/zun"
    ;;
  bench)
    install_missing
    build build-bench -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_TESTS=OFF
    build-bench/bench/zun_bench "${@:2}"
    ;;
  *)
    sed -n '2,15p' "$0"
    ;;
esac
