# The job inspector, scripts/inspect: on jobs the plug-in wrote (clean, and the setup it
# reports is what the publication holds), on jobs damaged here (exit status and the
# message a user needs), its pictures, its JSON and its progress line.
# Runs scripts/inspect with ORVANE_INSPECTOR when set; the jobs come from
# ORVANE_HOSTSIM and ORVANE_UNIT_TESTS (default: the native build in ORVANE_BUILD).
# Exit status 77: skipped, for want of gs or of those programs.
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
NATIVE="${ORVANE_BUILD:-$ROOT/build}/native"
HOSTSIM="${ORVANE_HOSTSIM:-$NATIVE/hostsim_run}" UNIT_TESTS="${ORVANE_UNIT_TESTS:-$NATIVE/unit_tests}"
for need in gs:ghostscript convert:imagemagick jq:jq script:bsdutils; do
  command -v "${need%%:*}" >/dev/null || { echo "skipped: ${need%%:*} is not installed (package ${need#*:})"; exit 77; }
done
for program in "$HOSTSIM" "$UNIT_TESTS" ${ORVANE_INSPECTOR:+"$ORVANE_INSPECTOR"}; do
  [ -x "$program" ] || { echo "skipped: no $program (not built)"; exit 77; }
done
EXPECTED="$ROOT/tests/inspect"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobs="$work/jobs"
mkdir -p "$jobs"
failed=0
problem() { echo "$*"; failed=1; }
inspect() { "$ROOT/scripts/inspect" "$@"; }

# Jobs of the plug-in: sample.pub printed by the Host stand-in, and the unit tests' jobs.
mkdir "$work/publication" && cp "$ROOT/examples/sample.pub" "$work/publication/"
"$HOSTSIM" --publication "$work/publication/sample.pub" --out "$jobs/sample.ps" --no-save >/dev/null
ORVANE_PS_JOBS="$jobs" "$UNIT_TESTS" --gtest_filter='PrintJobFiles.*' --gtest_brief=1 >/dev/null

# Clean jobs: exit 0, nothing on standard error, the report as expected (paths left out).
for expected in "$EXPECTED"/*.txt; do
  name=$(basename "$expected" .txt)
  status=0
  inspect "$jobs/$name.ps" --out "$work/pictures-$name" >"$work/$name.report" 2>"$work/$name.err" || status=$?
  [ "$status" = 0 ] || problem "$name: exit status $status"
  [ -s "$work/$name.err" ] && problem "$name: standard error not quiet: $(cat "$work/$name.err")"
  sed '/^Job: /d; /^Pictures in /d; /^Report: /d' "$work/$name.report" | diff -u "$expected" - || problem "$name: unexpected report"
done

# The zones of each printed page as the JSON gives them, for the jobs of the plug-in.
while IFS='|' read -r name want; do
  got=$(inspect "$jobs/$name.ps" --out "$work/pictures-json" --json | jq -r '[range(1; .pages + 1) as $p | "\($p) " +
    ([.zones[] | select(.page == $p) | .style + (if .enabled then "" else " off" end)] | join(", ") |
     if . == "" then "none" else . end)] | join("; ")')
  [ "$got" = "$want" ] || problem "$name: zones per page $got, not $want"
done <<EOF
sample|1 Standard; 2 Heavy Spot; 3 Heavy Spot, [Printer Default Settings] off; 4 Standard; 5 [Printer Default Settings] off; 6 Standard
zones|1 Fine; 2 Fine, [Printer Default Settings] off; 3 [Printer Default Settings] off; 4 Body
off|1 none; 2 none; 3 none; 4 none
EOF

# Damaged jobs, made from the sample job: name, exit status, lines the device would
# refuse (the same refusal on several pages is one line), a message; how it is damaged.
truncate_at=$(grep -n 'Heavy.040Spot) cvn /TrapParams findresource dup' "$jobs/sample.ps" | sed -n '2s/:.*//p')
damage() {
  case "$1" in
    trap-width) sed 's|/TrapWidth\t\t\t\t0.5$|/TrapWidth\t\t\t\t-0.5|' ;;
    resolution-type) sed 's|/ImageResolution\t\t2400$|/ImageResolution\t\t2400.5|' ;;
    undefined-style) sed '0,/(Heavy\\040Spot) cvn \/TrapParams/s//(Heavy\\040Spto) cvn \/TrapParams/' ;;
    style-lookup) sed '/^%%Page: 1 1$/a /Nowhere /TrapParams findresource pop' ;;
    order-ink) sed 's|(Violet)cvn \]|(Violet)cvn (Violett)cvn ]|' ;;
    ink-set) sed 's|/ColorantDetails /SomeInks /InkParams|/ColorantDetails /OtherInks /InkParams|' ;;
    colorant-type) sed 's|/ColorantType\t/Transparent|/ColorantType\t/Glossy|' ;;
    undefined-command) sed '/^%%Page: 2 2$/a 2 setlinewidht' ;;
    truncated) head -n "$truncate_at" ;;
    page-cut) sed '/^%%Page: 4 4$/,$ { /^showpage$/,$d }' ;;
  esac
}
while IFS='|' read -r name want lines message; do
  damage "$name" <"$jobs/sample.ps" >"$jobs/$name.ps"
  cmp -s "$jobs/sample.ps" "$jobs/$name.ps" && { problem "$name: the damage did not apply"; continue; }
  status=0
  inspect "$jobs/$name.ps" --out "$work/pictures-$name" >"$work/$name.report" 2>"$work/$name.err" || status=$?
  [ "$status" = "$want" ] || problem "$name: exit status $status, not $want"
  got=$(sed -n '/^The device would refuse:$/,/^$/p' "$work/$name.report" | grep -c '^  page' || true)
  [ "$got" = "$lines" ] || problem "$name: $got lines the device would refuse, not $lines"
  grep -qF -- "$message" "$work/$name.report" "$work/$name.err" ||
    { problem "$name: no message \"$message\""; cat "$work/$name.report" "$work/$name.err"; }
  echo "$name: $status"
