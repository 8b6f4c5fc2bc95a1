# Every reader under libFuzzer with AddressSanitizer: FUZZ_SECONDS (6 unless set) per
# target on a copy of its seed corpus, long enough to pass the seeds and go on to new
# inputs, as many targets at a time as there are build jobs. A crash, leak or failed
# check ends the run non-zero, and so does a target that never got past its seeds; one
# that found no new input is named. The fuzzers build in the sanitizer run's folder.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command clang++ clang
BUILD="${FUZZ_BUILD_DIR:-$SANITIZED_BUILD}"
SECONDS_PER_TARGET="${FUZZ_SECONDS:-6}"

SANITIZE_BUILD_DIR="$BUILD" configure_sanitized

targets=()
for src in "$ROOT"/fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build "$BUILD" -j"$JOBS" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One target's run; its verdict goes to $work/TARGET.result, its words to TARGET.summary.
fuzz_one() {
  local target="$1" corpus="$work/$1" seeds runs found
  mkdir -p "$corpus"
  if [ -d "$ROOT/fuzz/corpus/$target" ]; then cp "$ROOT/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true; fi
  seeds=$(ls "$corpus" | wc -l)
  if ! (cd "$work" && mkdir -p "$target.artifacts" && "$BUILD/$target" -max_total_time="$SECONDS_PER_TARGET" \
        -timeout=10 -rss_limit_mb=1024 -print_final_stats=0 -artifact_prefix="$target.artifacts/" \
        "$corpus" >"$work/$target.log" 2>&1); then
    { tail -n 40 "$work/$target.log"; echo "$target: failed"; } >"$work/$target.summary"
    echo 1 >"$work/$target.result"
    return
  fi
  if ! grep -q 'INITED' "$work/$target.log"; then
    { tail -n 20 "$work/$target.log"; echo "$target: did not get past its seed corpus"; } >"$work/$target.summary"
    echo 1 >"$work/$target.result"
    return
  fi
  runs=$(grep -oE '^Done [0-9]+ runs' "$work/$target.log" | grep -oE '[0-9]+' || echo "?")
  found=$(grep -cE '[[:space:]]NEW[[:space:]]' "$work/$target.log" || true)
  {
    echo "$target: $runs runs, $found new inputs, corpus $seeds seeds -> $(ls "$corpus" | wc -l) files"
    # A small reader can be covered by its seeds already; that is worth a word, not a failure.
    [ "$found" != 0 ] || echo "$target: reached no input beyond its seeds; give it more time (FUZZ_SECONDS)"
  } >"$work/$target.summary"
  echo 0 >"$work/$target.result"
}

running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$JOBS" ]; then wait -n; running=$((running - 1)); fi
  fuzz_one "$target" &
  running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
  echo "== $target"
  cat "$work/$target.summary" 2>/dev/null || echo "$target: no result"
  [ "$(cat "$work/$target.result" 2>/dev/null)" = 0 ] || failed=1
done
[ "$failed" = 0 ] || { echo "fuzz: a target failed" >&2; exit 1; }
echo "fuzz: all targets ran clean"
