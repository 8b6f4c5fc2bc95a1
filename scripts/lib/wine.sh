# Which Wine runs the 32-bit DLL: 32-bit Wine where this kernel runs 32-bit programs,
# else the same Wine through qemu-i386 10 (scripts/provision installs it and makes its
# folder). ORVANE_WINE32=qemu takes qemu-i386 on any machine.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
WINE32_NATIVE=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
QEMU_WINE="$BUILD_ROOT/qemu-wine/lib/wine"
WINE_PREFIX_DIR="$BUILD_ROOT/wine-prefix"

# native, qemu, or none (32-bit Wine is not installed).
wine32_route() {
  [ -x "$WINE32_NATIVE" ] || { echo none; return; }
  if [ "${ORVANE_WINE32:-}" != qemu ] && "$WINE32_NATIVE" --version >/dev/null 2>&1; then echo native; else echo qemu; fi
}
qemu_version() { qemu-i386-static --version 2>/dev/null | sed -n '1s/.*version \([0-9.]*\).*/\1/p'; }

# The program that runs a 32-bit Windows program here.
wine_loader() { if [ "$(wine32_route)" = qemu ]; then echo "$QEMU_WINE/wine32"; else echo "$WINE32_NATIVE"; fi; }

# Why 32-bit Wine cannot run the DLL here; nothing when it can.
wine_missing() {
  command -v i686-w64-mingw32-g++ >/dev/null || echo "the DLL is not built (package g++-mingw-w64-i686)"
  case "$(wine32_route)" in
    qemu) [ -x "$QEMU_WINE/wine32" ] && [[ "$(qemu_version)" == 10.* ]] ||
      echo "this kernel runs no 32-bit programs and qemu-i386 10 is not set up (scripts/provision)" ;;
    none) echo "32-bit Wine is not installed (package wine32:i386)" ;;
  esac
}

# Sets WINE_LOADER and WINEPREFIX for a check; ends it as skipped, with the reason,
# where 32-bit Wine cannot run here.
use_wine() {
  local why
  why=$(wine_missing)
  [ -z "$why" ] || { echo "skipped: $why"; exit "$SKIPPED"; }
  [ -d "$WINE_PREFIX_DIR" ] || { echo "no Wine prefix at $WINE_PREFIX_DIR (scripts/provision --wine-prefix)"; exit 2; }
  WINE_LOADER=$(wine_loader)
  export WINEPREFIX="$WINE_PREFIX_DIR"
}

# Says which Wine runs the DLL here.
wine_flavour() {
  local wine
  wine=$("$WINE64" --version 2>/dev/null | sed 's/^wine-//; s/ .*//')
  case "$(wine32_route)" in
    native) echo "32-bit Wine ${wine:-?}" ;;
    qemu) echo "32-bit Wine ${wine:-?} through qemu-i386 $(qemu_version)" ;;
    none) echo "no 32-bit Wine (package wine32:i386)" ;;
  esac
}

# Runs a command (Wine, or a script that runs it) with its output going through files:
# Wine's services inherit the output of the program they start and outlive it by
# seconds, and a pipe they hold open keeps a $(...) waiting that long. Stdout and
# stderr stay apart; the exit status is the command's.
wine_run() {
  local log status=0
  log=$(mktemp -d)
  "$@" >"$log/out" 2>"$log/err" || status=$?
  cat "$log/out"
  # The virtual display going away at the end is no error of the run.
  grep -v "^X connection to .* broken" "$log/err" >&2 || true
  rm -rf "$log"
  return "$status"
}

# Runs the rest of a check (the script that calls this, with its arguments) on a
# virtual display of its own, or on the current display when there is one, with one
# Wine server for all its runs, stopped when the script ends: the server and Wine's
# services start once a check, not once a run. Options for xvfb-run come first.
#   use_wine; wine_session [XVFB-RUN-OPTIONS] -- "$@"
wine_session() {
  local xvfb_options=() session
  while [ "$1" != "--" ]; do xvfb_options+=("$1"); shift; done
  shift
  [ -z "${ORVANE_WINE_SESSION:-}" ] || return 0
  export ORVANE_WINE_SESSION=1
  # A server left by a check that was stopped would hold on to its gone display.
  wineserver -k 2>/dev/null || true
  session=(bash -c 'bash "$0" "$@"; status=$?; wineserver -k 2>/dev/null; exit $status' "$0" "$@")
  [ -n "${DISPLAY:-}" ] || session=(xvfb-run -a "${xvfb_options[@]}" "${session[@]}")
  exec "${session[@]}"
}

# Runs a Windows program under Wine on a display (message boxes and dialogs need one):
# the check's own, else a new virtual one for this run alone, whose Wine server is
# stopped afterwards so that the next run starts one on its own display.
run_wine_display() {
  local status=0
  if [ -n "${ORVANE_WINE_SESSION:-}${DISPLAY:-}" ]; then
    wine_run timeout 300 "$WINE_LOADER" "$@" || status=$?
  else
    wine_run timeout 300 xvfb-run -a "$WINE_LOADER" "$@" || status=$?
  fi
  [ -n "${ORVANE_WINE_SESSION:-}" ] || wineserver -k 2>/dev/null || true
  return "$status"
}

# A fresh copy of an example publication in a folder (no saved records or labels).
fresh_publication() {
  rm -rf "$2"
  mkdir -p "$2"
  cp "$ROOT/examples/$1" "$2/"
  echo "$2/$1"
}
