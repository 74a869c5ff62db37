#!/usr/bin/env bash
# Fetches the sources of the third-party libraries that the build compiles
# itself into $BUILD/third_party/ (called by build.sh before CMake). Today
# that is TagLib, used only inside the TagLibInput plug-in: Debian's source
# package, with Debian's own patches applied except the one that swaps the
# bundled utf8-cpp for the system's (the cross build has no system headers).
#
# Done once: a finished unpack leaves a stamp, and later runs return at once.
# An interrupted run leaves no stamp and is redone from scratch.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

DEST=$BUILD/third_party
TAGLIB=$DEST/taglib
STAMP=$TAGLIB/.vuv-unpacked

if [ -f "$STAMP" ]; then
  exit 0
fi

command -v apt-get >/dev/null || die "apt-get is needed to fetch Debian's taglib source package"
command -v dpkg-source >/dev/null || die "dpkg-source (package dpkg-dev) is needed to unpack taglib"

mkdir -p "$DEST"
rm -rf "$TAGLIB" "$DEST"/taglib-fetch.*
WORK=$(mktemp -d "$DEST/taglib-fetch.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

log "fetching Debian's taglib source package into $DEST"
# apt-get warns about an unsandboxed download when run as root: harmless.
if ! (cd "$WORK" && apt-get source -q taglib >"$WORK/fetch.log" 2>&1); then
  cat "$WORK/fetch.log" >&2
  die "apt-get source taglib (is the deb-src entry of tools/setup.sh there, and apt-get update done?)"
fi
src=$(find "$WORK" -mindepth 1 -maxdepth 1 -type d -name 'taglib-*' | head -1)
[ -n "$src" ] && [ -f "$src/CMakeLists.txt" ] || die "the taglib source package did not unpack"

patch_file=$src/debian/patches/0001-Use-system-libutf8cpp-library.patch
if [ -f "$patch_file" ]; then
  (cd "$src" && patch -R -p1 -s <"$patch_file") || die "could not reverse $(basename "$patch_file")"
fi
[ -f "$src/3rdparty/utf8-cpp/checked.h" ] || die "taglib's bundled utf8-cpp is missing"

mv "$src" "$TAGLIB"
basename "$src" >"$STAMP"
log "taglib sources ready in $TAGLIB ($(cat "$STAMP"))"
