# A write past a buffer under the DLL's hardening flags ends the process instead of
# returning to its caller with a corrupted stack: the test-only overflow probe of the
# win32 build (tests/hardening/overflow_probe.cpp) overflows a 16-byte buffer on the
# stack, once through a pointer that hides its size (the stack protector) and once with
# memcpy (the fortified memcpy), and must end in the trap of libssp's failure path;
# within bounds it returns. It runs under the 32-bit Wine that runs the DLL.
source "$(dirname "$0")/../lib/wine.sh"
use_wine
wine_session -- "$@"
probe="$BUILD_ROOT/win32/overflow_probe.exe"
[ -f "$probe" ] || { echo "no $probe"; exit 1; }
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"  # an unhandled exception ends the process, no debugger
cd "$BUILD_ROOT/win32"
for mode in stack memcpy; do
  for count in 16 64; do
    status=0
    out=$(wine_run timeout 120 "$WINE_LOADER" ./overflow_probe.exe "$mode" "$count" 2>&1) || status=$?
    grep -q '^calling' <<<"$out" || { echo "$out"; echo "$mode $count: the probe did not start"; exit 1; }
    if [ "$count" = 16 ]; then
      [ "$status" = 0 ] && grep -q '^returned' <<<"$out" ||
        { echo "$out"; echo "$mode $count: a write within bounds did not return (status $status)"; exit 1; }
    else
      if grep -q '^returned' <<<"$out"; then echo "$out"; echo "$mode $count: the overflow returned to its caller"; exit 1; fi
      [ "$status" != 0 ] || { echo "$out"; echo "$mode $count: exit status 0 after an overflow"; exit 1; }
      grep -q 'illegal instruction' <<<"$out" ||
        { echo "$out"; echo "$mode $count: ended otherwise than in the protector's trap"; exit 1; }
    fi
  done
done
echo "$(wine_flavour): a write past the buffer ends the probe (stack protector and fortified memcpy); within bounds it returns"
