# Every reader under libFuzzer with AddressSanitizer: a few seconds per target on a
# copy of its seed corpus. A crash, leak or failed check ends the run non-zero.
source "$(dirname "$0")/../lib/common.sh"
BUILD="${FUZZ_BUILD_DIR:-$BUILD_ROOT/fuzz}"
SECONDS_PER_TARGET="${FUZZ_SECONDS:-5}"

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
  echo "== $target"
  if ! (cd "$work" && "$BUILD/$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=1024 \
        -print_final_stats=0 "$corpus" >"$work/$target.log" 2>&1); then
    tail -n 40 "$work/$target.log"
    echo "$target: failed" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs)' "$work/$target.log" | tail -n 1 || true
done
echo "fuzz: all targets ran clean"
