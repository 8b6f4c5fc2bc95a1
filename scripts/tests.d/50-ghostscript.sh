# Print jobs written by the plug-in, run by Ghostscript: on a plain device (the trap
# setup is skipped without error) and on a device that traps with type 1001 (the
# guarded code runs, and defines and uses exactly the expected resources).
source "$(dirname "$0")/../lib/common.sh"
skip_without_command gs ghostscript
NATIVE="${ORVANE_NATIVE_BUILD:-$BUILD_ROOT/native}"
GSDIR="$ROOT/tests/ghostscript"
DEVICE="$ROOT/inspect/trap-device.ps"
JOBS_DIR="$NATIVE/ghostscript-jobs"
rm -rf "$JOBS_DIR"
mkdir -p "$JOBS_DIR"

ORVANE_PS_JOBS="$JOBS_DIR" "$NATIVE/unit_tests" --gtest_filter='PrintJobFiles.*' --gtest_brief=1 >/dev/null

gsrun() { timeout 120 gs -q -dNOPAUSE -dBATCH -sDEVICE=nullpage "$@"; }
failed=0
for expected in "$GSDIR"/expected/*.txt; do
  name=$(basename "$expected" .txt)
  job="$JOBS_DIR/$name.ps"
  if [ ! -s "$job" ]; then echo "missing job $name.ps"; failed=1; continue; fi

  plain=$(gsrun "$job" "$GSDIR/plain-report.ps" 2>&1) || { echo "$name: plain device failed"; echo "$plain"; failed=1; }
  if [ "$plain" != "trap setup skipped" ]; then echo "$name: plain device output: $plain"; failed=1; fi

  if ! gsrun "$DEVICE" "$job" "$GSDIR/report.ps" >"$JOBS_DIR/$name.out" 2>&1; then
    echo "$name: trapping device failed"; cat "$JOBS_DIR/$name.out"; failed=1; continue
  fi
  if ! diff -u "$expected" "$JOBS_DIR/$name.out"; then echo "$name: unexpected trap setup"; failed=1; fi
  echo "$name: ok"
done

# The device itself: it must accept values at the ends of the ranges and refuse the rest
# with an error that the interpreter reports (not one that breaks the interpreter).
gsrun "$DEVICE" "$GSDIR/faults/accepted.ps" >/dev/null 2>&1 || { echo "device refused valid values"; failed=1; }
for fault in "$GSDIR"/faults/*.ps; do
  [ "$(basename "$fault")" = accepted.ps ] && continue
  if out=$(gsrun "$DEVICE" "$fault" 2>&1); then
    echo "device accepted $(basename "$fault")"; failed=1
  elif ! grep -q "^Error: /[a-z]* in " <<<"$out"; then
    echo "device refused $(basename "$fault") without an error: $out" | head -3; failed=1
  fi
done
exit "$failed"
