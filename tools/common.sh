# Shared by the project's scripts: paths, the test architecture and the Wine
# environment. Source it; it sets ROOT, BUILD, TEST_ARCH, TEST_BUILD and the
# Wine variables.
#
# The product is built for i686 into build/suite/. It is tested as i686 where
# this machine can run 32-bit x86 code. Some kernels have 32-bit emulation
# switched off (no 32-bit code segment at all: neither wine32 nor Wine's WoW64
# mode can run an i686 program there); on those, the same sources are also
# built for x86_64 into build/x64/ and the tests run that build under wine64.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VUV_BUILD_DIR:-$ROOT/build}

log() { printf '%s: %s\n' "$(basename "$0")" "$*" >&2; }
die() { log "FAILED: $*"; exit 1; }

# True when the kernel runs 32-bit x86 programs: a 93-byte i386 ELF that
# only calls exit(0).
can_run_32bit() {
  local probe
  probe=$(mktemp /tmp/vuv-probe32.XXXXXX) || return 1
  printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\061\333\315\200' >"$probe"
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1
  local rc=$?
  rm -f "$probe"
  return $rc
}

if [ -z "${VUV_TEST_ARCH:-}" ]; then
  if can_run_32bit; then VUV_TEST_ARCH=i686; else VUV_TEST_ARCH=x86_64; fi
fi
export VUV_TEST_ARCH
TEST_ARCH=$VUV_TEST_ARCH
if [ "$TEST_ARCH" = i686 ]; then
  TEST_BUILD=$BUILD
  export WINEPREFIX=$BUILD/wineprefix-win32 WINEARCH=win32
  VUV_WINE=/usr/lib/wine/wine
else
  TEST_BUILD=$BUILD/x64
  export WINEPREFIX=$BUILD/wineprefix-win64 WINEARCH=win64
  VUV_WINE=/usr/lib/wine/wine64
  export WINELOADER=$VUV_WINE
fi
export VUV_WINE
export WINEDEBUG=-all
# No Mono or Gecko installer dialog, ever.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The project's own prefix inside the build folder, made once.
ensure_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    log "creating the Wine prefix $WINEPREFIX"
    mkdir -p "$BUILD"
    "$VUV_WINE" wineboot -i >/dev/null 2>&1 </dev/null || die "wineboot -i ($VUV_WINE)"
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || die "the Wine prefix was not created"
  fi
  # Debian's wine does not find the fonts-wine package; without these the
  # title bars and dialogs fall back to substitute glyphs.
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # Xvfb has no window manager: Wine must place and size the windows itself
  # (otherwise a maximised window keeps its old size, waiting for a window
  # manager to resize it).
  if [ ! -f "$WINEPREFIX/.vuv-unmanaged" ]; then
    "$VUV_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null &&
      touch "$WINEPREFIX/.vuv-unmanaged"
  fi
}

# A running wineserver for the session, with its background services already
# up so that they do not hold a test runner's output pipe open.
start_wine() {
  # Started apart: a persistent server may stay in the foreground.
  (wineserver -p </dev/null >/dev/null 2>&1 &)
  sleep 0.5
  "$VUV_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
stop_wine() { wineserver -k 2>/dev/null || true; }

# An Xvfb of our own when no display is set (or VUV_FORCE_XVFB is set);
# sets DISPLAY and XVFB_PID.
start_xvfb() {
  XVFB_PID=
  if [ -n "${DISPLAY:-}" ] && [ -z "${VUV_FORCE_XVFB:-}" ]; then return; fi
  local n
  for n in $(seq 91 140); do
    { [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; } && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    export DISPLAY=:$n
    return
  done
  die "no free X display number for Xvfb"
}
stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=; }

# The plug-in benchmarks: builds bench/NAME, makes the library LIB of COUNT
# music files once, and runs the benchmark on it PASSES times with the
# suite's plug-ins. TEMPLATES, a function run in an empty folder, makes the
# files that are copied round robin into FOLDERS folders of LIB, each as
# "Artist I - Title I" with the template's extension.
run_library_bench() {
  local name=$1 lib=$2 count=$3 folders=$4 passes=$5 templates=$6 i t dir
  [ -f "$TEST_BUILD/CMakeCache.txt" ] || bash "$ROOT/tools/build.sh"
  cmake --build "$TEST_BUILD" -j2 --target "$name" TagLibInput >/dev/null || die "building the benchmark"
  if [ ! -f "$lib/.made-$count" ]; then
    log "making a library of $count files in $lib"
    rm -rf "$lib"
    mkdir -p "$lib/templates"
    (cd "$lib/templates" && "$templates") || die "making the templates"
    local made=("$lib"/templates/*)
    for ((i = 0; i < count; i++)); do
      t=${made[i % ${#made[@]}]}
      dir=$lib/folder$((i % folders))
      [ -d "$dir" ] || mkdir -p "$dir"
      cp "$t" "$dir/Artist $i - Title $i.${t##*.}"
    done
    rm -rf "$lib/templates"
    touch "$lib/.made-$count"
  fi
  ensure_prefix
  start_wine || true  # a server of this prefix may be running already
  trap stop_wine EXIT
  "$ROOT/tools/winerun" "$TEST_BUILD/bench/$name.exe" \
    "Z:${lib//\//\\}" "Z:${TEST_BUILD//\//\\}\\suite\\Multiplayer\\Input" "$passes"
}
