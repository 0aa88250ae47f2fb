#!/usr/bin/env bash
# Whole `zun render` runs, timed side by side for one or two zun builds.
#
#   bench/render_bench.sh [-r RUNS] [-s SECONDS] [-o voices|cubic|jobs|all] [-f] [-c] A [B]
#
# A and B are zun executables, or git revisions, which are built (Release)
# in a worktree under build-revs/. Runs alternate
# A B A B ... and the tables give medians.
#
# voices: per workload, CPU nanoseconds per voice-sample, net of an almost
#   empty render of the same graph (the same score with its grains off).
#   The mean voice count comes from the objects' own "info" answers.
# cubic: the same at 8, 64 and 120 voices, each workload linear and with
#   "cubic 1".
# jobs: wall time of an 8-object score (4 burst.zun~, 4 cloud.zun~, every
#   pool of 128 voices full) with --jobs 1 and with --jobs N (all cores),
#   for builds that have the option.
# -f runs every render at a real-time priority (SCHED_FIFO, as root): on a
#   machine others share, the scheduler otherwise gives all the threads of
#   one session a single session's share, and --jobs cannot show.
# -c counts instructions (valgrind's cachegrind) instead of timing the
#   voices and cubic tables: per voice-sample, net as above. Counts of a
#   render vary by about 1 % from run to run, a clock here by tens; valgrind
#   hides AVX-512, so the renders take their AVX2 path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

runs=5
seconds=60
what=all
priority=()
cost=cpu_ms
unit=ns
while getopts "r:s:o:fc" opt; do
  case $opt in
    r) runs=$OPTARG ;;
    s) seconds=$OPTARG ;;
    o) what=$OPTARG ;;
    f) priority=(chrt -f 10) ;;
    c) cost=instructions; unit=instructions ;;
    *) sed -n '2,25p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { sed -n '2,25p' "$0"; exit 2; }

rate=48000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A zun executable for an argument: as given, or built from a revision.
zun_for() {
  if [ -x "$1" ] && [ -f "$1" ]; then
    realpath "$1"
    return
  fi
  local rev tree
  rev=$(git rev-parse --short "$1")
  tree=$root/build-revs/$rev
  [ -d "$tree" ] || git worktree add --detach "$tree" "$rev" >&2
  cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DZUN_BUILD_TESTS=OFF -DZUN_BUILD_BENCH=OFF >/dev/null
  cmake --build "$tree/build" --target zun >&2
  echo "$tree/build/tools/zun"
}

builds=()
for b in "$@"; do builds+=("$(zun_for "$b")"); done

# score NAME OBJECT-LINES: a score of the given objects, switched on at 0 s,
# asking each for its voice count every half second; NAME-off.zun is the
# same graph with its grains off.
info_lines() {
  local id=$1 t
  for t in $(seq 1 0.5 "$seconds"); do echo "at $t $id info"; done
}

# the message that turns on cubic reads, where asked for
cubic_line() {  # ID [cubic]
  [ "${2:-}" != cubic ] || echo "at 0 $1 cubic 1"
}

pulsar() {  # ID VOICES [cubic]
  cat <<EOF
object $1 burst.zun~ sine window sine
at 0 $1 interp 1
$(cubic_line "$1" "${3:-}")
at 0 $1 setWidth 1
at 0 $1 setLength 85
at 0 $1 setDensity $(echo "$2 / 0.085" | bc -l)
at 0 $1 start 1
EOF
}

sample() {  # ID VOICES RATIO [cubic]
  cat <<EOF
object $1 cloud.zun~ sample window
at 0 $1 interp 1
$(cubic_line "$1" "${4:-}")
at 0 $1 setWidth 1
at 0 $1 setLength 85
at 0 $1 setPhase 0.25
at 0 $1 setPitch $(echo "12 * l($3) / l(2)" | bc -l)
at 0 $1 setDensity $(echo "$2 / 0.085" | bc -l)
at 0 $1 start 1
EOF
}

tables() {
  cat <<EOF
buffer sine   sine 2048
buffer window hann 2048
buffer sample noise $((10 * rate))
EOF
}

make_score() {  # NAME BODY
  local infos="" id
  for id in $(echo "$2" | awk '$1 == "object" {print $2}'); do infos+="$(info_lines "$id")"$'\n'; done
  { tables; echo "$2"; echo "$infos"; echo "end $seconds"; } >"$work/$1.zun"
  { tables; echo "$2" | sed 's/ start 1$/ start 0/'; echo "$infos"; echo "end $seconds"; } >"$work/$1-off.zun"
}

cpu_ms() {  # ZUN SCORE [ARGS...]
  local zun=$1 score=$2
  shift 2
  perf stat -x, -e task-clock "${priority[@]}" "$zun" render "$score" -o - -q --seed 1 --sr $rate "$@" \
    2>&1 >/dev/null | awk -F, '/task-clock/ {print $1}'
}

