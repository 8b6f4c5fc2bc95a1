# Shared by the scripts and the checks: the folders, and the helpers every check needs.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS=2
# Where the builds go; another folder keeps parallel checkouts or runs apart.
BUILD_ROOT="${ORVANE_BUILD:-$ROOT/build}"
SKIPPED=77  # exit status of a check that cannot run on this machine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Ends a check with SKIPPED when a command it needs is not installed, naming it.
skip_without_command() {  # command package
  command -v "$1" >/dev/null && return 0
  echo "skipped: $1 is not installed (package $2)"
  exit "$SKIPPED"
}

# The names a Windows DLL (of the 32-bit build) exports, one a line.
dll_exports() {
  i686-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' | awk '{print $NF}'
}

# Builds the native tree (the tests, the Host stand-in, the inspector): Debug, with line
# tables only (-g1), which is enough for a backtrace and compiles a quarter faster.
build_native() {
  cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DORVANE_BUILD_ROOT="$BUILD_ROOT" >/dev/null
  cmake --build "$BUILD_ROOT/native" -j"$JOBS"
}

# Builds the Windows targets named (all when none is): the DLL, hostsim.exe, the probe.
build_win32() {
  command -v i686-w64-mingw32-g++ >/dev/null ||
    { echo "skipped: no Windows build: i686-w64-mingw32-g++ is not installed (package g++-mingw-w64-i686)"; return "$SKIPPED"; }
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  # A configured tree reconfigures itself when a CMake file changed.
  [ -f "$BUILD_ROOT/win32/CMakeCache.txt" ] ||
    cmake -S "$ROOT" -B "$BUILD_ROOT/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win32" -j"$JOBS" "${targets[@]}"
}
