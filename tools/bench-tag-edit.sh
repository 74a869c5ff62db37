#!/usr/bin/env bash
# Benchmark of the properties dialog's OK on many tracks: ApplyTrackEdit
# writing artist, album and genre into every file of a generated library
# (default 1000 files: MP3, FLAC and Ogg Vorbis of 10 seconds each), in
# files/s. The library is made once in $BUILD/bench-tag-library; the
# benchmark rewrites its tags on every run.
#   tools/bench-tag-edit.sh [FILES] [PASSES]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

COUNT=${1:-1000}
PASSES=${2:-3}
LIB=$BUILD/bench-tag-library
STAMP=$LIB/.made-$COUNT

[ -f "$TEST_BUILD/CMakeCache.txt" ] || bash "$ROOT/tools/build.sh"
cmake --build "$TEST_BUILD" -j2 --target TrackEditBench TagLibInput >/dev/null ||
  die "building the benchmark"

if [ ! -f "$STAMP" ]; then
  log "making a library of $COUNT files in $LIB"
  rm -rf "$LIB"
  mkdir -p "$LIB/templates"
  cd "$LIB/templates"
  sox -n -r 44100 -c 2 -b 16 tone.wav synth 10 sine 440 sine 660
  lame --quiet -b 192 --add-id3v2 --tt Rain --ta Corvina --tl Clouds --ty 2001 --tn 7 --tg Rock tone.wav tone.mp3
  flac --silent -T ARTIST=Corvina -T TITLE=Hail -T ALBUM=Clouds -o tone.flac tone.wav
  oggenc --quiet -a Corvina -t Fog -l Clouds -o tone.ogg tone.wav
  rm tone.wav
  copy_templates "$LIB" "$COUNT" 20
  cd "$LIB"
  rm -rf "$LIB/templates"
  touch "$STAMP"
fi

run_library_bench TrackEditBench "$LIB" "$PASSES"
