# The DLL is hardened (cmake/Hardening.cmake): ASLR, DEP and no SEH handlers in its PE
# header, no time stamp, no build folder in its bytes; the linker map beside it shows the
# stack protector linked in from the static support library and called by the product's
# own code, and the fortified functions' failure path. The test-only overflow probe of
# the same build folder, built with the same flags, shows that they fortify: its copy
# into a buffer of known size calls __memcpy_chk.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
dll="$BUILD_ROOT/win32/OrvaneTrp.dll"
map="$BUILD_ROOT/win32/OrvaneTrp.map"
probe_map="$BUILD_ROOT/win32/overflow_probe.map"
for f in "$dll" "$map" "$probe_map"; do [ -f "$f" ] || { echo "no $f"; exit 1; }; done
dump=$(TZ=UTC i686-w64-mingw32-objdump -p "$dll")

# DllCharacteristics: DYNAMIC_BASE 0x0040, NX_COMPAT 0x0100, NO_SEH 0x0400.
chars=$(awk '$1 == "DllCharacteristics" {print $2}' <<<"$dump")
[ -n "$chars" ] || { echo "no DllCharacteristics in the PE header"; exit 1; }
names=$(sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p' <<<"$dump" | awk 'NR > 1 && !/^SizeOf/ {print $1}' | paste -sd " ")
echo "DllCharacteristics 0x$chars: $names"
for bit in DYNAMIC_BASE:0x40 NX_COMPAT:0x100 NO_SEH:0x400; do
  (( 0x$chars & ${bit#*:} )) || { echo "the DLL is not marked ${bit%%:*}"; exit 1; }
done
# Reproducible: no time stamp in the header nor in the export table.
grep -q $'^Time/Date\t\tThu Jan  1 00:00:00 1970$' <<<"$dump" || { echo "the PE header has a time stamp: $(grep '^Time/Date' <<<"$dump")"; exit 1; }
grep -q $'^Time/Date stamp \t\t0$' <<<"$dump" || { echo "the export table has a time stamp"; exit 1; }
for folder in "$ROOT" "$BUILD_ROOT"; do
  if grep -qaF "$folder" "$dll"; then echo "the DLL holds the folder $folder"; exit 1; fi
done

# The map's cross-reference table: a symbol at the start of a line with the file that
# defines it, then the files that reference it, one a line.
references() {  # MAP SYMBOL: the files that define and reference it
  awk -v sym="$2" '/^Cross Reference Table/ {t = 1; next}
    t && /^[^ \t]/ {on = ($1 == sym); if (on) print $2; next}
    t && on && NF {print $1}' "$1"
}
for sym in __stack_chk_fail __stack_chk_guard; do
  refs=$(references "$map" "$sym")
  [ -n "$refs" ] || { echo "the map has no $sym: no stack protector in the DLL"; exit 1; }
  head -n 1 <<<"$refs" | grep -q '/libssp\.a(ssp\.o)$' || { echo "$sym comes from $(head -n 1 <<<"$refs"), not the static libssp.a"; exit 1; }
  users=$(tail -n +2 <<<"$refs" | grep -c '\.cpp\.obj)$' || true)
  [ "$users" -gt 0 ] || { echo "no product object uses $sym"; exit 1; }
  echo "$sym: from libssp.a, used by $users product objects"
done
[ -n "$(references "$map" __chk_fail)" ] || { echo "the map has no __chk_fail, where fortified calls fail"; exit 1; }
# The functions that check at run time; the product's calls have sizes that the compiler
# either proves or does not know, so it may have none.
fortified=$(awk '/^Cross Reference Table/ {t = 1; next} t && /^__[a-z0-9]+_chk / && $1 !~ /^__stack_chk/ {print $1}' "$map" | paste -sd " ")
echo "fortified functions in the DLL: ${fortified:-none needed at run time}; __chk_fail linked"
refs=$(references "$probe_map" __memcpy_chk)
grep -q 'overflow_probe\.cpp\.obj)$' <<<"$refs" || { echo "the overflow probe does not call __memcpy_chk: the flags do not fortify"; exit 1; }
echo "overflow probe (same flags): calls __memcpy_chk"
