# The benchmarks' library of music files: COUNT files of mixed formats in
# $BUILD/bench-library, made once from short files that Debian's encoders
# make and from TagLib's samples, each copied under many names in 60
# folders. Source it, then call make_bench_library COUNT; it sets LIB.
make_bench_library() {
  local COUNT=$1
  LIB=$BUILD/bench-library
  local STAMP=$LIB/.made-$COUNT
  if [ ! -f "$STAMP" ]; then
    log "making a library of $COUNT files in $LIB"
    rm -rf "$LIB"
    mkdir -p "$LIB/templates"
    cd "$LIB/templates" || return 1
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
    templates=(*)
    n=${#templates[@]}
    for ((i = 0; i < COUNT; i++)); do
      t=${templates[i % n]}
      dir=$LIB/folder$((i % 60))
      [ -d "$dir" ] || mkdir -p "$dir"
      cp "$t" "$dir/Artist $i - Title $i.${t##*.}"
    done
    cd "$ROOT"
    rm -rf "$LIB/templates"
    touch "$STAMP"
  fi
}
