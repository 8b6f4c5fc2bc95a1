# One reader under libFuzzer with AddressSanitizer: FUZZ_SECONDS (6 unless set) on a
# copy of its seed corpus, long enough to pass the seeds and go on to new inputs. A
# crash, leak or failed check ends it non-zero, and so does a target that never got
# past its seeds; one that found no new input says so.
#   40-fuzz.sh TARGET   (the fuzzers of the sanitizer build, in $ORVANE_BUILD/asan)
source "$(dirname "$0")/../lib/common.sh"
target="${1:?usage: 40-fuzz.sh TARGET}"
fuzzer="$BUILD_ROOT/asan/$target"
[ -x "$fuzzer" ] || { echo "no fuzzer $fuzzer"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/artifacts"
cp "$ROOT/fuzz/corpus/$target"/* "$work/corpus/" 2>/dev/null || true
seeds=$(ls "$work/corpus" | wc -l)
(cd "$work" && "$fuzzer" -max_total_time="${FUZZ_SECONDS:-6}" -timeout=10 -rss_limit_mb=1024 -print_final_stats=0 \
  -artifact_prefix=artifacts/ corpus >log 2>&1) || { tail -n 40 "$work/log"; echo "$target: failed"; exit 1; }
grep -q 'INITED' "$work/log" || { tail -n 20 "$work/log"; echo "$target: did not get past its seed corpus"; exit 1; }
runs=$(grep -oE '^Done [0-9]+ runs' "$work/log" | grep -oE '[0-9]+' || echo "?")
found=$(grep -cE '[[:space:]]NEW[[:space:]]' "$work/log" || true)
echo "$target: $runs runs, $found new inputs, corpus $seeds seeds -> $(ls "$work/corpus" | wc -l) files"
# A small reader can be covered by its seeds already; that is worth a word, not a failure.
[ "$found" != 0 ] || echo "$target: reached no input beyond its seeds; give it more time (FUZZ_SECONDS)"
