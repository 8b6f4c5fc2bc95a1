# The resources of the built DLL: templates, string table and the Host's resource,
# read from the PE file by the native resource test (which must not skip here).
source "$(dirname "$0")/../lib/common.sh"
dll="$BUILD_ROOT/win32/OrvaneTrp.dll"
[ -f "$dll" ] || { echo "no DLL at $dll"; exit 1; }
out=$(ORVANE_DLL="$dll" "$BUILD_ROOT/native/unit_tests" --gtest_filter='ResourceTest.*' 2>&1) || { echo "$out"; exit 1; }
echo "$out" | tail -3
if echo "$out" | grep -q "SKIPPED"; then echo "the resource test skipped"; exit 1; fi
echo "$out" | grep -q "PASSED.* 3 tests" || { echo "$out"; exit 1; }
