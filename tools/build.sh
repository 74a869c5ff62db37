#!/usr/bin/env bash
# Sets up the machine (packages), builds the suite into build/suite/ (and the
# x86_64 test build into build/x64/ where this machine needs it, see
# common.sh), and makes the Wine prefix. Safe to run again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$ROOT/tools/setup.sh"
bash "$ROOT/tools/third_party.sh"

# configure_and_build DIR ARCH TESTS(ON|OFF)
configure_and_build() {
  local dir=$1 arch=$2 tests=$3
  mkdir -p "$dir"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$tests" \
      -DVUV_THIRD_PARTY_DIR="$BUILD/third_party" >"$dir/configure.log" 2>&1 ||
      { cat "$dir/configure.log" >&2; die "cmake configure ($arch)"; }
  fi
  log "building $arch in $dir (log: $dir/build.log)"
  if ! cmake --build "$dir" -j"$(nproc)" >"$dir/build.log" 2>&1; then
    grep -E -B2 -A6 'error|Error' "$dir/build.log" | head -120 >&2
    die "build ($arch)"
  fi
  grep -E 'warning:' "$dir/build.log" | sort -u | head -40 >&2 || true
}

if [ "$TEST_ARCH" = i686 ]; then
  configure_and_build "$BUILD" i686 ON
else
  configure_and_build "$BUILD" i686 OFF
  configure_and_build "$TEST_BUILD" "$TEST_ARCH" ON
fi
ensure_prefix