done <<EOF
trap-width|1|1|pages 1-3: style Heavy Spot: TrapWidth -0.5 is out of range; it must be a number of at least 0
resolution-type|1|1|pages 1, 4, 6: style Standard: ImageResolution 2400.5 is of the wrong type; it must be a whole number of at least 0
undefined-style|1|1|page 2: a zone names the style Heavy Spto, which the job never defines
style-lookup|1|1|page 1: the style Nowhere is named but never defined
order-ink|1|1|page 1: the trapping order names the ink Violett, which ColorantDetails does not define
ink-set|1|8|page 1: the ink set OtherInks is named but never defined
colorant-type|1|1|page 1: ink Teal: ColorantType /Glossy is out of range; it must be /Normal, /Transparent, /Opaque or /OpaqueIgnore
undefined-command|2|0|inspect: the job does not run: Error: /undefined in setlinewidht
truncated|2|0|the job ends inside a procedure or a string; is the file cut short?
page-cut|2|0|the job ends after page 3 of the 4 its %%Page: comments announce; is the file cut short?
EOF
line=$(($(grep -n '^%%Page: 2 2$' "$jobs/sample.ps" | cut -d: -f1) + 1))
grep -qF "at line $line of $jobs/undefined-command.ps: 2 setlinewidht" "$work/undefined-command.err" ||
  problem "undefined-command: the offending line is not named"
grep -qF "at the end of the file, after line $truncate_at of" "$work/truncated.err" ||
  problem "truncated: the place where the job ends is not named"

# JSON says what the text says.
inspect "$jobs/trap-width.ps" --json --out "$work/pictures-json" >"$work/trap-width.json" 2>/dev/null || true
[ "$(jq -r '.refused[0].message' "$work/trap-width.json")" = "style Heavy Spot: TrapWidth -0.5 is out of range; it must be a number of at least 0" ] &&
  [ "$(jq -c '[.status, .refused[0].pages, .refused[0].value]' "$work/trap-width.json")" = '[1,[1,2,3],"-0.5"]' ] ||
  problem "trap-width: JSON report $(cat "$work/trap-width.json")"
