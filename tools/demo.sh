#!/usr/bin/env bash
# Sets everything up, builds, and runs the editor on the built-in demo.
# Without a display it runs under an Xvfb of its own, saves a screenshot
# once the window has drawn, closes the editor and prints the PNG's path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$ROOT/tools/build.sh"
SUITE=$TEST_BUILD/suite
EXE=$SUITE/Vuv.exe
SHOTS=$BUILD/screenshots
mkdir -p "$SHOTS"

if [ -n "${DISPLAY:-}" ]; then
  start_wine
  trap stop_wine EXIT
  "$ROOT/tools/winerun" "$EXE"
  exit
fi

start_xvfb
start_wine
trap 'stop_wine; stop_xvfb' EXIT
# A virtual desktop gives the window its frame (there is no window manager).
"$VUV_WINE" explorer /desktop=Default,1280x1024 "$EXE" >/dev/null 2>&1 &
WINPID=$!
WINCTL=$TEST_BUILD/tests/winctl.exe
"$ROOT/tools/winerun" "$WINCTL" wait "Tonbrook - Music Collection" 30000 || die "the editor's window did not appear"
sleep 2
SHOT=$SHOTS/demo.png
import -display "$DISPLAY" -window root "$SHOT" || die "screenshot"
"$ROOT/tools/winerun" "$WINCTL" close "Tonbrook - Music Collection" 10000 || log "the editor did not close in time"
wait $WINPID 2>/dev/null || true
echo "$SHOT"
