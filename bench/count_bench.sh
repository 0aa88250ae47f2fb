#!/usr/bin/env bash
# Instructions per voice-sample of the voice and engine benchmarks, counted
# by callgrind, for one or more zun_bench builds side by side.
#
#   bench/count_bench.sh [-t TARGETS] [-f REGEX] BENCH [BENCH...]
#
# BENCH: zun_bench executables (an optimised build: ./dev.sh bench, or
#   cmake -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_BENCH=ON in a worktree of
#   the revision to compare).
# -t: instruction sets, as ZUN_BENCH_TARGET names them (default "SCALAR AVX2").
#   Valgrind hides AVX-512 from the program, so AVX3 cannot be counted.
# -f: the benchmarks to count (default: the voice and engine benchmarks).
#
# A clock on a shared machine moves by tens of percent between sittings;
# a count does not. Each benchmark runs one iteration of its timed loop
# (--benchmark_min_time=0), so every run makes the same calls, and the
# count per call of the routine the benchmark times (the engine's or the
# voice's Processing) includes everything beneath it. The engines' count
# includes their warm-up from an empty pool, the same in every build.
# Counts are not times, but a change in code that does more work shows.
set -euo pipefail

targets="SCALAR AVX2"
filter='^BM_(Voice(Morph|Sample)(Cubic)?|BurstEngine|CloudEngine)/'
while getopts "t:f:" opt; do
  case $opt in
    t) targets=$OPTARG ;;
    f) filter=$OPTARG ;;
    *) sed -n '2,20p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { sed -n '2,20p' "$0"; exit 2; }
command -v valgrind >/dev/null || { echo "count_bench.sh needs valgrind" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# per_call OUT CALLEE: callgrind's inclusive count per call of the functions
# whose names start with CALLEE, over the calls from the benchmark's own code.
per_call() {
  python3 - "$1" "$2" <<'EOF'
import re, sys
path, callee = sys.argv[1:3]
names, fn, cfn, pending, calls = {}, "", "", False, 0
def named(token):
    m = re.match(r"\((\d+)\)(?: (.*))?", token)
    if not m:
        return token
    if m.group(2):
        names[m.group(1)] = m.group(2)
    return names.get(m.group(1), token)
n = ir = 0
for line in open(path):
    if line.startswith("fn="):
        fn = named(line[3:].rstrip("\n"))
    elif line.startswith("cfn="):
        cfn = named(line[4:].rstrip("\n"))
    elif line.startswith("calls="):
        calls, pending = int(line[6:].split()[0]), True
    elif pending:
        pending = False
        if fn.startswith("(anonymous namespace)") and cfn.startswith(callee):
            n += calls
            ir += int(line.split()[1])
print(ir / n if n else "nan")
EOF
}

callee_of() {  # BENCHMARK
  case $1 in
    BM_Voice*) echo "zunGrain::Processing" ;;
    BM_Burst*) echo "zunBurst::Processing" ;;
    *) echo "zunCloud::Processing" ;;
  esac
}

builds=("$@")
for i in "${!builds[@]}"; do echo "build $((i + 1)): ${builds[$i]}"; done
for target in $targets; do
  echo
  header="| $target |" rule="|---|"
  for i in "${!builds[@]}"; do header+=" build $((i + 1)) |"; rule+="---:|"; done
  echo "$header"
  echo "$rule"
  names=$(ZUN_BENCH_TARGET=$target "$1" --benchmark_list_tests --benchmark_filter="$filter")
  for name in $names; do
    row="| \`$name\` |"
    for bench in "${builds[@]}"; do
      out=$(ZUN_BENCH_TARGET=$target valgrind --tool=callgrind --callgrind-out-file="$work/cg" \
              "$bench" --benchmark_filter="^$name\$" --benchmark_min_time=0 2>/dev/null)
      voices=$(echo "$out" | grep -o 'voices=[0-9.]*' | head -1 | cut -d= -f2 || true)
      per=$(per_call "$work/cg" "$(callee_of "$name")")
      # a call renders one vector of 64 samples
      row+=" $(awk -v p="$per" -v v="${voices:-1}" 'BEGIN {printf "%.2f", p / (64 * v)}') |"
    done
    echo "$row"
  done
done
