#!/usr/bin/env bash
# Sets everything up, builds, and runs every test under Wine and Xvfb.
# Extra arguments go to ctest (for example -R core_tests).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$ROOT/tools/build.sh"
log "testing the $TEST_ARCH build in $TEST_BUILD"
export VUV_FORCE_XVFB=1
start_xvfb
start_wine
trap 'stop_wine; stop_xvfb' EXIT
# The window tests take screenshots, one of them of the editor on the demo
# library.
bash "$ROOT/tools/demo-library.sh"
export VUV_SCREENSHOT_DIR=$BUILD/screenshots VUV_DEMO_COLLECTION=$TEST_BUILD/demo/Demo.mcc
mkdir -p "$VUV_SCREENSHOT_DIR"
cd "$TEST_BUILD"
ctest --output-on-failure -j2 --timeout 900 "$@"
