#!/usr/bin/env bash
# scripts/demo --dialogs (after building): opens each of the six dialogs of the real DLL in
# hostsim.exe on a virtual display with the sample publication and takes a
# screenshot of each into out/dialogs/. --interactive: shows the trapping dialog on
# the current display for a person to use, then prints the result.
source "$(dirname "$0")/wine.sh"
mode="${1:---dialogs}"
use_wine
screen_width=1024 screen_height=768
wine_session -s "-screen 0 ${screen_width}x${screen_height}x24" -- "$@"
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
# On the virtual display: the journey opens each dialog in turn and writes its name
# and its window's place on the screen into the marker file; the screen is then
# taken, cropped to that window, and the marker removed, upon which the journey goes
# on to the next dialog.
status=0
# The prefix's drive Z: is the root of this file system.
ORVANE_SHOW_MARKER="Z:${marker//\//\\}" timeout 300 "$WINE_LOADER" ./hostsim.exe --dll OrvaneTrp.dll \
  --publication "$publication" --no-save --events load,register,journey:show,unload &
pid=$!
while kill -0 $pid 2>/dev/null; do
  now=$(head -n 1 "$marker" 2>/dev/null || true)
  window=$(sed -n 2p "$marker" 2>/dev/null || true)
  if [ -n "$now" ] && [ -n "$window" ]; then
    # The window is drawn when two screenshots a moment apart are the same.
    shot="$out/dialogs/$(echo "$now" | tr "A-Z " "a-z-").png"
    for try in $(seq 20); do
      sleep 0.3
      import -window root -crop "$window" +repage -define png:exclude-chunks=date,time "png:$shot.new" || break
      cmp -s "$shot.new" "$shot" && break
      mv "$shot.new" "$shot"
    done
    rm -f "$shot.new"
    [ -f "$shot" ] && echo "screenshot: $shot ($window)" || echo "no screenshot of \"$now\"" >&2
    rm -f "$marker"
  fi
  sleep 0.1
done
wait $pid || status=$?
rm -f "$marker"

# The journey passed, with six screenshots, none of them blank (an empty screen has
# one or two colours), each the size of a dialog, not of the screen, with a title bar:
# a band of one colour across the top, just inside the frame on the left and again
# right of the title up to the close button, that is not the colour of the dialog's
# face (bottom left, inside the frame), with the title written on its left half (an
# empty screen above a window without a frame is one colour there).
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
  read -r width height < <(identify -format '%w %h\n' "$shot")
  if [ "$width" -lt 100 ] || [ "$height" -lt 60 ] || [ "$width" -ge "$screen_width" ] || [ "$height" -ge "$screen_height" ]; then
    echo "not a dialog's window: $shot (${width}x${height})" >&2
    problems=1
    continue
  fi
  bar=$(convert "$shot" -crop "$((width / 2 - 40))x8+$((width / 2))+6" +repage -format '%k %[pixel:p{0,0}]' info:)
  read -r left face < <(convert "$shot" -format "%[pixel:p{3,10}] %[pixel:p{6,$((height - 7))}]\n" info:)
  title=$(convert "$shot" -crop "$((width / 2 - 5))x10+5+6" +repage -format %k info:)
  if [ "${bar%% *}" != 1 ] || [ "${bar#* }" != "$left" ] || [ "$left" = "$face" ] || [ "$title" -lt 2 ]; then
    echo "no title bar: $shot (top right: ${bar%% *} colours, ${bar#* }; top left: $left; face: $face; title: $title colours)" >&2
    problems=1
  fi
done
exit "$problems"