inspect "$jobs/awkward.ps" --json --out "$work/pictures-json" >"$work/awkward.json"
[ "$(jq -r '.styles[1].name' "$work/awkward.json")" = $'Sp ace\tTab\u00e9 [br] (par) lone( back\\slash' ] ||
  problem "awkward: JSON style name $(jq '.styles[1].name' "$work/awkward.json")"

# Pictures: only the pages asked for, each zone in its style's colour, disabled ones
# dashed. Styles take colours in the order they are defined: the device's own
# parameters red, Standard blue, Heavy Spot green.
rm -rf "$work/pictures"
inspect "$jobs/sample.ps" --pages 2-5 --out "$work/pictures" >/dev/null
[ "$(cd "$work/pictures" && echo *)" = "page-0002.png page-0003.png page-0004.png page-0005.png report.html" ] ||
  problem "pictures of --pages 2-5: $(ls "$work/pictures")"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r96 -dFirstPage=2 -dLastPage=2 \
  -sOutputFile="$work/plain-2.png" "$jobs/sample.ps"
[ "$(compare -metric AE "$work/plain-2.png" "$work/pictures/page-0002.png" null: 2>&1 || true)" != 0 ] ||
  problem "page 2: the picture has nothing drawn over the page"
# The first zone's outline runs down the left edge at x 2; a second zone's at x 7.
edge() { convert "$work/pictures/page-000$1.png" -crop "1x800+$2+100" -depth 8 txt:- | grep -c "$3" || true; }
while read -r page x colour want; do
  got=$(edge "$page" "$x" "$colour")
  case "$want" in
    solid) [ "$got" = 800 ] || problem "page $page: $got of 800 pixels at x $x in $colour, a solid outline has all" ;;
    dashed) [ "$got" -gt 400 ] && [ "$got" -lt 640 ] || problem "page $page: $got of 800 pixels at x $x in $colour, not dashed" ;;
  esac
done <<EOF
2 2 #009933 solid
3 2 #009933 solid
3 7 #D91919 dashed
4 2 #1959E5 solid
5 2 #D91919 dashed
EOF

# A job writes no file outside the inspector's output: not in the shared temporary
# folder, not beside itself, not in the folder it is run from.
probe="/tmp/orvane-inspect-probe-$$"
cat >"$jobs/writer.ps" <<EOF
%!PS
[($probe) ($work/probe) (probe)] { { (w) file dup (x) writestring closefile } stopped pop } forall
showpage
EOF
(cd "$work" && inspect "$jobs/writer.ps" --out "$work/pictures-writer" >/dev/null 2>&1) || true
for written in "$probe" "$work/probe"; do
  [ ! -e "$written" ] || { problem "the job wrote $written"; rm -f "$written"; }
done

