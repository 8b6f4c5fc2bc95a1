# Which Wine runs the DLL for the checks: 32-bit Wine with the product where it runs
# here, else the 64-bit twin (the same sources built for x86_64, never packaged) under
# wine64. ORVANE_WINE=32 or ORVANE_WINE=64 picks one on any machine. Source after
# i386.sh.
#
# The loaders are called by path: Debian's /usr/bin/wine (and winepath, wineboot, which
# go through it) starts the 32-bit loader whenever wine32 is installed, even for a
# 64-bit program, and falls back to wine64 only when wine32 is absent.
WINE64_LOADER=/usr/lib/wine/wine64
case "${ORVANE_WINE:-}" in
  "" | 32 | 64) ;;
  *) echo "ORVANE_WINE is \"$ORVANE_WINE\": 32, 64 or unset" >&2; exit 2 ;;
esac

# Whether wine64 starts here.
wine64_runs() {
  [ -x "$WINE64_LOADER" ] && "$WINE64_LOADER" --version >/dev/null 2>&1
}

# Why 32-bit Wine cannot run the checks here; nothing when it can.
wine32_missing() {
  case "$(i386_mode)" in
    native) ;;
    qemu) [ "${ORVANE_QEMU_I386:-0}" = 1 ] ||
      echo "32-bit programs run here only through qemu-i386; set ORVANE_QEMU_I386=1 to run Wine through it" ;;
    none)
      if [ -x "$I386_PROBE" ] || ! i386_programs_run; then
        echo "this kernel cannot run 32-bit programs, so 32-bit Wine cannot start (ORVANE_QEMU_I386=1 tries qemu-i386)"
      else
        echo "32-bit Wine is not installed (package wine32:i386)"
      fi ;;
  esac
  command -v i686-w64-mingw32-g++ >/dev/null || echo "the DLL is not built (package g++-mingw-w64-i686)"
}

# Why the 64-bit twin cannot run the checks here; nothing when it can.
wine64_missing() {
  wine64_runs || echo "wine64 does not run here (package wine64)"
  command -v x86_64-w64-mingw32-g++ >/dev/null || echo "the 64-bit twin is not built (package g++-mingw-w64-x86-64)"
}

# Whether the 64-bit twin is the Wine of this machine (ORVANE_WINE=64, or 32-bit Wine
# cannot run), so that its packages and its build are needed.
twin_wanted() {
  case "${ORVANE_WINE:-}" in
    64) return 0 ;;
    32) return 1 ;;
  esac
  [ -n "$(wine32_missing)" ]
}

# Picks the Wine of this run. Sets WINE_BITS (32, 64, or empty with WINE_MISSING saying
# why neither runs), WINE_LOADER, WINE_BUILD (the build folder it runs) and
# WINE_DISPLAY_PREFIX; the twin has prefixes of its own, a 64-bit prefix cannot host
# 32-bit Wine without wine32, nor the reverse.
choose_wine() {
  local why32="" why64=""
  WINE_BITS=""
  if [ "${ORVANE_WINE:-}" != 64 ]; then
    why32=$(wine32_missing)
    [ -n "$why32" ] || WINE_BITS=32
  fi
  if [ -z "$WINE_BITS" ] && [ "${ORVANE_WINE:-}" != 32 ]; then
    why64=$(wine64_missing)
    [ -n "$why64" ] || WINE_BITS=64
  fi
  case "$WINE_BITS" in
    32)
      WINE_LOADER="$I386_PROBE"
      WINE_BUILD="$BUILD_ROOT/win32"
      WINE_DISPLAY_PREFIX="${ORVANE_DISPLAY_PREFIX:-$BUILD_ROOT/wine-display}" ;;
    64)
      WINE_LOADER="$WINE64_LOADER"
      WINE_BUILD="$BUILD_ROOT/win64"
      WINE_DISPLAY_PREFIX="$BUILD_ROOT/wine64-display"
      export WINEPREFIX="$BUILD_ROOT/wine64-prefix" WINEARCH=win64 ;;
    *)
      WINE_MISSING=$(printf '%s\n' "$why32" "$why64" | awk 'NF { printf "%s%s", sep, $0; sep = "; " }')
      return 1 ;;
  esac
}

# Whether Wine can run the DLL here; WINE_MISSING says why not.
wine_runs_here() {
  [ -n "${WINE_BITS:-}" ] && return 0
  choose_wine
}

# What ran or would run the checks under Wine, for the end of a test run.
wine_flavour() {
  if ! wine_runs_here; then
    echo "none ($WINE_MISSING)"
  elif [ "$WINE_BITS" = 64 ]; then
    echo "the 64-bit twin under wine64"
  elif [ "$(i386_mode)" = qemu ]; then
    echo "32-bit Wine through qemu-i386"
  else
    echo "32-bit Wine"
  fi
}

# Ends a check that needs Wine with SKIPPED, and the reason, where no Wine can run.
skip_without_wine() {
  wine_runs_here && return 0
  echo "skipped: $WINE_MISSING"
  exit "$SKIPPED"
}

# Runs a Windows program of the chosen build under its Wine (the first start creates
# the prefix).
run_wine() {
  timeout 300 "$WINE_LOADER" "$@"
}

# Builds the 64-bit twin where the checks under Wine run with it; nothing elsewhere.
build_win64() {
  already_built && return 0
  twin_wanted || return 0
  if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "no 64-bit twin: x86_64-w64-mingw32-g++ is not installed (package g++-mingw-w64-x86-64)" >&2
    return 0
  fi
  cmake -S "$ROOT" -B "$BUILD_ROOT/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win64" -j"$JOBS"
}
