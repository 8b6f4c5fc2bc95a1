# The job inspector, scripts/inspect: on jobs the plug-in wrote (clean, and the setup it
# reports is what the publication holds), on jobs damaged here (exit status and the
# message a user needs), its pictures, its JSON and its progress line.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command gs ghostscript
source "$ROOT/scripts/lib/hostsim.sh"
NATIVE="$BUILD_ROOT/native"
EXPECTED="$ROOT/tests/inspect"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobs="$work/jobs"
mkdir -p "$jobs"
failed=0
problem() { echo "$*"; failed=1; }
inspect() { "$ROOT/scripts/inspect" "$@"; }

# Jobs of the plug-in: sample.pub printed by the Host stand-in, and the unit tests' jobs.
publication=$(fresh_publication sample.pub "$work/publication")
"$NATIVE/hostsim_run" --publication "$publication" --out "$jobs/sample.ps" --no-save >/dev/null
ORVANE_PS_JOBS="$jobs" "$NATIVE/unit_tests" --gtest_filter='PrintJobFiles.*' --gtest_brief=1 >/dev/null

# Clean jobs: exit 0, nothing on standard error, the report as expected (paths left out).
for expected in "$EXPECTED"/*.txt; do
  name=$(basename "$expected" .txt)
  status=0
  inspect "$jobs/$name.ps" --out "$work/pictures-$name" >"$work/$name.report" 2>"$work/$name.err" || status=$?
  [ "$status" = 0 ] || problem "$name: exit status $status"
  [ -s "$work/$name.err" ] && problem "$name: standard error not quiet: $(cat "$work/$name.err")"
  sed '/^Job: /d; /^Pictures in /d' "$work/$name.report" | diff -u "$expected" - || problem "$name: unexpected report"
done

# The zones of the sample job as the interpreter saw them, against the job's own text.
jq -r '"zones of each printed page:", ([.zones[] | .page] | unique[]) as $p
  | "  page \($p): " + ([.zones[] | select(.page == $p) | .style + (if .enabled then "" else " (off)" end)] | join(", "))' \
  < <(inspect "$jobs/sample.ps" --out "$work/pictures-json" --json) >"$work/sample.zones"
job_summary "$jobs/sample.ps" | sed -n '/^zones of each printed page:/,$p' | diff -u - "$work/sample.zones" ||
  problem "sample: the zones of the JSON report differ from the job's text"

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
resolution-type|1|1|pages 1, 4, 6: style Standard: ImageResolution 2400.5 is of the wrong type; it must be a whole number of at least 1
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
[ "$(cd "$work/pictures" && echo *)" = "page-0002.png page-0003.png page-0004.png page-0005.png" ] ||
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

# Progress: a line on a terminal, nothing otherwise (the clean runs above).
script -qec "$ROOT/scripts/inspect $jobs/sample.ps --out $work/pictures-tty >/dev/null" /dev/null >"$work/tty" || true
grep -q "inspect: page 6 of 6" "$work/tty" || problem "no progress line on a terminal"

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
