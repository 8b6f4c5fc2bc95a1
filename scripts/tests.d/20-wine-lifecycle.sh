# The real DLL in hostsim.exe under Wine: load, register, unload.
source "$(dirname "$0")/../lib/common.sh"
skip_without_wine
source "$ROOT/scripts/lib/hostsim.sh"
cd "$WINE_BUILD"
out=$(run_wine ./hostsim.exe --dll OrvaneTrp.dll --events load,register,release,unload)
echo "$out"
echo "$out" | grep -qx "load: 0"
echo "$out" | grep -qx "register: 0, notifications 2 105 110 107 118 102"
echo "$out" | grep -qx "unload: 0"
echo "$out" | grep -qx "interfaces outstanding: 0"
