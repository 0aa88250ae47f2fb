#!/usr/bin/env bash
# Developer entry point: installs the Debian packages zun needs when they are
# missing, builds, and runs what is asked.
#   ./dev.sh render     build, then render the bundled example scores
#   ./dev.sh test       build, then run every test
#   ./dev.sh sanitize   build and run the tests under ASan+UBSan, then the
#                       concurrency stress tests under TSan
#   ./dev.sh bench      build optimised and run the benchmarks
#   ./dev.sh docs       render the scores of docs/pictures and draw their
#                       spectrograms (docs/pictures/*.png) with sox
#   ./dev.sh package    build the Max package: the Win64 and macOS externals
#                       against the Max SDK at $MAX_SDK_DIR (./max-sdk-base),
#                       with Highway from $HWY_SOURCE_DIR (./highway), and
#                       the package tree; and the Pd package for deken; test
#                       them, run the Win64 externals under Wine (Pd's in a
#                       Windows Pd built from $PD_SOURCE_DIR,
#                       ../shared/puredata-0.53.1) and the Linux arm64 build
#                       under qemu against the Linux ones, read the macOS
#                       ones, and print both packages' paths
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev libsndfile1-dev libcli11-dev libhwy-dev nlohmann-json3-dev
          libxml2-utils puredata-core puredata-dev)

# For `package` only: the Windows and Linux arm64 cross compilers, qemu to
# run the arm64 build, LLVM's Mach-O linker and tools with libc++'s headers
# for the macOS build (libc++: Apache-2.0 WITH LLVM-exception; only its
# headers are used, against the Mac's own libc++), Wine to run the Windows
# one (without the desktop packages Wine recommends), and Python with its
# readers of ELF, PE and Mach-O files, which check what the cross builds make
# and name the Pd package after the binaries inside.
package_packages=(g++-mingw-w64-x86-64-posix g++-aarch64-linux-gnu qemu-user
                  clang-14 lld-14 llvm-14 libc++-14-dev
                  python3 python3-pefile python3-macholib python3-pyelftools)
wine_packages=(wine64 wine)

# install_missing [--no-install-recommends] [PACKAGE...]: the packages
# above and these, those that are missing.
install_missing() {
  local options=(-y -qq) missing=()
  [ "${1:-}" = --no-install-recommends ] && options+=("$1") && shift
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install "${options[@]}" "${missing[@]}"
  elif command -v sudo >/dev/null; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install "${options[@]}" "${missing[@]}"
  else
    echo "zun needs these Debian packages; as root run:" >&2
    echo "  apt-get update && apt-get install ${options[*]} ${missing[*]}" >&2
    exit 1
  fi
}

# build DIR [cmake options...] [-- targets...]
build() {
  local dir=$1; shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
  [ $# -gt 0 ] && shift && targets=(--target "$@")
  cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
  cmake --build "$dir" "${targets[@]}"
}

jobs=$(nproc)

case "${1:-help}" in
  render)
    install_missing
    # zun and the plug-ins it drives, nothing else
    build build -DCMAKE_BUILD_TYPE=Release -- zun
    mkdir -p out
    for score in examples/*.zun; do
      name=$(basename "$score" .zun)
      build/tools/zun render "$score" -o "out/$name.wav" --seed 1 -q
      echo "out/$name.wav"
    done
    echo "Rendered the example scores into $(pwd)/out/"
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=Release
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  sanitize)
    install_missing
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DZUN_SANITIZE=address,undefined -DZUN_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    build build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUN_SANITIZE=thread -DZUN_BUILD_BENCH=OFF
    TSAN_OPTIONS=halt_on_error=1 \
      ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L concurrency
    ;;
  package)
    install_missing "${package_packages[@]}"
    install_missing --no-install-recommends "${wine_packages[@]}"
    sdk=${MAX_SDK_DIR:-max-sdk-base}
    hwy=${HWY_SOURCE_DIR:-highway}
    for dir in "$sdk/c74support" "$hwy/hwy"; do
      [ -d "$dir" ] && continue
      echo "dev.sh package: no $dir (set MAX_SDK_DIR and HWY_SOURCE_DIR)" >&2
      exit 1
    done
    # Pd's source, for the Windows and arm64 Pd that run those Pd externals
    pd_source=${PD_SOURCE_DIR:-../shared/puredata-0.53.1}
    pd_options=()
    [ -f "$pd_source/src/m_pd.h" ] && pd_options=(-DPD_SOURCE_DIR="$(realpath "$pd_source")")
    build build -DCMAKE_BUILD_TYPE=Release -DMAX_SDK_DIR="$(realpath "$sdk")" \
      -DZUN_HWY_SOURCE_DIR="$(realpath "$hwy")" "${pd_options[@]}"
    ctest --test-dir build --output-on-failure -j "$jobs" -L package
    echo "$(pwd)/build/max-package/zun"
    ls "$(pwd)"/build/deken/*.dek
    ;;
  bench)
    install_missing
    build build-bench -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_TESTS=OFF
    build-bench/bench/zun_bench "${@:2}"
    ;;
  docs)
    packages+=(sox)
    install_missing
    build build -DCMAKE_BUILD_TYPE=Release -- zun
    work=build/docs
    mkdir -p "$work"
    # the rising tone some pictures granulate: 2 s from 200 Hz to 4 kHz
    sox -n -r 44100 -b 16 -c 1 "$work/chirp.wav" synth 2 sine 200/4000 vol 0.5
    for score in docs/pictures/*.zun; do
      name=$(basename "$score" .zun)
      title=$(sed -n 's/^# title: //p' "$score")
      range=$(sed -n 's/^# range: //p' "$score")  # of the grey scale, in dB
      height=$(sed -n 's/^# height: //p' "$score")  # of each channel's picture
      channels=(remix -)  # one picture of all channels, unless the score says stereo or channels
      grep -q '^# \(stereo\|channels\)' "$score" && channels=()
      # read from standard input, so that its sound files are found in $work
      (cd "$work" && ../tools/zun render - -o "$name.wav" --seed 1 -q) < "$score"
      sox "$work/$name.wav" -n "${channels[@]}" rate 16k \
        spectrogram -m -l -x 560 -y "${height:-161}" -z "${range:-70}" -t "$title" \
        -o "docs/pictures/$name.png"
    done
    echo "Drew $(ls docs/pictures/*.png | wc -l) pictures into docs/pictures/"
    ;;
  *)
    sed -n '2,19p' "$0"
    ;;
esac
