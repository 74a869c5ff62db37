#!/usr/bin/env bash
# Benchmark of reading tracks through the input plug-ins: FillTrackFromFile
# over a generated library of mixed formats (warm cache), in files/s.
# The library (default 6000 files) is made once in $BUILD/bench-library
# (tools/bench-library.sh).
#   tools/bench-plugins.sh [FILES] [PASSES]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

COUNT=${1:-6000}
PASSES=${2:-3}

[ -f "$TEST_BUILD/CMakeCache.txt" ] || bash "$ROOT/tools/build.sh"
cmake --build "$TEST_BUILD" -j2 --target FillTrackFromFileBench TagLibInput >/dev/null ||
  die "building the benchmark"

source "$ROOT/tools/bench-library.sh"
make_bench_library "$COUNT"

ensure_prefix
start_wine || true  # a server of this prefix may be running already
trap stop_wine EXIT
"$ROOT/tools/winerun" "$TEST_BUILD/bench/FillTrackFromFileBench.exe" \
  "Z:${LIB//\//\\}" "Z:${TEST_BUILD//\//\\}\\suite\\Multiplayer\\Input" "$PASSES"
