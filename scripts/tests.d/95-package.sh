# scripts/package: the zip holds the DLL, INSTALL.txt and the licence; the packaged
# DLL keeps its only export and its resources (the native resource tests read them
# from it and must not skip).
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(head -n 1 "$ROOT/VERSION")
ORVANE_DIST="$work/dist" "$ROOT/scripts/package"
zip="$work/dist/OrvaneTrp-$version.zip"
[ -f "$zip" ] || { echo "no $zip"; exit 1; }
unzip -q "$zip" -d "$work/unpacked"
listing=$(cd "$work/unpacked" && ls | sort | tr '\n' ' ')
[ "$listing" = "INSTALL.txt LICENSE.txt OrvaneTrp.dll " ] || { echo "the zip holds: $listing"; exit 1; }
dll="$work/unpacked/OrvaneTrp.dll"
if i686-w64-mingw32-objdump -h "$dll" | grep -q '\.debug_'; then echo "the packaged DLL is not stripped"; exit 1; fi
grep -q "^Version $version"$'\r'"$" "$work/unpacked/INSTALL.txt" || { echo "INSTALL.txt does not name version $version with Windows line ends"; exit 1; }
grep -q "MIT License" "$work/unpacked/LICENSE.txt" || { echo "no licence"; exit 1; }
exports=$(i686-w64-mingw32-objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' | awk '{print $NF}')
[ "$exports" = main ] || { echo "the packaged DLL exports: $exports"; exit 1; }
out=$(ORVANE_DLL="$dll" "$BUILD_ROOT/native/unit_tests" \
  --gtest_filter='ResourceTest.*:VersionResource.*:DialogResources.*' 2>&1) || { echo "$out"; exit 1; }
if echo "$out" | grep -q "SKIPPED"; then echo "a resource test skipped"; exit 1; fi
echo "$out" | grep -q "PASSED.* 5 tests" || { echo "$out"; exit 1; }
echo "package: $(basename "$zip"), $(stat -c %s "$zip") bytes, DLL $(stat -c %s "$dll") bytes"
