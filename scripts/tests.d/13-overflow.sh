# A write past a buffer under the DLL's hardening flags ends the process instead of
# returning to its caller with a corrupted stack: the test-only overflow probe
# (tests/hardening/overflow_probe.cpp) overflows a 16-byte buffer on the stack, once
# through a pointer that hides its size (the stack protector) and once with memcpy (the
# fortified memcpy), and must end in the trap of libssp's failure path; within bounds it
# returns. It runs as the 32-bit probe of the win32 build under Wine where 32-bit
# programs run, and as the same source built with the same flags (ORVANE_HARDENING_FLAGS.txt)
# by the 64-bit MinGW-w64 compiler under 64-bit Wine, which runs on any x86-64 kernel.
source "$(dirname "$0")/../lib/common.sh"
flags_file="$BUILD_ROOT/win32/ORVANE_HARDENING_FLAGS.txt"
probe32="$BUILD_ROOT/win32/overflow_probe.exe"
for f in "$flags_file" "$probe32"; do [ -f "$f" ] || { echo "no $f"; exit 1; }; done
flags() { sed -n "s/^$1: //p" "$flags_file"; }
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"  # an unhandled exception ends the process, no debugger
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check_probe LABEL COMMAND...: runs the probe COMMAND through the four cases.
check_probe() {
  local label="$1" mode count out status
  shift
  for mode in stack memcpy; do
    for count in 16 64; do
      status=0
      out=$(timeout 120 "$@" "$mode" "$count" 2>&1) || status=$?
      grep -q '^calling' <<<"$out" || { echo "$out"; echo "$label $mode $count: the probe did not start"; return 1; }
      if [ "$count" = 16 ]; then
        [ "$status" = 0 ] && grep -q '^returned' <<<"$out" \
          || { echo "$out"; echo "$label $mode $count: a write within bounds did not return (status $status)"; return 1; }
      else
        if grep -q '^returned' <<<"$out"; then echo "$out"; echo "$label $mode $count: the overflow returned to its caller"; return 1; fi
        [ "$status" != 0 ] || { echo "$out"; echo "$label $mode $count: exit status 0 after an overflow"; return 1; }
        grep -q 'illegal instruction' <<<"$out" \
          || { echo "$out"; echo "$label $mode $count: ended otherwise than in the protector's trap"; return 1; }
      fi
    done
  done
  echo "$label: a write past the buffer ends the process (stack protector and fortified memcpy); within bounds it returns"
}

ran=0 reasons=()
# The 32-bit probe needs 32-bit Wine itself, whichever Wine the other checks run with.
why32=$(wine32_missing)
if [ -z "$why32" ]; then
  (cd "$BUILD_ROOT/win32" && check_probe "32-bit probe under Wine" "$I386_PROBE" ./overflow_probe.exe) || exit 1
  ran=1
else
  reasons+=("32-bit: $(tr '\n' ';' <<<"$why32" | sed 's/;$//; s/;/; /g')")
fi

wine64="$WINE64_LOADER"
if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  reasons+=("64-bit: no x86_64-w64-mingw32-g++ (g++-mingw-w64-x86-64)")
elif [ ! -x "$wine64" ]; then
  reasons+=("64-bit: no $wine64 (wine64)")
else
  # The probe's own 64-bit prefix, made on first use (some seconds). A server that stays
  # until the end of the check, and the prefix's services started apart from the probe's
  # output, which would otherwise wait for them to end.
  export WINEPREFIX="$BUILD_ROOT/wine64-prefix"
  wineserver64=/usr/lib/wine/wineserver64
  mkdir -p "$WINEPREFIX"
  trap '"$wineserver64" -k 2>/dev/null || true; rm -rf "$work"' EXIT
  "$wineserver64" -p >/dev/null 2>&1 </dev/null || true
  boot=()
  [ -f "$WINEPREFIX/system.reg" ] || boot=(-i)
  timeout 300 "$wine64" wineboot "${boot[@]}" >"$work/wineboot.log" 2>&1 </dev/null \
    || { cat "$work/wineboot.log"; echo "64-bit Wine could not start in $WINEPREFIX"; exit 1; }
  # shellcheck disable=SC2046  # the flags are words
  x86_64-w64-mingw32-g++ -std=c++17 $(flags optimize) $(flags compile) "$ROOT/tests/hardening/overflow_probe.cpp" \
    -static -static-libgcc -static-libstdc++ $(flags link) -o "$work/overflow_probe64.exe"
  check_probe "64-bit probe under 64-bit Wine" "$wine64" "$work/overflow_probe64.exe" || exit 1
  ran=1
fi

if [ "$ran" = 0 ]; then
  echo "skipped: ${reasons[*]}"
  exit "$SKIPPED"
fi
[ ${#reasons[@]} -eq 0 ] || echo "not run: ${reasons[*]}"
