# The product is a PE32 i386 DLL that exports only main and imports only system DLLs.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
dll="$BUILD_ROOT/win32/OrvaneTrp.dll"
dump=$(i686-w64-mingw32-objdump -p "$dll")
grep -q "file format pei-i386" <<<"$dump"
exports=$(dll_exports "$dll")
[ "$exports" = "main" ] || { echo "exports: $exports"; exit 1; }
size=$(stat -c %s "$dll")
echo "size: $size bytes"
[ "$size" -lt 1048576 ] || { echo "the DLL is not under 1 MB"; exit 1; }
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump" | sort -u | tr '\n' ' ')
echo "exports: $exports; imports: $imports"
for lib in $imports; do
  case "$lib" in
    kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll|advapi32.dll|comctl32.dll) ;;
    *) echo "non-system import: $lib"; exit 1 ;;
  esac
done
