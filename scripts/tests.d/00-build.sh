# Builds a tree that other checks need, beside the native one: win32 (the DLL,
# hostsim.exe and the overflow probe, Release) or asan (the unit tests and the fuzzers
# with clang, AddressSanitizer and UndefinedBehaviorSanitizer, Debug).
#   00-build.sh win32|asan
source "$(dirname "$0")/../lib/common.sh"
case "${1:-}" in
  win32) build_win32 ;;
  asan)
    skip_without_command clang++ clang
    targets=(unit_tests)
    for src in "$ROOT"/fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
    # Line tables are what the sanitizers' reports need.
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD_ROOT/asan" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DORVANE_SANITIZE=ON \
      -DORVANE_FUZZ=ON -DORVANE_BENCH=OFF -DORVANE_CHECKS=OFF >/dev/null
    cmake --build "$BUILD_ROOT/asan" -j"$JOBS" --target "${targets[@]}" ;;
  *) echo "usage: 00-build.sh win32|asan" >&2; exit 2 ;;
esac
