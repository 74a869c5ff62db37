#!/usr/bin/env bash
# Checks the built 32-bit programs with objdump, where a wrong calling
# convention or a missing DLL would only show on the user's machine:
# - the plug-in exports its five functions under their plain names (a
#   __stdcall export would read "GetTrackInfo@48", a cdecl one without the
#   .def "_GetTrackInfo"; the suite's programs look them up by plain name);
# - every program imports only DLLs that a stock 32-bit Windows has.
# Prints the faults and exits 1 when there is any.
# Usage: check-binaries.sh OBJDUMP PLUGIN.dll PROGRAM...
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 OBJDUMP PLUGIN.dll PROGRAM..." >&2; exit 2; }
objdump=$1
plugin=$2
shift 2

# The system DLLs of a stock 32-bit Windows (XP and later) that a program of
# the suite may import; compared without regard to case.
allowed="advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 version winmm"
exports="WhatFormats GetTrackInfo GetStringInfo GetIDTagElement SetIDTagElement"

faults=0
fault() { echo "check-binaries: $*" >&2; faults=$((faults + 1)); }

# The exported names: the lines of the "[Ordinal/Name Pointer] Table".
names=$("$objdump" -p "$plugin" | awk '/^\[Ordinal\/Name Pointer\] Table/ { on = 1; next } on && NF == 0 { on = 0 } on { print $NF }')
for name in $exports; do
  grep -qx "$name" <<<"$names" || fault "$(basename "$plugin") does not export $name under its plain name"
done
while read -r name; do
  case $name in
    *@* | _*) fault "$(basename "$plugin") exports the decorated name $name" ;;
  esac
done <<<"$names"

for program in "$plugin" "$@"; do
  while read -r dll; do
    [ -n "$dll" ] || continue
    base=$(tr '[:upper:]' '[:lower:]' <<<"${dll%.*}")
    [[ " $allowed " == *" $base "* ]] || fault "$(basename "$program") imports $dll, which a stock Windows does not have"
  done < <("$objdump" -p "$program" | awk '/DLL Name:/ { print $3 }')
done
[ "$faults" -eq 0 ] || exit 1
