#!/usr/bin/env bash
# scripts/demo --dialogs: opens each of the six dialogs of the real DLL in
# hostsim.exe on a virtual display with the sample publication and takes a
# screenshot of each into out/dialogs/. --interactive: shows the trapping dialog on
# the current display for a person to use, then prints the result.
source "$(dirname "$0")/common.sh"
source "$ROOT/scripts/lib/hostsim.sh"
install_packages
build_native
build_win32

mode="${1:---dialogs}"
# The dialogs are the DLL's own: without Wine there is nothing to show.
if ! wine_runs_here; then
  echo "demo $mode: $WINE_MISSING" >&2
  exit 2
fi
# ORVANE_OUT names another folder for the results (default out/).
out="${ORVANE_OUT:-$ROOT/out}"
mkdir -p "$out/dialogs"
publication=$(fresh_publication sample.pub "$out/dialogs-publication")
cd "$BUILD_ROOT/win32"

if [ "$mode" = "--interactive" ]; then
  run_wine_display ./hostsim.exe --dll OrvaneTrp.dll --publication "$publication" \
    --events load,register,journey:interactive,unload --out "$out/interactive-job.ps"
  echo "job: out/interactive-job.ps"
  exit 0
fi

marker="$out/dialogs/.showing"
rm -f "$marker" "$out"/dialogs/*.png
# On the virtual display: the journey opens each dialog in turn and names it in the
# marker file; a screenshot is taken whenever the name changes.
status=0
ORVANE_SHOW_MARKER_UNIX="$marker" ORVANE_SHOTS="$out/dialogs" \
  on_display -s "-screen 0 1024x768x24" -- bash -c '
  marker="$ORVANE_SHOW_MARKER_UNIX"
  ORVANE_SHOW_MARKER=$(winepath -w "$marker" 2>/dev/null) \
    wine ./hostsim.exe --dll OrvaneTrp.dll --publication "$0" --no-save \
    --events load,register,journey:show,unload &
  pid=$!
  last=""
  while kill -0 $pid 2>/dev/null; do
    if [ -f "$marker" ]; then
      now=$(cat "$marker")
      if [ -n "$now" ] && [ "$now" != "$last" ]; then
        sleep 0.7
        shot="$ORVANE_SHOTS/$(echo "$now" | tr "A-Z " "a-z-").png"
        import -window root "$shot" && echo "screenshot: $shot" || echo "no screenshot of \"$now\"" >&2
        last="$now"
      fi
    fi
    sleep 0.2
  done
  wait $pid
' "$publication" || status=$?
rm -f "$marker"

# The journey passed, with six screenshots, none of them blank (an empty screen has
# one or two colours).
problems=0
if [ "$status" != 0 ]; then
  echo "the dialog journey ended with status $status" >&2
  problems=1
fi
shots=("$out"/dialogs/*.png)
[ -e "${shots[0]}" ] || shots=()
echo "${#shots[@]} dialog screenshots in $out/dialogs"
if [ "${#shots[@]}" -ne 6 ]; then
  echo "expected 6 dialog screenshots, got ${#shots[@]}" >&2
  problems=1
fi
for shot in "${shots[@]}"; do
  colours=$(identify -format %k "$shot")
  if [ "$colours" -lt 4 ]; then
    echo "blank screenshot: $shot ($colours colours)" >&2
    problems=1
  fi
done
exit "$problems"
