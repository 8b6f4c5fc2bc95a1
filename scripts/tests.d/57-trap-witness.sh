# The trap preview against a second trapper, Ghostscript's own (tiffscaled32 with TrapX
# and TrapY, which spreads each ink under those before it in TrapOrder): one CMYK page of
# abutting process colours at full and partial tints, side by side and one above the
# other, trapped 1 to 4 pixels wide at 72 dpi (a point a pixel), TrapOrder the inks by
# neutral density, darkest first. trap_witness compares the pixels across each edge where
# the model makes a plain spread and names every one that differs; each width must agree
# on at least 99 % of them.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command gs ghostscript
witness="${ORVANE_TRAP_WITNESS:-$BUILD_ROOT/native/inspect/trap_witness}"
[ -x "$witness" ] || { echo "skipped: no $witness (not built)"; exit "$SKIPPED"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

densities="Cyan 0.61
Magenta 0.76
Yellow 0.16
Black 1.7"
order=$(sort -k2 -rn <<<"$densities" | awk '{ printf "/%s ", $1 }')

# Each case: the colour on the left (or top) and on the right (or bottom), CMYK.
cases="0 0 1 0|1 0 0 0
0 0 1 0|0 1 0 0
0 0 1 0|0 0 0 1
1 0 0 0|0 0 0 1
0 1 0 0|0 0 0 1
1 0 0 0|0 1 0 0
1 0 0 0|0 0 1 0
0 0 0.5 0|1 0 0 0
0 0 1 0|0.5 0 0 0
0 0 0.4 0|0.6 0 0 0
0.4 0 0 0|0 1 0 0
0 0.3 0 0|0 0 0 1
0 0 1 0|0.5 0.5 0 0
0.3 0 1 0|1 0 0 0
1 0 0 0|1 1 0 0"
{
  echo "%!PS"
  echo "<< /PageSize [300 $((50 * $(wc -l <<<"$cases") + 10))] >> setpagedevice"
  y=10
  while IFS='|' read -r a b; do
    echo "$a setcmykcolor 10 $y 20 40 rectfill $b setcmykcolor 30 $y 20 40 rectfill"
    echo "$a setcmykcolor 70 $((y + 20)) 40 20 rectfill $b setcmykcolor 70 $y 40 20 rectfill"
    y=$((y + 50))
  done <<<"$cases"
  echo "showpage"
} >"$work/job.ps"

gs_tiff() { gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=tiffscaled32 -r72 "$@"; }
gs_tiff -sOutputFile="$work/plain.tif" "$work/job.ps" || { echo "Ghostscript failed"; exit 1; }
failed=0
for width in 1 2 3 4; do
  gs_tiff -dTrapX="$width" -dTrapY="$width" -sOutputFile="$work/trapped-$width.tif" \
    -c "<< /TrapOrder [$order] >> setpagedevice" -f "$work/job.ps" || { echo "Ghostscript failed to trap"; exit 1; }
  "$witness" "$work/plain.tif" "$work/trapped-$width.tif" --width "$width" \
    --densities "$(awk '{ printf "%s%s", sep, $2; sep = "," }' <<<"$densities")" || failed=1
done
exit "$failed"
