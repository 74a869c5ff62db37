#!/usr/bin/env bash
# Benchmark of the properties dialog's OK on many tracks: ApplyTrackEdit
# writing artist, album and genre into every file of a generated library
# (default 1000 files: MP3, FLAC and Ogg Vorbis of 10 seconds each, in 20
# folders), in files/s. The library is made once in
# $BUILD/bench-tag-library; the benchmark rewrites its tags on every run.
#   tools/bench-tag-edit.sh [FILES] [PASSES]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

templates() {
  sox -n -r 44100 -c 2 -b 16 tone.wav synth 10 sine 440 sine 660
  lame --quiet -b 192 --add-id3v2 --tt Rain --ta Corvina --tl Clouds --ty 2001 --tn 7 --tg Rock tone.wav tone.mp3
  flac --silent -T ARTIST=Corvina -T TITLE=Hail -T ALBUM=Clouds -o tone.flac tone.wav
  oggenc --quiet -a Corvina -t Fog -l Clouds -o tone.ogg tone.wav
  rm tone.wav
}

run_library_bench TrackEditBench "$BUILD/bench-tag-library" "${1:-1000}" 20 "${2:-3}" templates
