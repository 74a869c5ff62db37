#!/usr/bin/env bash
# Benchmark of reading tracks through the input plug-ins: FillTrackFromFile
# over a generated library of mixed formats (warm cache), in files/s.
# The library (default 6000 files) is made once in $BUILD/bench-library
# from short files that Debian's encoders make and from TagLib's samples,
# each copied under many names in 60 folders.
#   tools/bench-plugins.sh [FILES] [PASSES]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

templates() {
  sox -n -r 44100 -c 2 -b 16 tone.wav synth 3 sine 440
  lame --quiet -V 4 --tt Rain --ta Corvina --tl Clouds --ty 2001 --tn 7 --tg Rock tone.wav vbr.mp3
  lame --quiet -b 192 --tt Snow --ta Corvina --tl Clouds tone.wav cbr.mp3
  flac --silent -T ARTIST=Corvina -T TITLE=Hail -T ALBUM=Clouds -T DATE=2003 -T TRACKNUMBER=2 -o tone.flac tone.wav
  oggenc --quiet -a Corvina -t Fog -l Clouds -d 2004 -N 3 -o tone.ogg tone.wav
  opusenc --quiet --artist Corvina --title Mist tone.wav tone.opus
  sox tone.wav tone.aiff
  data=$BUILD/third_party/taglib/tests/data
  cp "$data/has-tags.m4a" "$data/silence-1.wma" "$data/mac-399.ape" "$data/click.wv" \
     "$data/click.mpc" "$data/tagged.tta" .
  rm tone.wav
  sox -n -r 22050 -c 1 -b 16 tone.wav synth 2 sine 220
}

run_library_bench FillTrackFromFileBench "$BUILD/bench-library" "${1:-6000}" 60 "${2:-3}" templates
