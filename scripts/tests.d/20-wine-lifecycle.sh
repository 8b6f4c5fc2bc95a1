# The real DLL in hostsim.exe under Wine: load, register, unload.
source "$(dirname "$0")/../lib/common.sh"
cd "$ROOT/build/win32"
out=$(run_wine ./hostsim.exe OrvaneTrp.dll)
echo "$out"
grep -q "register: 0, notifications 2 105 110 107 118 102" <<<"$out"
