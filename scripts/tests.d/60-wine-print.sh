# The real DLL prints the sample under Wine; the native build prints the same job
# byte for byte; Ghostscript runs the Wine job without error.
source "$(dirname "$0")/../lib/wine.sh"
use_wine
wine_session -- "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wine_pub=$(fresh_publication sample.pub "$work/wine")
native_pub=$(fresh_publication sample.pub "$work/native")

cd "$BUILD_ROOT/win32"
wine_out=$(run_wine_display ./hostsim.exe --dll OrvaneTrp.dll --publication "$wine_pub" \
  --out "$work/wine.ps" --log "$work/wine.log")
echo "$wine_out"
echo "$wine_out" | grep -q "^print: 0, sheets 6, statuses 102=0 105=0 107=0 110=0" \
  || { echo "the Wine print did not succeed"; exit 1; }
echo "$wine_out" | grep -qx "interfaces outstanding: 0"

"$BUILD_ROOT/native/hostsim_run" --publication "$native_pub" --out "$work/native.ps" \
  --log "$work/native.log" >"$work/native.out"
cmp "$work/wine.ps" "$work/native.ps" || { echo "Wine and native jobs differ"; diff "$work/wine.ps" "$work/native.ps" | head -20; exit 1; }
cmp "$work/wine.log" "$work/native.log" || { echo "Wine and native logs differ"; diff "$work/wine.log" "$work/native.log" | head -20; exit 1; }

# The sample prints with trapping: the setup, an InkParams resource, and zones on every page.
grep -q '^%%HLCStartTrapSetup$' "$work/wine.ps" || { echo "no trap setup in the job"; exit 1; }
grep -q '/InkParams defineresource' "$work/wine.ps" || { echo "no inks in the job"; exit 1; }
[ "$(grep -c '^%%Page:' "$work/wine.ps")" = 6 ] || { echo "not six pages"; exit 1; }
[ "$(grep -c 'settrapzone' "$work/wine.ps")" -ge 6 ] || { echo "pages without trap zones"; exit 1; }

gs_out=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r72 -dFirstPage=1 -dLastPage=1 \
  -sOutputFile="$work/page1.png" "$work/wine.ps" 2>&1) || { echo "$gs_out"; echo "Ghostscript failed"; exit 1; }
if echo "$gs_out" | grep -qi "error"; then echo "$gs_out"; exit 1; fi
[ -s "$work/page1.png" ] || { echo "no page rendered"; exit 1; }
echo "Wine job: $(wc -c <"$work/wine.ps") bytes, identical to the native job, rendered by Ghostscript"

# Percentages and widths whose single-precision product or quotient lies on the
# other side of a fourth-decimal rounding edge than the exact one: the DLL must
# round like the native build.
edge_src=$(fresh_publication sample.pub "$work/edges")
sed -i 's/text "0.25" "0.50" "10" "100" "1.6" "70"/text "0.32" "0.25" "0.025" "0.085" "1.6" "0.115"/' "$edge_src"
grep -q '"0.32" "0.25" "0.025"' "$edge_src" || { echo "edge publication not made"; exit 1; }
cd "$BUILD_ROOT/win32"
run_wine_display ./hostsim.exe --dll OrvaneTrp.dll --publication "$edge_src" --out "$work/edges-wine.ps" --no-save >/dev/null
"$BUILD_ROOT/native/hostsim_run" --publication "$edge_src" --out "$work/edges-native.ps" --no-save >/dev/null
cmp "$work/edges-wine.ps" "$work/edges-native.ps" \
  || { echo "Wine and native round differently"; diff "$work/edges-wine.ps" "$work/edges-native.ps" | head -20; exit 1; }
for expected in $'/BlackColorLimit\t\t0.0009' $'/BlackWidth\t\t\t\t0.7812' $'/SlidingTrapLimit\t\t0.0012' $'/StepLimit\t\t\t\t0.0003'; do
  grep -qF "$expected" "$work/edges-wine.ps" || { echo "missing: $expected"; exit 1; }
done
echo "single-precision formats: the DLL rounds like the native build"
