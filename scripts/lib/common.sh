# Shared by scripts/demo and scripts/test: install what is missing (as root), build both targets.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS=2
# Where the builds go; another folder keeps parallel checkouts or runs apart.
BUILD_ROOT="${ORVANE_BUILD:-$ROOT/build}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$ROOT/scripts/lib/i386.sh"

# Packages to install, gathered by the checks below: each names the command or file
# the scripts use and the Debian packages that provide it.
missing_packages=()
need_command() { command -v "$1" >/dev/null || missing_packages+=("${@:2}"); }
need_file() { compgen -G "$1" >/dev/null || missing_packages+=("${@:2}"); }

# Installs what the checks found missing (as root; i386 packages for Wine).
install_missing() {
  if [ ${#missing_packages[@]} -eq 0 ]; then return 0; fi
  local needed
  mapfile -t needed < <(printf '%s\n' "${missing_packages[@]}" | sort -u)
  missing_packages=()
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${needed[*]} (run as root to install them)" >&2
    return 1
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${needed[@]}"
}

# Everything that building and the tests and demos call.
install_packages() {
  need_command cmake cmake
  need_command g++ g++
  need_file /usr/include/gtest/gtest.h googletest libgtest-dev libgmock-dev
  need_file /usr/include/benchmark/benchmark.h libbenchmark-dev
  need_command clang++ clang
  need_file "/usr/lib/llvm-14/lib/clang/14*/lib/linux/libclang_rt.fuzzer-x86_64.a" libclang-rt-14-dev
  need_command i686-w64-mingw32-g++ g++-mingw-w64-i686
  need_command i686-w64-mingw32-objdump binutils-mingw-w64-i686
  need_command xvfb-run xvfb
  need_command xauth xauth
  need_command gs ghostscript
  need_command import imagemagick
  need_command identify imagemagick
  need_command convert imagemagick
  need_command compare imagemagick
  need_command jq jq
  need_command script bsdutils
  need_command wine wine
  need_command wineserver wine
  need_command winepath wine
  need_command zip zip
  need_command unzip unzip
  dpkg -s wine32:i386 >/dev/null 2>&1 || missing_packages+=(wine wine32:i386)
  install_missing
  enable_i386_programs
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD_ROOT/native" -j"$JOBS"
}

# Builds the Windows targets named (all when none is).
build_win32() {
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  cmake -S "$ROOT" -B "$BUILD_ROOT/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win32" -j"$JOBS" "${targets[@]}"
}

# Runs a Windows program of the build under Wine (first start creates the prefix).
run_wine() {
  timeout 300 wine "$@"
}