# The trap preview on hand-built pages of 144 x 72 points at 72 dpi (a point a pixel):
# the left half one colour, the right half another, so that the one edge runs down
# x 72. Each case: the colours (CMYK), the style's parameters, the zone, the colorant
# type of Cyan; the traps of the JSON (placement, width, inks that spread, length of
# edge) and the reasons of the edges left untrapped; then plate:x:y:percent of ink in
# the pictures (-trapped: with the traps). Inks: Cyan 0.61, Magenta 0.76, Yellow 0.16,
# Black 1.7; TrapColorScaling 1 (the full tint).
trap_job() {
  local x0 y0 x1 y1
  read -r x0 y0 x1 y1 <<<"$5"
  cat >"$1" <<JOB
%!PS
<< /PageSize [144 72] >> setpagedevice
<< /Trapping true /TrappingDetails << /Type 1001 /ColorantDetails <<
  /Cyan << /NeutralDensity 0.61 /ColorantType /$6 >> /Magenta << /NeutralDensity 0.76 /ColorantType /Normal >>
  /Yellow << /NeutralDensity 0.16 /ColorantType /Normal >> /Black << /NeutralDensity 1.7 /ColorantType /Normal >>
>> >> >> setpagedevice
/Trapping /ProcSet findresource begin
<< /TrapColorScaling 1 $4 >> settrapparams
newpath $x0 $y0 moveto $x1 $y0 lineto $x1 $y1 lineto $x0 $y1 lineto closepath settrapzone
end
$2 setcmykcolor 0 0 72 72 rectfill $3 setcmykcolor 72 0 72 72 rectfill
showpage
JOB
}
# Percent of ink at a pixel of a plate's picture (black is 100 %).
ink_at() { convert "$1" -format "%[fx:round(100*(1-p{$2,$3}.r))]" info:; }
while IFS='|' read -r name left right params zone cyan traps untrapped pixels; do
  trap_job "$jobs/trap-$name.ps" "$left" "$right" "$params" "$zone" "$cyan"
  inspect "$jobs/trap-$name.ps" --traps --resolution 72 --json --out "$work/trap-$name" >"$work/trap-$name.json" 2>&1 ||
    { problem "trap $name: exit status $?: $(cat "$work/trap-$name.json")"; continue; }
  got=$(jq -c '[.traps[] | [.placement, .width, .spreads, .length]]' "$work/trap-$name.json")
  [ "$got" = "$traps" ] || problem "trap $name: traps $got, not $traps"
  got=$(jq -c '[.untrapped[].reason] | unique' "$work/trap-$name.json")
  [ "$got" = "$untrapped" ] || problem "trap $name: untrapped $got, not $untrapped"
  jq -e '[(.traps[] | .rule.outcome == .placement), (.untrapped[] | .rule.outcome == .reason)] | all' \
    "$work/trap-$name.json" >/dev/null || problem "trap $name: an entry without its rule"
  for check in $pixels; do
    IFS=: read -r plate x y want <<<"$check"
    got=$(ink_at "$work/trap-$name/page-0001-$plate.png" "$x" "$y")
    [ $((got - want)) -le 1 ] && [ $((want - got)) -le 1 ] ||
      problem "trap $name: $plate at $x,$y has $got % ink, not $want %"
  done
done <<EOF
spread|0 0 1 0|1 0 0 0|/TrapWidth 4|0 0 144 72|Normal|[["spread",4,["Yellow"],72]]|[]|Yellow:72:36:0 Yellow-trapped:71:36:100 Yellow-trapped:72:36:100 Yellow-trapped:75:36:100 Yellow-trapped:76:36:0 Cyan-trapped:71:36:0
centre|1 0 0 0|0 1 0 0|/TrapWidth 4|0 0 144 72|Normal|[["centre",4,["Cyan"],72]]|[]|Cyan-trapped:73:36:100 Cyan-trapped:74:36:0 Magenta-trapped:70:36:100 Magenta-trapped:69:36:0
black|0 0 1 0|0 0 0 1|/TrapWidth 2 /BlackWidth 3|0 0 144 72|Normal|[["spread",6,["Yellow"],72]]|[]|Yellow-trapped:77:36:100 Yellow-trapped:78:36:0
step-below|1 0 0 0|0.95 1 0 0|/TrapWidth 4 /StepLimit 0.1|0 0 144 72|Normal|[]|["step limit"]|Cyan-trapped:73:36:95
step-above|1 0 0 0|0.8 1 0 0|/TrapWidth 4 /StepLimit 0.1|0 0 144 72|Normal|[["spread",4,["Cyan"],72]]|[]|Cyan:73:36:80 Cyan-trapped:73:36:100 Cyan-trapped:76:36:80
opaque-ignore|0 0 1 0|1 0 0 0|/TrapWidth 4|0 0 144 72|OpaqueIgnore|[]|["ignored ink"]|Yellow-trapped:73:36:0
disabled|0 0 1 0|1 0 0 0|/TrapWidth 4 /Enabled false|0 0 144 72|Normal|[]|["zone disabled"]|Yellow-trapped:73:36:0
half-page|0 0 1 0|1 0 0 0|/TrapWidth 4|0 36 144 72|Normal|[["spread",4,["Yellow"],36]]|[]|Yellow-trapped:73:10:100 Yellow-trapped:73:60:0
width-zero|0 0 1 0|1 0 0 0|/TrapWidth 0|0 0 144 72|Normal|[]|["width 0"]|Yellow-trapped:72:36:0
paper|0 0 0 0|1 0 0 0|/TrapWidth 4|0 0 144 72|Normal|[]|[]|Cyan-trapped:71:36:0
EOF
# Bare paper needs no trap: its edges are counted per page, not listed.
[ "$(jq -c .paperEdges "$work/trap-paper.json")" = '[{"page":1,"pairs":1,"length":72}]' ] ||
  problem "paper: paperEdges $(jq -c .paperEdges "$work/trap-paper.json")"
