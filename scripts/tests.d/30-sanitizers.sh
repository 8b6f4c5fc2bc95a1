# The native unit tests built with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer, in a build folder of their own, and run as the plain ones
# are: any report of a bad access, a leak or undefined behaviour fails its test.
# Exit 0 clean, 1 a test or the build failed, 2 the build could not be set up.
source "$(dirname "$0")/../lib/common.sh"
if [ "${1:-}" = --help ]; then
  cat <<EOF
usage: $(basename "$0")
  Builds unit_tests with clang and -DORVANE_SANITIZE=ON in \$ORVANE_BUILD/asan, the folder
  the fuzzers build in too (SANITIZE_BUILD_DIR to choose another), and runs them with ctest.
EOF
  exit 0
fi
BUILD="$SANITIZED_BUILD"
command -v cmake >/dev/null || { echo "sanitizers: cmake missing (package cmake)"; exit 2; }
command -v ctest >/dev/null || { echo "sanitizers: ctest missing (package cmake)"; exit 2; }
skip_without_command clang++ clang
command -v nm >/dev/null || { echo "sanitizers: nm missing (package binutils)"; exit 2; }

configure_sanitized || { echo "sanitizers: cmake could not configure $BUILD"; exit 2; }
cmake --build "$BUILD" -j"$JOBS" --target unit_tests || { echo "sanitizers: the build failed"; exit 1; }

# A run is only worth its name when both runtimes are linked in.
symbols=$(nm "$BUILD/unit_tests")
for symbol in __asan_init __ubsan_handle; do
  grep -q "$symbol" <<<"$symbols" || { echo "sanitizers: unit_tests lacks $symbol"; exit 1; }
done

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="exitcode=23"
(cd "$BUILD" && ORVANE_DLL="$BUILD_ROOT/win32/OrvaneTrp.dll" ctest --output-on-failure -j"$JOBS") ||
  { echo "sanitizers: a test failed or a sanitizer reported" >&2; exit 1; }
echo "sanitizers: every unit test ran clean under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
