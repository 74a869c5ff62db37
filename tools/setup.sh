#!/usr/bin/env bash
# Installs everything the build, the demo and the tests need on Debian 12
# (bookworm, amd64), as root. Safe to run again: when every package is
# already there it only checks and returns.
#
# The product is a 32-bit Windows program, so Wine needs its i386 half
# (wine32:i386). The mirror's i386 index of bookworm-security is sometimes
# out of sync with amd64; Multi-Arch: same libraries must then have the same
# version on both architectures, and a plain install fails with "held broken
# packages". In that case the install is retried against bookworm and
# bookworm-updates only, pinning the shared libraries to one version.
#
# Where the kernel cannot run 32-bit x86 code at all, wine32 is useless: the
# i386 half is then not installed, and the x86_64 cross compiler is, for the
# test build (see common.sh).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[ "$(id -u)" = 0 ] || die "run as root (it installs Debian packages)"

PKGS=(
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 cmake make
  googletest xvfb xauth imagemagick fonts-dejavu-core x11-utils
  dpkg-dev patch xz-utils
  wine wine64 fonts-wine
  sox lame flac vorbis-tools opus-tools id3v2
)
if [ "$TEST_ARCH" = i686 ]; then
  PKGS+=(wine32:i386)
else
  PKGS+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
fi

missing_packages() {
  local p
  for p in "${PKGS[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

export DEBIAN_FRONTEND=noninteractive

if [ "$TEST_ARCH" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  log "adding the i386 architecture"
  dpkg --add-architecture i386 || die "dpkg --add-architecture i386"
fi

# TagLib is built from Debian's source package: that needs a deb-src entry.
SRC_LIST=/etc/apt/sources.list.d/vuv-deb-src.sources
if [ ! -f "$SRC_LIST" ]; then
  cat > "$SRC_LIST" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  NEED_UPDATE=1
fi

todo=$(missing_packages)
if [ -z "$todo" ] && [ -z "${NEED_UPDATE:-}" ]; then
  log "all packages present"
  exit 0
fi

log "apt-get update"
# A partly failed update (exit 100) is expected while the i386 security index
# is out of sync; the install below says whether what we got is enough.
apt-get update -q >/tmp/vuv-apt-update.log 2>&1 || log "apt-get update reported errors (see /tmp/vuv-apt-update.log); going on"

todo=$(missing_packages)
[ -z "$todo" ] && { log "all packages present"; exit 0; }

log "installing: $(echo $todo | tr '\n' ' ')"
if apt-get install -y -q --no-install-recommends $todo >/tmp/vuv-apt-install.log 2>&1; then
  log "installed"
  exit 0
fi
log "plain install failed (see /tmp/vuv-apt-install.log); retrying against bookworm and bookworm-updates only"

# Resolve against the main suites only, in a private list directory so that
# the machine's own lists stay as they are.
ALT=$(mktemp -d /tmp/vuv-apt.XXXXXX)
mkdir -p "$ALT/sources" "$ALT/lists/partial"
cat > "$ALT/sources/main.sources" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
APT_ALT=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$ALT/sources" -o "Dir::State::Lists=$ALT/lists")
apt-get "${APT_ALT[@]}" update -q >>/tmp/vuv-apt-update.log 2>&1 || die "apt-get update of the main suites failed (see /tmp/vuv-apt-update.log)"

# Every Multi-Arch: same package in the closure of what is missing gets the
# main-suite version on amd64 too, as do installed packages built from the
# same source at the same version (they often depend on it exactly).
closure=$(apt-cache "${APT_ALT[@]}" depends --recurse --no-recommends --no-suggests \
  --no-conflicts --no-breaks --no-replaces --no-enhances $todo 2>/dev/null |
  grep -v '^ ' | grep -v '^<' | sed 's/:i386$//; s/:amd64$//' | sort -u)
# One batched query each: per-package calls take minutes on a large closure.
same=$(apt-cache "${APT_ALT[@]}" show $(printf '%s:amd64\n' $closure) 2>/dev/null |
  awk '/^Package:/{p=$2} /^Multi-Arch: same/{print p}' | sort -u)
declare -A cand=()
while read -r pkg ver; do cand[$pkg]=$ver; done < <(
  apt-cache "${APT_ALT[@]}" policy $(printf '%s:amd64\n' $same) 2>/dev/null |
  awk '/^[^ ].*:$/{sub(/:$/,""); sub(/:amd64$/,""); p=$0} /Candidate:/{print p, $2}')
pins=()
declare -A pinned_src=()
while read -r pkg ver src; do
  pkg=${pkg%%:*}
  c=${cand[$pkg]:-}
  [ -n "$c" ] && [ "$c" != "(none)" ] && [ "$c" != "$ver" ] || continue
  pins+=("$pkg:amd64=$c")
  pinned_src["$src@$ver"]=1
done < <(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package} ${Version} ${source:Package}\n' \
           $(printf '%s:amd64\n' $same) 2>/dev/null | awk '$1=="ii"{print $2, $3, $4}')
# Installed packages of the same source and version usually depend on the
# pinned one exactly (liblzma-dev on liblzma5): they move with it.
others=()
while read -r pkg ver src; do
  [ -n "${pinned_src[$src@$ver]:-}" ] || continue
  printf '%s\n' "${pins[@]}" | grep -q "^${pkg%%:*}:" && continue
  others+=("$pkg")
done < <(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package} ${Version} ${source:Package}\n' 2>/dev/null |
           awk '$1=="ii" && $2 !~ /:i386$/ {print $2, $3, $4}')
if [ ${#others[@]} -gt 0 ]; then
  while read -r pkg c; do
    [ -n "$c" ] && [ "$c" != "(none)" ] && pins+=("$pkg=$c")
  done < <(apt-cache "${APT_ALT[@]}" policy "${others[@]}" 2>/dev/null |
           awk '/^[^ ].*:$/{sub(/:$/,""); p=$0} /Candidate:/{print p, $2}')
fi

log "pinning ${#pins[@]} shared libraries to the main-suite versions"
if apt-get "${APT_ALT[@]}" install -y -q --no-install-recommends --allow-downgrades --no-remove \
     $todo "${pins[@]}" >>/tmp/vuv-apt-install.log 2>&1; then
  log "installed against the main suites"
  rm -rf "$ALT"
  exit 0
fi
tail -20 /tmp/vuv-apt-install.log >&2
die "could not install: $(echo $todo | tr '\n' ' ') (full log: /tmp/vuv-apt-install.log)"
