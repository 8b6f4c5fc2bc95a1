# scripts/package --check-reproducible: the zip holds the DLL, INSTALL.txt, the licence
# and SHA256SUMS of the three, dist/ holds SHA256SUMS of the zip, and both check with
# sha256sum -c where they lie; the packaged DLL is not signed, keeps its only export and
# its resources (the native resource tests read them from it and must not skip); and a
# second build from a copy of the source in another folder gives the same DLL and zip.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(head -n 1 "$ROOT/VERSION")
started=$SECONDS
status=0
ORVANE_DIST="$work/dist" "$ROOT/scripts/package" --check-reproducible >"$work/log" 2>&1 || status=$?
grep -E '^(package|sha256|reproducible):' "$work/log" || true
[ "$status" = 0 ] || { cat "$work/log"; echo "scripts/package --check-reproducible: exit status $status"; exit 1; }
echo "packaging and the reproducibility check took $((SECONDS - started)) s"
zip="$work/dist/OrvaneTrp-$version.zip"
[ -f "$zip" ] || { echo "no $zip"; exit 1; }
listing=$(ls "$work/dist" | paste -sd " ")
[ "$listing" = "OrvaneTrp-$version.zip SHA256SUMS" ] || { echo "dist/ holds: $listing"; exit 1; }
(cd "$work/dist" && sha256sum -c --strict SHA256SUMS) || { echo "dist/SHA256SUMS does not check"; exit 1; }
entries=$(zipinfo -1 "$zip" | paste -sd " ")
[ "$entries" = "OrvaneTrp.dll INSTALL.txt LICENSE.txt SHA256SUMS" ] || { echo "the zip holds, in this order: $entries"; exit 1; }
# Every entry has the source's time (the commit's) and the mode 644.
source_time=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct)}
while read -r mode _ _ _ _ _ _ stamp name; do
  [ "$mode" = "-rw-r--r--" ] || { echo "$name has the mode $mode"; exit 1; }
  # zipinfo -T shows yyyymmdd.hhmmss; a zip's times go in steps of two seconds.
  entry_time=$(TZ=UTC date -d "${stamp:0:8} ${stamp:9:2}:${stamp:11:2}:${stamp:13:2}" +%s)
  (( entry_time - source_time <= 2 && source_time - entry_time <= 2 )) \
    || { echo "$name has the time $stamp, not the source's $(TZ=UTC date -d "@$source_time" +%Y%m%d.%H%M%S)"; exit 1; }
done < <(TZ=UTC zipinfo -T -l "$zip" | grep -E '^-')
unzip -q "$zip" -d "$work/unpacked"
(cd "$work/unpacked" && sha256sum -c --strict SHA256SUMS) || { echo "the zip's SHA256SUMS does not check"; exit 1; }
dll="$work/unpacked/OrvaneTrp.dll"
if i686-w64-mingw32-objdump -h "$dll" | grep -q '\.debug_'; then echo "the packaged DLL is not stripped"; exit 1; fi
cmp "$dll" "$BUILD_ROOT/win32/OrvaneTrp.dll" || { echo "the packaged DLL is not the one linked"; exit 1; }
headers=$(i686-w64-mingw32-objdump -p "$dll")
grep -q '^Entry 4 00000000 00000000 Security Directory' <<<"$headers" \
  || { echo "the packaged DLL is signed, though no certificate was given"; exit 1; }
grep -q "^Version $version"$'\r'"$" "$work/unpacked/INSTALL.txt" || { echo "INSTALL.txt does not name version $version with Windows line ends"; exit 1; }
grep -q "MIT License" "$work/unpacked/LICENSE.txt" || { echo "no licence"; exit 1; }
exports=$(dll_exports "$dll")
[ "$exports" = main ] || { echo "the packaged DLL exports: $exports"; exit 1; }
out=$(ORVANE_DLL="$dll" "$BUILD_ROOT/native/unit_tests" \
  --gtest_filter='ResourceTest.*:VersionResource.*:DialogResources.*' 2>&1) || { echo "$out"; exit 1; }
if echo "$out" | grep -q "SKIPPED"; then echo "a resource test skipped"; exit 1; fi
echo "$out" | grep -q "PASSED.* 5 tests" || { echo "$out"; exit 1; }
echo "package: $(basename "$zip"), $(stat -c %s "$zip") bytes, DLL $(stat -c %s "$dll") bytes"
