# Wine runs that need a display (dialogs, message boxes, screenshots); source after
# common.sh. They use a Wine prefix of their own: a Wine server keeps the display it
# was started with, so a server left by a run without a display in the same prefix
# would keep every window of a display run off the screen. The prefix is the one of the
# chosen Wine (wine.sh: WINE_DISPLAY_PREFIX).

# Makes the display prefix the current one once no earlier run uses it: waits for
# that prefix's Wine server to end and, after a minute, stops it. No other Wine
# server is touched.
use_display_prefix() {
  command -v wineserver >/dev/null || { echo "wineserver not found (package wine)" >&2; return 2; }
  wine_runs_here || { echo "no Wine for a display run: $WINE_MISSING" >&2; return 2; }
  export WINEPREFIX="$WINE_DISPLAY_PREFIX"
  if [ -d "$WINEPREFIX" ] && ! timeout 60 wineserver -w; then
    echo "stopping the Wine server left running in $WINEPREFIX" >&2
    wineserver -k || true
    timeout 10 wineserver -w || { echo "the Wine server of $WINEPREFIX does not stop" >&2; return 2; }
  fi
  display_settings
}

# The virtual display has no window manager, so Wine draws each window's frame and
# title bar itself, as Windows does (Decorated), and manages its windows itself
# (Managed): a managed window that closes waits two seconds for a window manager to
# take it off the screen. Set once in the display prefix, which this creates. Wine
# draws the close button with Marlett, which this Wine does not find among its own
# fonts: it goes into the prefix's fonts folder, where Wine looks too.
display_settings() {
  local name set=0 marlett=/usr/share/wine/fonts/marlett.ttf
  for name in Decorated Managed; do
    grep -qx "\"$name\"=\"N\"" "$WINEPREFIX/user.reg" 2>/dev/null && continue
    set=1
    env -u DISPLAY timeout 120 "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v "$name" /d N /f >/dev/null ||
      { echo "could not set $name in $WINEPREFIX" >&2; return 2; }
  done
  # The server started without a display goes, and writes the settings out as it does.
  [ "$set" = 0 ] || wineserver -k 2>/dev/null || true
  if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" || true
  fi
}

# Runs a command ("$WINE_LOADER", or a script that runs wine) in the display prefix on a new
# virtual display, or on the current display when there is one; options for
# xvfb-run come first, up to "--". The prefix's Wine server is stopped afterwards,
# so that the next run starts one on its own display.
on_display() {
  local xvfb_options=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do xvfb_options+=("$1"); shift; done
  shift
  use_display_prefix || return $?
  local status=0
  if [ -n "${DISPLAY:-}" ]; then
    timeout 300 "$@" || status=$?
  else
    command -v xvfb-run >/dev/null || { echo "xvfb-run not found (package xvfb)" >&2; return 2; }
    # The virtual display going away at the end is no error of the run.
    timeout 300 xvfb-run -a "${xvfb_options[@]}" "$@" 2> >(grep -v "^X connection to .* broken" >&2) || status=$?
  fi
  wineserver -k 2>/dev/null || true
  return "$status"
}
