#!/usr/bin/env bash
# Time of scripts/inspect against Ghostscript alone on the reference publication of
# print_bench.cpp (2,000 pages, 500 zones of 4 pages, 8 styles, 40 colours of which 10
# are made of several inks; 20 copies), printed by the Host stand-in: pictures of ten
# pages, the report of all pages.
# Usage: bench/inspect-speed.sh [--copies N] [--keep DIR]
source "$(dirname "$0")/../scripts/lib/common.sh"
copies=20 keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --copies) copies="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    --help | -h) sed -n '2,6p' "$0" | cut -c3-; exit 0 ;;
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
if [ -n "$keep" ]; then mkdir -p "$keep"; cp "$work/reference.ps" "$keep/"; fi