# The rule in words, as the text report and the JSON give it.
while IFS='|' read -r name entry want; do
  got=$(jq -r ".$entry.rule.text" "$work/trap-$name.json")
  [ "$got" = "$want" ] || problem "trap $name: rule \"$got\", not \"$want\""
done <<EOF
spread|traps[0]|Yellow 100 % against Cyan 100 %: density 0.16 against 0.61, ratio 0.26 under SlidingTrapLimit 0.70: spread; 4 pt (no black side)
black|traps[0]|Yellow 100 % against Black 100 %: density 0.16 against 1.70, ratio 0.09 under SlidingTrapLimit 0.70: spread; 6 pt (black side at BlackDensityLimit 1.1 and BlackColorLimit 100 %: BlackWidth 3 x TrapWidth 2 pt)
step-below|untrapped[0]|Cyan 100 % against Cyan 95.3 % Magenta 100 %: step of Cyan 4.7 % under StepLimit 10 % (the lighter side's largest): no trap
width-zero|untrapped[0]|Yellow 100 % against Cyan 100 %: density 0.16 against 0.61, ratio 0.26 under SlidingTrapLimit 0.70: spread, but TrapWidth is 0: width 0, no trap
EOF
grep -qF "      rule: Yellow 100 % against Cyan 100 %: density 0.16 against 0.61" \
  <(inspect "$jobs/trap-spread.ps" --traps --resolution 72 --out "$work/trap-spread-text") ||
  problem "spread: the text report gives no rule"
# A width of 0 is warned about, and the exit status stays 0 (the loop above).
[ "$(jq -r '.warnings[0].message' "$work/trap-width-zero.json")" = \
  "TrapWidth 0 in style (no style): a device may refuse it (rangecheck); no traps would be made" ] ||
  problem "width-zero: warnings $(jq -c .warnings "$work/trap-width-zero.json")"

# Misregistration of the spread page, cyan 2 pixels right: the trap of 4 closes the gap of
# 2 x 72 square points that opens without it; yellow, 2 down, bares its top rows, of which
# the 2 x 4 pixels beside the cyan count with and without traps.
inspect "$jobs/trap-spread.ps" --misregister 2 --resolution 72 --json --out "$work/misregister" \
  >"$work/misregister.json" || problem "misregister: exit status $?"
got=$(jq -c '.misregistration[] | [.page, .pixels, .gapArea, .gapAreaTrapped]' "$work/misregister.json")
[ "$got" = "[1,2,152,8]" ] || problem "misregister: page, pixels, gap without and with traps $got, not [1,2,152,8]"
for kind in misregistered misregistered-trapped; do
  [ -s "$work/misregister/page-0001-$kind.png" ] || problem "misregister: no page-0001-$kind.png"
done
[ "$(convert "$work/misregister/page-0001-misregistered.png" -format '%[fx:p{73,36}.r>0.8 && p{73,36}.g<0.1]' info:)" = 1 ] ||
  problem "misregister: the gap is not red"

# Ink coverage: a patch of 36 x 36 points of all four inks at 100 %. Per limit: the
# highest total, the area over the limit in square points, each ink's share.
cat >"$jobs/coverage.ps" <<EOF
%!PS
<< /PageSize [144 72] >> setpagedevice
1 1 1 1 setcmykcolor 18 18 36 36 rectfill
showpage
EOF
while read -r limit want; do
  inspect "$jobs/coverage.ps" --plates --resolution 72 --ink-limit "$limit" --json --out "$work/coverage-$limit" \
    >"$work/coverage-$limit.json" || problem "coverage $limit: exit status $?"
  got=$(jq -c '.coverage[] | [.page, .maxTotal, .overLimit, .inks.Cyan, .inks.Black]' "$work/coverage-$limit.json")
  [ "$got" = "$want" ] || problem "coverage at --ink-limit $limit: $got, not $want"
done <<EOF
300 [1,400,1296,12.5,12.5]
400 [1,400,0,12.5,12.5]
EOF
# The picture marks the patch red, and only the patch.
red() { convert "$work/coverage-300/page-0001-coverage.png" -format "%[fx:p{$1,$2}.r>0.8 && p{$1,$2}.g<0.1]" info:; }
[ "$(red 36 36) $(red 100 36)" = "1 0" ] || problem "coverage: the patch over 300 % is not the only red in the picture"

# Spot plates: a Separation and a DeviceN colour space, each ink its own plate, named
# by the job's name for it; the file name keeps letters, digits, - and _.
cat >"$jobs/spots.ps" <<EOF
%!PS
<< /PageSize [144 72] >> setpagedevice
[/Separation (Gold Leaf/2) /DeviceCMYK { dup 0.5 mul exch 0 exch 0 }] setcolorspace 1 setcolor 0 0 72 72 rectfill
[/DeviceN [/Foo /Cyan] /DeviceCMYK { 0 0 }] setcolorspace 0.5 0.5 setcolor 72 0 72 72 rectfill
showpage
EOF
inspect "$jobs/spots.ps" --plates --resolution 72 --out "$work/spots" >"$work/spots.report" || problem "spots: exit status $?"
grep -qx '  page 1: Cyan, Magenta, Yellow, Black, Foo, Gold Leaf/2' "$work/spots.report" ||
  problem "spots: the plates are not named by their inks: $(sed -n '/^Plates/,/^Ink/p' "$work/spots.report")"
for check in Gold_Leaf_2:36:36:100 Gold_Leaf_2:100:36:0 Foo:100:36:50 Cyan:100:36:50 Cyan:36:36:0; do
  IFS=: read -r plate x y want <<<"$check"
  got=$(ink_at "$work/spots/page-0001-$plate.png" "$x" "$y" 2>&1)
  [ "$got" = "$want" ] || problem "spots: $plate at $x,$y has $got % ink, not $want %"
done

# A zone set on an empty path is reported as one without area, and the job runs on.
printf '%%!PS\n<< /Trapping true /TrappingDetails << /Type 1001 >> >> setpagedevice\n%s\nshowpage\n' \
  '/Trapping /ProcSet findresource begin newpath settrapzone end' >"$jobs/empty-zone.ps"
inspect "$jobs/empty-zone.ps" --out "$work/empty-zone" >"$work/empty-zone.report" || problem "empty-zone: exit status $?"
grep -qx '  page 1     (no style): a zone without area (settrapzone on an empty path), which traps nothing' \
  "$work/empty-zone.report" || problem "empty-zone: $(sed -n '/^Trap zones/,/^$/p' "$work/empty-zone.report")"

# Progress: a line on a terminal, nothing otherwise (the clean runs above).
script -qec "$ROOT/scripts/inspect $jobs/sample.ps --out $work/pictures-tty >/dev/null" /dev/null >"$work/tty" || true
grep -q "inspect: page 6 of 6" "$work/tty" || problem "no progress line on a terminal"

# Stopped, a run ends with exit status 2 and leaves no folder of its own behind.
"$ROOT/scripts/inspect" "$jobs/sample.ps" --traps --out "$work/stopped" >/dev/null 2>"$work/stopped.err" &
run=$!
for _ in $(seq 100); do compgen -G "$work/stopped/.inspect-*" >/dev/null && break; sleep 0.1; done
kill -TERM "$run"
status=0
wait "$run" || status=$?
[ "$status" = 2 ] && ! compgen -G "$work/stopped/.inspect-*" >/dev/null ||
  problem "stopped: exit status $status, left $(ls -A "$work/stopped"), $(cat "$work/stopped.err")"

# Usage.
inspect --help | tr '\n' ' ' | grep -q "Where Ghostscript provides no trapping device.*the device is *a simulated one" ||
  problem "--help does not say that the device is a simulated one"
for args in "" "--pages" "$jobs/sample.ps --pages 3-1" "$jobs/sample.ps --colour" "$work/none.ps"; do
  status=0
  # shellcheck disable=SC2086
  inspect $args >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || problem "inspect $args: exit status $status, not 2"
done
exit "$failed"
