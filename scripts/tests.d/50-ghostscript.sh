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

# The device's rules, a job fragment each (rules.txt), all in one job, each on a fresh
# state: the device in its own right takes the fragment or stops with the error; under
# the inspector the fragment runs through and the refusal is an event with the error,
# the subject, the key and what the key must be.
rules_job="$JOBS_DIR/rules.ps"
{
  cat "$GSDIR/rules-prelude.ps"
  grep -v '^#' "$GSDIR/rules.txt" | while IFS='|' read -r name _ _ _ _ fragment; do
    printf '(%s) { %s } rule\n' "$name" "$fragment"
  done
} >"$rules_job"
# One line a rule: name, the error it stopped with, its refusals (subject:key, error,
# what the key must be; parted by ";"), its zones without area.
outcomes() {
  awk -F'\t' '
    function flush() { if (name != "") print name "|" stopped "|" refused "|" empty }
    /^@@rule\t/ { flush(); name = $2; stopped = ""; refused = ""; empty = 0; next }
    /^@@stopped\t/ { stopped = $2; next }
    /^@@inspect\trefuse\t/ { refused = refused (refused == "" ? "" : ";") $4 ":" $5 "," $7 "," $8; next }
    /^@@inspect\temptyzone\t/ { empty++; next }
    END { flush() }'
}
device_out=$(gsrun "$DEVICE" "$rules_job" 2>&1 | outcomes) || { echo "the device did not run the rules"; failed=1; }
inspect_out=$(gsrun -dSAFER --permit-file-read="$rules_job" -sInspectJob="$rules_job" "$DEVICE" "$ROOT/inspect/inspect.ps" 2>&1 | outcomes) ||
  { echo "the inspector did not run the rules"; failed=1; }
rules=0
while IFS='|' read -r name verdict error key range _; do
  case "$name" in '' | '#'*) continue ;; esac
  rules=$((rules + 1))
  device=$(grep -m1 "^$name|" <<<"$device_out" | cut -d'|' -f2)
  IFS='|' read -r _ stopped refused empty < <(grep -m1 "^$name|" <<<"$inspect_out" || echo "|missing||")
  [ -z "$stopped" ] || { echo "rule $name: the job stopped with /$stopped under the inspector"; failed=1; }
  case "$verdict" in
    ok | "ok emptyzone")
      [ -z "$device" ] || { echo "rule $name: the device refused a valid job with /$device"; failed=1; }
      [ -z "$refused" ] || { echo "rule $name: the inspector reports a refusal: $refused"; failed=1; }
      want=0; [ "$verdict" = "ok emptyzone" ] && want=1
      [ "$empty" = "$want" ] || { echo "rule $name: $empty zones without area, not $want"; failed=1; } ;;
    refused)
      [ "$device" = "$error" ] || { echo "rule $name: the device stopped with \"$device\", not /$error"; failed=1; }
      [ "$refused" = "$key,$error,$range" ] || { echo "rule $name: refused \"$refused\", not \"$key,$error,$range\""; failed=1; } ;;
    *) echo "rule $name: verdict $verdict?"; failed=1 ;;
  esac
done <"$GSDIR/rules.txt"
echo "device rules: $rules"
exit "$failed"