# cost in the units the tables divide, a million per ms of CPU time
instructions() {  # ZUN SCORE
  valgrind --tool=cachegrind --cache-sim=no --cachegrind-out-file=/dev/null \
    "$1" render "$2" -o - -q --seed 1 --sr $rate 2>&1 >/dev/null |
    awk '/I *refs/ {gsub(",", "", $4); print $4 / 1e6}'
}

wall_ms() {  # ZUN SCORE [ARGS...]
  local zun=$1 score=$2 start end
  shift 2
  start=$(date +%s%N)
  "${priority[@]}" "$zun" render "$score" -o - -q --seed 1 --sr $rate "$@" >/dev/null
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 ))" | awk '{print $1 / 1000}'
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

mean_voices() {  # ZUN SCORE
  "$1" render "$2" -o - -q --seed 1 --sr $rate --info "$work/info.csv" >/dev/null
  awk -F, 'NR > 1 {s += $4; n++} END {print s / n}' "$work/info.csv"
}

# The scores of workloads named pulsar-VOICES[-cubic] and
# sample-RATIO-VOICES[-cubic].
make_workload() {  # NAME
  local parts
  IFS=- read -ra parts <<<"$1"
  if [ "${parts[0]}" = pulsar ]; then
    make_score "$1" "$(pulsar p "${parts[1]}" "${parts[2]:-}")"
  else
    make_score "$1" "$(sample c "${parts[2]}" "${parts[1]}" "${parts[3]:-}")"
  fi
}

voices_table() {  # WORKLOAD...
  local workloads=("$@")
  for w in "${workloads[@]}"; do make_workload "$w"; done
  local header="| workload | voices |" rule="|---|---:|" b w r
  for b in "${!builds[@]}"; do header+=" build $((b + 1)) $unit/voice-sample |"; rule+="---:|"; done
  echo "$header"
  echo "$rule"
  for w in "${workloads[@]}"; do
    local voices
    voices=$(mean_voices "${builds[0]}" "$work/$w.zun")
    for b in "${!builds[@]}"; do : >"$work/$w.$b.on"; : >"$work/$w.$b.off"; done
    for ((r = 0; r < runs; r++)); do
      for b in "${!builds[@]}"; do
        $cost "${builds[$b]}" "$work/$w.zun" >>"$work/$w.$b.on"
        $cost "${builds[$b]}" "$work/$w-off.zun" >>"$work/$w.$b.off"
      done
    done
    local row="| $w | $voices |"
    for b in "${!builds[@]}"; do
      local on off
      on=$(median <"$work/$w.$b.on")
      off=$(median <"$work/$w.$b.off")
      row+=" $(echo "$on $off $voices" | awk -v f=$((seconds * rate)) '{printf "%.2f", ($1 - $2) * 1e6 / ($3 * f)}') |"
    done
    echo "$row"
  done
}

jobs_table() {
  local body="" i
  for i in 1 2 3 4; do body+="$(pulsar p$i 200)"$'\n'"$(sample c$i 200 1.0)"$'\n'; done
  make_score eight "$body"
  echo "| build | --jobs 1 wall s | --jobs $(nproc) wall s | ratio |"
  echo "|---|---:|---:|---:|"
  for b in "${!builds[@]}"; do
    if ! "${builds[$b]}" render --help 2>/dev/null | grep -q -- --jobs; then
      echo "| build $((b + 1)) | (no --jobs) | | |"
      continue
    fi
    : >"$work/one"; : >"$work/all"
    for ((r = 0; r < runs; r++)); do
      wall_ms "${builds[$b]}" "$work/eight.zun" --jobs 1 >>"$work/one"
      wall_ms "${builds[$b]}" "$work/eight.zun" --jobs "$(nproc)" >>"$work/all"
    done
    local one all
    one=$(median <"$work/one")
    all=$(median <"$work/all")
    echo "| build $((b + 1)) | $(echo "$one" | awk '{printf "%.2f", $1 / 1000}') |" \
      "$(echo "$all" | awk '{printf "%.2f", $1 / 1000}') | $(echo "$all $one" | awk '{printf "%.3f", $1 / $2}') |"
  done
}

for b in "${!builds[@]}"; do echo "build $((b + 1)): ${builds[$b]}"; done
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores;" \
  "load average $(cut -d' ' -f1-3 /proc/loadavg); $runs runs of $seconds s at $rate Hz" \
  "${priority[*]:+at real-time priority}"
echo
plain=(pulsar-64 pulsar-120 sample-1.0-64 sample-1.0-120 sample-1.5-64 sample-1.5-120)
cubic=()
for v in 8 64 120; do
  for w in pulsar-$v sample-1.0-$v sample-1.5-$v; do cubic+=("$w" "$w-cubic"); done
done
case $what in
  voices) voices_table "${plain[@]}" ;;
  cubic) voices_table "${cubic[@]}" ;;
  jobs) jobs_table ;;
  all) voices_table "${plain[@]}"; echo; jobs_table ;;
esac
