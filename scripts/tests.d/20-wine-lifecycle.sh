# The real DLL in hostsim.exe under Wine: load, register, unload.
source "$(dirname "$0")/../lib/wine.sh"
use_wine
wine_session -- "$@"
cd "$BUILD_ROOT/win32"
out=$(run_wine_display ./hostsim.exe --dll OrvaneTrp.dll --events load,register,release,unload)
echo "$out"
echo "$out" | grep -qx "load: 0"
echo "$out" | grep -qx "register: 0, notifications 2 105 110 107 118 102"
echo "$out" | grep -qx "unload: 0"
echo "$out" | grep -qx "interfaces outstanding: 0"
echo "ran under $(wine_flavour)"
