#!/usr/bin/env bash
# Benchmark of reading tracks through the input plug-ins: FillTrackFromFile
# over a generated library of mixed formats (warm cache), in files/s.
# The library (default 6000 files) is made once in $BUILD/bench-library
# from the files of tools/bench-templates.sh, each copied under many names
# in 60 folders.
#   tools/bench-plugins.sh [FILES] [PASSES]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

source "$ROOT/tools/bench-templates.sh"
run_library_bench FillTrackFromFileBench "$BUILD/bench-library" "${1:-6000}" 60 "${2:-3}" mixed_templates
