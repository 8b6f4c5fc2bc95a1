# Every reader under libFuzzer with AddressSanitizer: FUZZ_SECONDS (30 unless set) per
# target on a copy of its seed corpus, long enough to pass the seeds and go on to new
# inputs. A crash, leak or failed check ends the run non-zero, and so does a target
# that never got past its seeds; one that found no new input is named.
source "$(dirname "$0")/../lib/common.sh"
BUILD="${FUZZ_BUILD_DIR:-$BUILD_ROOT/fuzz}"
SECONDS_PER_TARGET="${FUZZ_SECONDS:-30}"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug \
  -DORVANE_FUZZ=ON -DORVANE_SANITIZE=ON -DORVANE_BENCH=OFF >/dev/null

targets=()
for src in "$ROOT"/fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build "$BUILD" -j"$JOBS" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ -d "$ROOT/fuzz/corpus/$target" ]; then cp "$ROOT/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true; fi
  seeds=$(ls "$corpus" | wc -l)
  echo "== $target"
  if ! (cd "$work" && "$BUILD/$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=1024 \
        -print_final_stats=0 "$corpus" >"$work/$target.log" 2>&1); then
    tail -n 40 "$work/$target.log"
    echo "$target: failed" >&2
    exit 1
  fi
  if ! grep -q 'INITED' "$work/$target.log"; then
    tail -n 20 "$work/$target.log"
    echo "$target: did not get past its seed corpus" >&2
    exit 1
  fi
  runs=$(grep -oE '^Done [0-9]+ runs' "$work/$target.log" | grep -oE '[0-9]+' || echo "?")
  found=$(grep -cE '[[:space:]]NEW[[:space:]]' "$work/$target.log" || true)
  echo "$target: $runs runs, $found new inputs, corpus $seeds seeds -> $(ls "$corpus" | wc -l) files"
  # A small reader can be covered by its seeds already; that is worth a word, not a failure.
  if [ "$found" = 0 ]; then
    echo "$target: reached no input beyond its seeds; give it more time (FUZZ_SECONDS)" >&2
  fi
done
echo "fuzz: all targets ran clean"
