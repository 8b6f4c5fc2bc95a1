# Runs of the Host stand-in under Wine that need its own machinery: records and
# labels that persist between runs, message boxes answered without a user, and a
# job cancelled at print start.
source "$(dirname "$0")/../lib/wine.sh"
use_wine
wine_session -- "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$BUILD_ROOT/win32"
hostsim() { run_wine_display ./hostsim.exe --dll OrvaneTrp.dll "$@"; }

# A second print from the records and labels the first run saved gives the same job.
pub=$(fresh_publication sample.pub "$work/persist")
hostsim --publication "$pub" --out "$work/first.ps" >/dev/null
[ -f "$work/persist/sample.pub.data/records/AAA.ORVT.rec" ] || { echo "records not saved"; exit 1; }
grep -q '^label 2003 ' "$work/persist/sample.pub.data/labels.txt" || { echo "labels not saved"; exit 1; }
out=$(hostsim --publication "$pub" --out "$work/second.ps")
echo "$out" | grep -q "^publication: saved records and labels" || { echo "$out"; echo "saved state not read"; exit 1; }
cmp "$work/first.ps" "$work/second.ps" || { echo "the job changed after a save and a load"; exit 1; }

# An old Host: register and the command are refused and the box is answered, not left open.
mkdir -p "$work/old"
printf 'host "Halcyte Quillset 6.5"\npages 2\n' >"$work/old/old.pub"
out=$(hostsim --publication "$work/old/old.pub" --events load,register,command:1,unload --no-save) || true  # refusals make it non-zero
echo "$out"
echo "$out" | grep -qx "register: 7212, notifications"
[ "$(echo "$out" | grep -c '^message box "Incorrect Quillset version"')" = 2 ] || { echo "expected two boxes"; exit 1; }

# A zoned page removed since the settings were saved: the plug-in asks; Cancel stops the job.
pub=$(fresh_publication sample.pub "$work/removed")
echo "remove 5" >>"$pub"
out=$(hostsim --publication "$pub" --answers cancel --out "$work/cancelled.ps" --no-save)
echo "$out"
echo "$out" | grep -q '^message box "Orvane Trapping" "This publication has been modifed' \
  || { echo "no warning about moved pages"; exit 1; }
echo "$out" | grep -q "^print: 0, sheets 0, cancelled" || { echo "job not cancelled"; exit 1; }
if grep -q '^%%Page:' "$work/cancelled.ps"; then echo "a cancelled job printed pages"; exit 1; fi
echo "persistence, message boxes and cancellation under Wine: ok"
