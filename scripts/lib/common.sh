# Shared by scripts/demo and scripts/test: install what is missing (as root), build both targets.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS=2
# Where the builds go; another folder keeps parallel checkouts or runs apart.
BUILD_ROOT="${ORVANE_BUILD:-$ROOT/build}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

install_packages() {
  local needed=()
  command -v cmake >/dev/null || needed+=(cmake)
  command -v g++ >/dev/null || needed+=(g++)
  [ -f /usr/include/gtest/gtest.h ] || needed+=(googletest libgtest-dev libgmock-dev)
  [ -f /usr/include/benchmark/benchmark.h ] || needed+=(libbenchmark-dev)
  command -v clang++ >/dev/null || needed+=(clang)
  ls /usr/lib/llvm-14/lib/clang/14*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || needed+=(libclang-rt-14-dev)
  command -v i686-w64-mingw32-g++ >/dev/null || needed+=(g++-mingw-w64-i686)
  command -v xvfb-run >/dev/null || needed+=(xvfb xauth)
  command -v gs >/dev/null || needed+=(ghostscript)
  command -v convert >/dev/null || needed+=(imagemagick)
  if ! command -v wine >/dev/null || ! dpkg -s wine32:i386 >/dev/null 2>&1; then needed+=(wine wine32:i386); fi
  if [ ${#needed[@]} -eq 0 ]; then return 0; fi
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${needed[*]} (run as root to install them)" >&2
    return 1
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${needed[@]}"
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD_ROOT/native" -j"$JOBS"
}

build_win32() {
  cmake -S "$ROOT" -B "$BUILD_ROOT/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win32" -j"$JOBS"
}

# Runs a Windows program of the build under Wine (first start creates the prefix).
run_wine() {
  timeout 300 wine "$@"
}
