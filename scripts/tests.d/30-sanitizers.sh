# The unit tests of the sanitizer build (00-build.sh asan), all in one process (each
# run of them would start the sanitizers' runtimes anew): any report of a bad access,
# a leak or undefined behaviour ends the run and fails the check. The tests that read
# the built DLL are left out, as in the plain run.
source "$(dirname "$0")/../lib/common.sh"
tests="$BUILD_ROOT/asan/unit_tests"
[ -x "$tests" ] || { echo "no $tests"; exit 1; }
# A run is only worth its name when both runtimes are linked in.
symbols=$(nm "$tests")
for symbol in __asan_init __ubsan_handle; do
  grep -q "$symbol" <<<"$symbols" || { echo "sanitizers: unit_tests lacks $symbol"; exit 1; }
done
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="exitcode=23"
"$tests" --gtest_filter='-ResourceTest.*:VersionResource.*:DialogResources.*' --gtest_brief=1
