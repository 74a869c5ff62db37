# The music files the benchmarks' libraries are copied from, made in the
# current folder: short files that Debian's encoders make in the common
# formats, and TagLib's samples of the others. Source it; the benchmarks
# hand mixed_templates to run_library_bench (common.sh).
mixed_templates() {
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
