#!/usr/bin/env bash
# Builds the benchmarks of bench/ and runs each under Wine, printing its
# figures. Each program reports the median of several runs itself.
# Usage: bash tools/bench.sh [NAME...]   (default: every program in bench/)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[ -f "$TEST_BUILD/CMakeCache.txt" ] || bash "$ROOT/tools/build.sh"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for src in "$ROOT"/bench/*.cpp; do names+=("$(basename "$src" .cpp)"); done
fi
cmake --build "$TEST_BUILD" -j"$(nproc)" --target "${names[@]}" >/dev/null ||
  die "building the benchmarks"
ensure_prefix
# The track list benchmark draws into a real window: it needs a display.
export VUV_FORCE_XVFB=1
start_xvfb
start_wine || true  # a server of this prefix may be running already
trap 'stop_wine; stop_xvfb' EXIT
for name in "${names[@]}"; do
  log "running $name"
  "$ROOT/tools/winerun" "$TEST_BUILD/bench/$name.exe"
done
