#!/usr/bin/env bash
# Time of scripts/inspect against Ghostscript alone on the reference publication of
# print_bench.cpp (2,000 pages, 500 zones of 4 pages, 8 styles, 40 colours of which 10
# are made of several inks; 20 copies), printed by the Host stand-in: pictures of ten
# pages, the report of all pages; then the trap preview at 300 dpi: the trap engine's
# time per page against Ghostscript's separating that page, and the peak memory of 1
# and of 10 pages.
# Usage: bench/inspect-speed.sh [--copies N] [--keep DIR]
source "$(dirname "$0")/../scripts/lib/common.sh"
copies=20 keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --copies) copies="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    --help | -h) sed -n '2,9p' "$0" | cut -c3-; exit 0 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
command -v gs >/dev/null || { echo "needs gs (package ghostscript)" >&2; exit 2; }
hostsim="$BUILD_ROOT/native/hostsim_run"
[ -x "$hostsim" ] || { echo "no $hostsim: build the native target first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The publication, as ReferenceJob in print_bench.cpp sets it up.
awk -v copies="$copies" 'BEGIN {
  pages = 2000; zones = 500
  print "pages " pages
  print "page-size 12240 15840"; print "paper-size 12240 15840"; print "copies " copies
  for (i = 0; i < 40; i++) {
    if (i < 10) {
      printf "color \"Colour %d\" 0 0 0 0 density %d kind 3 inks \"Ink %da\" \"Ink %db\"\n", i, 100 + i, i, i
      printf "ink-density \"Ink %da\" 300\nink-density \"Ink %db\" 300\n", i, i
    } else printf "color \"Colour %d\" 0 0 0 0 density %d\n", i, 100 + i
  }
  print "record AAA ORVT"; print "  mark w"; print "  int16 1 1"; print "  text \"Style 0\""; print "  int16 " zones
  for (z = 0; z < zones; z++) {
    printf "  int32 %d\n  text \"Style %d\"\n  int16 %d 4\n", z + 1, z % 8, (z % 5 != 0)
    for (p = 1; p <= 4; p++) printf "  int32 %d\n  int16 %d\n", 999 + z * 4 + p, z * 4 + p
  }
  print "end"
  print "record CCC ORVT"; print "  mark w"; print "  int16 8"
  for (s = 0; s < 8; s++) {
    printf "  text \"Style %d\"\n  int16 0\n  text \"0.25\" \"0.50\" \"10\" \"100\" \"1.6\" \"70\"\n", s
    print "  int32 0"; print "  int16 1 0"; print "  text \"2400\" \"\" \"100\""
  }
  print "end"
  for (p = 1; p <= pages; p++) printf "label %d HLCX ORVT \"ORVT %d ORVT\"\n", 999 + p, 999 + p
}' >"$work/reference.pub"
"$hostsim" --publication "$work/reference.pub" --out "$work/reference.ps" --no-save >/dev/null
echo "job: $(grep -c '^%%Page:' "$work/reference.ps") pages, $(wc -c <"$work/reference.ps") bytes"

# scripts/inspect builds its inspector first when it has to: not while it is timed.
"$ROOT/scripts/inspect" --help >/dev/null
# Each command timed three times, in turns, so that a busy machine weighs on both alike;
# the run with the best wall time counts: "wall user+system" in seconds.
timed() { local TIMEFORMAT='%R %U %S' line; line=$({ time "$@" >/dev/null 2>&1; } 2>&1) || true; awk '{ printf "%.2f %.2f", $1, $2 + $3 }' <<<"$line"; }
better() { [ -z "$2" ] || awk -v a="${1%% *}" -v b="${2%% *}" 'BEGIN { exit !(a < b) }'; }
alone="" inspected=""
for run in 1 2 3; do
  t=$(timed gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r96 -dFirstPage=1 -dLastPage=10 \
    -sOutputFile="$work/gs-%d.png" "$work/reference.ps")
  better "$t" "$alone" && alone=$t
  t=$(timed "$ROOT/scripts/inspect" "$work/reference.ps" --pages 1-10 --out "$work/inspect")
  better "$t" "$inspected" && inspected=$t
