#!/usr/bin/env bash
# Benchmark of the editor's reads of music files through the input plug-ins
# (bench/TagReadBench.cpp): FillTrackFromFile and every tag element in
# files/s, the tag editor's reads of one file in microseconds, over a
# generated library of mixed formats (warm cache). The library (default 6000
# files) is made once in $BUILD/bench-library from the files of
# tools/bench-templates.sh, each copied under many names in 60 folders.
# Given OLD_PLUGIN_FOLDER (a folder holding another build of the plug-in, of
# the tested architecture), the built plug-ins and those take turns, ROUNDS
# times each, in this one run, so that both see the same machine.
#   tools/bench-plugins.sh [FILES] [PASSES] [OLD_PLUGIN_FOLDER] [ROUNDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

source "$ROOT/tools/bench-templates.sh"
files=${1:-6000} passes=${2:-3} old=${3:-} rounds=${4:-3}
if [ -z "$old" ]; then
  run_library_bench TagReadBench "$BUILD/bench-library" "$files" 60 "$passes" mixed_templates
  exit
fi
old=$(cd "$old" && pwd)
for ((round = 1; round <= rounds; round++)); do
  echo "== round $round: the built plug-ins"
  run_library_bench TagReadBench "$BUILD/bench-library" "$files" 60 "$passes" mixed_templates
  echo "== round $round: $old"
  run_library_bench TagReadBench "$BUILD/bench-library" "$files" 60 "$passes" mixed_templates "$old"
done
