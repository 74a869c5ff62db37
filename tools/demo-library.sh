#!/usr/bin/env bash
# Lays out the demo library once: a few dozen short music files with real
# tags (MP3 by lame, FLAC by flac, Ogg Vorbis by oggenc, from tones made by
# sox) under $TEST_BUILD/demo/Music/, a playlist, and the collection
# $TEST_BUILD/demo/Demo.mcc of them (written by vuvtool from a manifest).
# Run after the build; does nothing when the collection is there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

DEMO=$TEST_BUILD/demo
[ -f "$DEMO/Demo.mcc" ] && [ "${1:-}" != --force ] && exit 0
rm -rf "$DEMO"
mkdir -p "$DEMO/Music"
MANIFEST=$DEMO/manifest.tsv
: >"$MANIFEST"
TMP=$(mktemp -d /tmp/vuv-demo.XXXXXX)
trap 'rm -rf "$TMP"' EXIT

# Windows path of a file on Wine's Z: drive.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# artist | album | year | genre | format | titles (comma-separated)
ALBUMS=(
  "Marlowe Vance|Paper Moons|2019|Indie Folk|mp3|Lanterns on the Water,Blue Kitchen,Two Cities Apart"
  "Marlowe Vance|Winter Ledger|2022|Indie Folk|flac|The Long Thaw,Salt and Cedar,Quiet Engine"
  "The Paper Lanterns|Neon Orchard|2017|Synthpop|mp3|Orchard Lights,Midnight Transit,Glass Parade"
  "The Paper Lanterns|Static Bloom|2021|Synthpop|ogg|Static Bloom,Satellite Heart,Afterglow Avenue"
  "Ines Okafor|Harmattan|2016|Jazz;Soul|flac|Harmattan,Lagos Rain,Slow Bloom"
  "Ines Okafor|Tidal Suite|2020|Jazz|mp3|Tidal Suite I,Tidal Suite II,Coda for the Harbor"
  "Northbound Static|Low Frequency Hymns|2018|Post-Rock|ogg|Signal Fire,Pylons,The Last Ferry"
  "Northbound Static|Terminal Light|2023|Post-Rock|mp3|Terminal Light,Overpass,Cold Open"
  "Clara Holm Trio|Nordic Standards|2015|Jazz|flac|Fjord Waltz,Blue Hour,Snowline"
  "Clara Holm Trio|Live at the Glasshouse|2019|Jazz|mp3|Opening,Glasshouse Blues,Encore for Anna"
  "Quiet Harbor|Slow Tides|2024|Ambient|ogg|Breakwater,Fog Signal,Low Tide at Dawn"
  "Quiet Harbor|Field Recordings|2025|Ambient;Electronic|mp3|Morning Ferry,Rain on Tin,Harbor Bells"
)
FREQS=(196 220 247 262 294 330 349 392 440 494 523 587)

n=0
for entry in "${ALBUMS[@]}"; do
  IFS='|' read -r artist album year genre format titles <<<"$entry"
  dir="$DEMO/Music/$artist/$album"
  mkdir -p "$dir"
  IFS=',' read -r -a list <<<"$titles"
  track=0
  for title in "${list[@]}"; do
    track=$((track + 1))
    n=$((n + 1))
    f1=${FREQS[$((n % 12))]}
    f2=${FREQS[$(((n * 5 + 4) % 12))]}
    secs=$((4 + n % 5))
    wav=$TMP/t.wav
    # Plucked strings, a different note on each side.
    sox -q -n -r 44100 -c 2 -b 16 -e signed-integer "$wav" synth "$secs" pluck "$f1" pluck "$f2" \
      fade q 0.05 "$secs" 0.8 vol 0.6
    base=$(printf '%02d - %s' "$track" "$title")
    firstgenre=${genre%%;*}
    case $format in
      mp3)
        out="$dir/$base.mp3"; kbps=192
        lame --quiet -b 192 --tt "$title" --ta "$artist" --tl "$album" --ty "$year" --tn "$track" \
          --tg "$firstgenre" "$wav" "$out" ;;
      flac)
        out="$dir/$base.flac"
        flac --silent -f --tag="ARTIST=$artist" --tag="TITLE=$title" --tag="ALBUM=$album" \
          --tag="DATE=$year" --tag="TRACKNUMBER=$track" --tag="GENRE=$firstgenre" -o "$out" "$wav"
        kbps=$(( $(stat -c %s "$out") * 8 / secs / 1000 )) ;;
      ogg)
        out="$dir/$base.ogg"
        oggenc -Q -q 5 -a "$artist" -t "$title" -l "$album" -d "$year" -N "$track" -G "$firstgenre" \
          -o "$out" "$wav"
        kbps=$(( $(stat -c %s "$out") * 8 / secs / 1000 )) ;;
    esac
    # A spread of ratings, play counts, boosts and marks, so that every
    # kind of row shows: new tracks, the four highlights.
    pref=$(( (n * 7) % 10 ))
    plays=$(( (n * 13) % 29 ))
    boost=4000; [ $((n % 4)) = 1 ] && boost=$((350 + (n * 37) % 500))
    flags=0
    case $n in 5) flags=8 ;; 11) flags=16 ;; 17) flags=32 ;; 23) flags=64 ;; 33|34|35|36) flags=1 ;; esac
    days=$(( (n * 17) % 400 ))
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' \
      "$(winpath "$out")" "$artist" "$title" "$album" "$year" "$track" "$genre" "$((secs * 1000))" \
      "$kbps" 44100 2 "$pref" "$flags" "$plays" "$boost" "$days" >>"$MANIFEST"
  done
done

# A playlist kept as one item.
PLAYLIST="$DEMO/Music/Road Trip.m3u"
{
  echo "#EXTM3U"
  find "$DEMO/Music" -name '*.mp3' | sort | head -6 | while read -r f; do winpath "$f"; echo; done
} >"$PLAYLIST"
printf '%s\t\tRoad Trip\t\t0\t0\t\t0\t0\t0\t0\t6\t0\t3\t4000\t2\n' "$(winpath "$PLAYLIST")" >>"$MANIFEST"

"$ROOT/tools/winerun" "$TEST_BUILD/suite/vuvtool.exe" demo-collection "$(winpath "$MANIFEST")" \
  "$(winpath "$DEMO/Demo.mcc")" >/dev/null || die "writing the demo collection"
log "demo library: $n tracks in $DEMO"
