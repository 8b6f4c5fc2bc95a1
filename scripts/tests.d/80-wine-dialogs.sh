# The real dialogs from the DLL's resources, driven in hostsim.exe under Wine and
# Xvfb: styles, zones and their pages in the print job, inks in InkParams and the
# trapping order, the refusals of a reserved style name and bad page text, and a
# Host failure inside a nested dialog reaching main.
source "$(dirname "$0")/../lib/wine.sh"
use_wine
wine_session -- "$@"
cd "$BUILD_ROOT/win32"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ROOT/examples/sample.pub" "$work/"
status=0
run_journeys() {
  local out
  out=$(run_wine_display ./hostsim.exe --dll OrvaneTrp.dll "$@" 2>&1) || true
  echo "$out"
  if grep -q "FAILED" <<<"$out"; then status=1; fi
  for journey in $(grep -o 'journey:[a-z]*' <<<"$*" | cut -d: -f2); do
    grep -qx "journey $journey: 0" <<<"$out" || { echo "journey $journey did not pass" >&2; status=1; }
  done
}
run_journeys --events load,register,journey:zones,journey:refusals,journey:inks,unload
# A publication without zones, so that the dialog opens before the failing request.
run_journeys --events load,register,journey:failure,unload
run_journeys --publication "$work/sample.pub" --no-save --events load,register,journey:inks,unload
exit $status
