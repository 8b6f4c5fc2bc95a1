# The resources of the built DLL: templates, string table, the Host's resource and
# the version, read from the PE file by the native resource tests (which must not
# skip here).
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
dll="$BUILD_ROOT/win32/OrvaneTrp.dll"
[ -f "$dll" ] || { echo "no DLL at $dll"; exit 1; }
out=$(ORVANE_DLL="$dll" "$BUILD_ROOT/native/unit_tests" --gtest_filter='ResourceTest.*:VersionResource.*' 2>&1) || { echo "$out"; exit 1; }
echo "$out" | tail -3
if echo "$out" | grep -q "SKIPPED"; then echo "the resource test skipped"; exit 1; fi
echo "$out" | grep -q "PASSED.* 4 tests" || { echo "$out"; exit 1; }
