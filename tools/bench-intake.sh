#!/usr/bin/env bash
# Benchmark of adding music: FILES new files of mixed formats (default
# 10,000, the library of tools/bench-plugins.sh) added to a collection of
# 100,000 tracks, from the command to the saved collection, warm cache:
#  1. bench/AddTracksBench.exe: the scan, AddTracks and the save in one
#     process, phase by phase;
#  2. the whole command, `vuvtool --collection C add --recurse LIBRARY`, as a
#     process of its own (loading the collection included), timed from
#     outside.
#   tools/bench-intake.sh [FILES] [RUNS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

COUNT=${1:-10000}
RUNS=${2:-3}

source "$ROOT/tools/bench-templates.sh"
LIB=$BUILD/bench-library
run_library_bench AddTracksBench "$LIB" "$COUNT" 60 "$RUNS" mixed_templates
cmake --build "$TEST_BUILD" -j2 --target vuvtool >/dev/null || die "building vuvtool"

WORK=$(mktemp -d /tmp/vuv-bench-intake.XXXXXX)
trap 'stop_wine; rm -rf "$WORK"' EXIT
winpath() { printf 'Z:%s' "${1//\//\\}"; }
tool=$TEST_BUILD/suite/vuvtool.exe
"$ROOT/tools/winerun" "$tool" large-collection 100000 "$(winpath "$WORK")\\base.mcc" >/dev/null
best=
for ((run = 0; run <= RUNS; run++)); do
  cp "$WORK/base.mcc" "$WORK/run.mcc"
  cp "$WORK/base.mcg" "$WORK/run.mcg"
  start=$(date +%s%N)
  out=$("$ROOT/tools/winerun" "$tool" --collection "$(winpath "$WORK")\\run.mcc" add --recurse "$(winpath "$LIB")")
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  added=$(printf '%s\n' "$out" | tr -d '\r' | tail -n 1)
  if [ "$run" -eq 0 ]; then
    log "warm-up: $added in $ms ms"
    continue
  fi
  n=${added#added }; n=${n%% of *}
  printf 'vuvtool add, run %d: %s in %d ms: %d files/s\n' "$run" "$added" "$ms" $(( n * 1000 / ms ))
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
printf 'vuvtool add: best %d ms for %s new files to 100,000 tracks: %d files/s\n' "$best" "$n" $(( n * 1000 / best ))