done
echo "seconds (best of three)             wall  CPU"
echo "Ghostscript, pictures of pages 1-10: ${alone}"
echo "scripts/inspect --pages 1-10:        ${inspected}  (report of all pages)"
echo "ratio of wall times: $(awk -v a="${alone%% *}" -v b="${inspected%% *}" 'BEGIN { printf "%.2f", b / a }')"

# The preview at 300 dpi of the job's first ten pages (cut after page 10, so that
# Ghostscript interprets no more): Ghostscript separating them (tiffsep, as
# scripts/inspect runs it) against the trap engine's own time on the same plates, per
# page; then the peak memory of orvane_inspect and of the whole run (Ghostscript's
# included) for 1 and for 10 pages: it must not grow with the pages.
command -v /usr/bin/time >/dev/null || { echo "needs /usr/bin/time (package time)" >&2; exit 2; }
mkdir -p "$work/sep" "$work/gstmp"
awk '/^%%Page: 11 / { exit } { print }' "$work/reference.ps" >"$work/first10.ps"
separate() {
  TMPDIR="$work/gstmp" gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=tiffsep -dDEVICEXRESOLUTION=300 \
    -dDEVICEYRESOLUTION=300 -dFirstPage=1 -dLastPage="$1" -sOutputFile="$work/sep/page-%04d.tif" \
    --permit-file-read="$work/first10.ps" -sInspectJob="$work/first10.ps" -dInspectFirst=1 -dInspectLast=0 \
    "$ROOT/inspect/trap-device.ps" "$ROOT/inspect/inspect.ps"
}
preview() {  # pages: runs the preview; prints "engine-seconds inspector-KB run-KB"
  local line run_kb
  line=$( { /usr/bin/time -f 'run-kb %M' "$ROOT/scripts/inspect" "$work/first10.ps" --traps --timing --pages 1-"$1" \
    --out "$work/preview" >/dev/null; } 2>&1 | tee "$work/preview.err" | sed -n 's/^inspect: trap engine \([0-9.e+-]*\) s.*, peak memory \([0-9]*\) KB$/\1 \2/p')
  run_kb=$(sed -n 's/^run-kb //p' "$work/preview.err")
  [ -n "$line" ] && [ -n "$run_kb" ] || { echo "the preview failed:" >&2; cat "$work/preview.err" >&2; exit 1; }
  echo "$line $run_kb"
}
gs_best=""
for run in 1 2 3; do
  t=$(timed separate 10)
  better "$t" "$gs_best" && gs_best=$t
done
read -r engine10 inspector10 run10 <<<"$(preview 10)"
read -r _ inspector1 run1 <<<"$(preview 1)"
echo
echo "trap preview at 300 dpi, pages 1-10      per page, seconds"
awk -v g="${gs_best%% *}" -v c="${gs_best##* }" -v e="$engine10" 'BEGIN {
  printf "Ghostscript separating (tiffsep):       %.3f wall, %.3f CPU\n", g / 10, c / 10
  printf "trap engine on those plates:            %.3f  (%.2f of Ghostscript'"'"'s wall time)\n", e / 10, e / g }'
echo "peak memory, MB                          1 page   10 pages"
awk -v a="$inspector1" -v b="$inspector10" 'BEGIN { printf "orvane_inspect:                         %6.1f   %6.1f\n", a / 1024, b / 1024 }'
awk -v a="$run1" -v b="$run10" 'BEGIN { printf "the whole run (Ghostscript included):   %6.1f   %6.1f\n", a / 1024, b / 1024 }'

if [ -n "$keep" ]; then mkdir -p "$keep"; cp "$work/reference.ps" "$keep/"; fi
