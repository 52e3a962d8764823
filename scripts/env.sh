# Shared settings of the setup, build, run and test scripts (sourced, not run).
#
# Two architectures: i686 (what ships) and x86_64 (for machines whose kernel
# cannot execute 32-bit programs). Each has its own build folder
# ($BUILD_DIR/<arch>) and its own Wine prefix ($JORV_PREFIX-<arch>).
# ARCH=i686|x86_64 chooses one; otherwise every architecture this machine can
# run is used by the test script, and the first of them by the others.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=${BUILD_DIR:-$ROOT/build}
JORV_PREFIX=${JORV_PREFIX:-$HOME/.wine-jorvensaal}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

die() {
  echo "error: $*" >&2
  exit 1
}

# A 93-byte static 32-bit Linux program that only exits with 0: whether the
# kernel runs it is whether 32-bit Wine can run here.
jorv_can_run_32bit() {
  local probe
  probe=$(mktemp)
  echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A' |
    base64 -d >"$probe"
  chmod +x "$probe"
  local rc=0
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  return $rc
}

# Prints the architectures to use, the one that ships first.
jorv_arches() {
  if [ -n "${ARCH:-}" ]; then
    case "$ARCH" in
      i686) jorv_can_run_32bit || die "ARCH=i686, but this machine cannot execute 32-bit programs"
        echo i686 ;;
      x86_64) echo x86_64 ;;
      *) die "ARCH must be i686 or x86_64, not '$ARCH'" ;;
    esac
    return 0
  fi
  [ "$(uname -m)" = x86_64 ] || [ "$(uname -m)" = i686 ] ||
    die "this machine ($(uname -m)) is not an x86 machine; Wine cannot run the programs here"
  local arches=""
  jorv_can_run_32bit && arches="i686"
  [ "$(uname -m)" = x86_64 ] && arches="$arches x86_64"
  echo $arches
}

# Points the build folder, the Wine prefix and the Wine commands at one
# architecture. Debian's wine wrapper takes the 32-bit loader whenever wine32
# is installed, so the loader and the server are named explicitly.
jorv_use_arch() {
  JORV_ARCH=$1
  BUILD_DIR=$BUILD_ROOT/$JORV_ARCH
  export WINEPREFIX=$JORV_PREFIX-$JORV_ARCH
  case "$JORV_ARCH" in
    i686)
      export WINEARCH=win32
      WINE=/usr/lib/wine/wine
      export WINESERVER=/usr/lib/wine/wineserver32
      ;;
    x86_64)
      export WINEARCH=win64
      WINE=/usr/lib/wine/wine64
      export WINESERVER=/usr/lib/wine/wineserver64
      ;;
  esac
  export WINELOADER=$WINE
}

# Starts Xvfb on a free display when there is none; sets XVFB_PID.
ensure_display() {
  XVFB_PID=""
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$n
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill $XVFB_PID 2>/dev/null || true
  done
  echo "error: could not start Xvfb" >&2
  return 1
}

# Configures and builds the chosen architecture's folder.
build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$JORV_ARCH.cmake" -DJORV_WERROR=ON >/dev/null ||
    die "configuring the $JORV_ARCH build in $BUILD_DIR failed (see above)"
  cmake --build "$BUILD_DIR" -j "$(nproc)" "$@" ||
    die "building $JORV_ARCH in $BUILD_DIR failed (see above)"
}
