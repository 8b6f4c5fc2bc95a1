# Shared by scripts/demo and scripts/test: install what is missing (as root), build both targets.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS=2
# Where the builds go; another folder keeps parallel checkouts or runs apart.
BUILD_ROOT="${ORVANE_BUILD:-$ROOT/build}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$ROOT/scripts/lib/i386.sh"
source "$ROOT/scripts/lib/wine.sh"

# Packages to install, gathered by the checks below: each names the command or file
# the scripts use and the Debian packages that provide it.
missing_packages=()
need_command() { command -v "$1" >/dev/null || missing_packages+=("${@:2}"); }
need_file() { compgen -G "$1" >/dev/null || missing_packages+=("${@:2}"); }

# What cannot run without a package: said when the package cannot be installed.
package_purpose() {
  case "$1" in
    cmake | g++) echo "every build" ;;
    googletest | libgtest-dev | libgmock-dev) echo "the unit tests" ;;
    libbenchmark-dev) echo "the benchmarks" ;;
    clang | libclang-rt-14-dev) echo "the fuzzers" ;;
    *mingw-w64-i686) echo "the Windows build and the checks of the DLL" ;;
    *mingw-w64-x86-64) echo "the 64-bit twin for the checks under Wine" ;;
    wine32:i386) echo "32-bit Wine; the 64-bit twin runs its checks where wine64 does" ;;
    wine | wine64) echo "the checks under Wine" ;;
    xvfb | xauth) echo "the runs that need a display" ;;
    ghostscript) echo "the Ghostscript checks and the inspector" ;;
    imagemagick) echo "the screenshots" ;;
    chromium) echo "the check of report.html in a browser" ;;
    zip | unzip) echo "the package" ;;
    *) echo "the checks that call it" ;;
  esac
}

# apt-get update, tried a few times: a mirror being synced fails one index now and
# then. When some indexes still fail, the install goes on with those that were read.
update_package_lists() {
  local try
  for try in 1 2 3; do
    apt-get update -q && return 0
    [ "$try" = 3 ] || sleep $((try * 3))
  done
  echo "apt-get update: some package indexes could not be read; installing from the others" >&2
}

# Installs what the checks found missing (as root; i386 packages for Wine). What still
# cannot be installed is named in one line with what will therefore not run, and the
# rest goes on without it: ORVANE_UNINSTALLED lists those packages for the checks.
install_missing() {
  if [ ${#missing_packages[@]} -eq 0 ]; then return 0; fi
  local needed package failed=() purposes=()
  mapfile -t needed < <(printf '%s\n' "${missing_packages[@]}" | sort -u)
  missing_packages=()
  # A package that could not be installed on this machine in the last six hours is not
  # tried again on every run (nor in every clone): the archive is rarely mended sooner.
  local memo="${ORVANE_UNINSTALLABLE:-/var/tmp/orvane-uninstallable}" recent=()
  if [ -f "$memo" ]; then
    mapfile -t recent < <(awk -v since=$(($(date +%s) - 21600)) '$1 >= since {print $2}' "$memo" | sort -u)
    if [ ${#recent[@]} -gt 0 ]; then
      mapfile -t needed < <(printf '%s\n' "${needed[@]}" | grep -vxF -f <(printf '%s\n' "${recent[@]}") || true)
      echo "not tried again: ${recent[*]} (could not be installed lately; remove $memo to retry)" >&2
      ORVANE_UNINSTALLED="${recent[*]}"
      export ORVANE_UNINSTALLED
    fi
  fi
  [ ${#needed[@]} -gt 0 ] || return 0
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${needed[*]} (run as root to install them)" >&2
    return 1
  fi
  if printf '%s\n' "${needed[@]}" | grep -q ':i386$'; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  update_package_lists
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -q "${needed[@]}" && return 0
  # One at a time, to learn which cannot be had.
  for package in "${needed[@]}"; do
    apt-get install -y -q "$package" >/dev/null 2>&1 || failed+=("$package")
  done
  [ ${#failed[@]} -gt 0 ] || return 0
  printf "$(date +%s) %s\n" "${failed[@]}" >>"$memo" || true
  for package in "${failed[@]}"; do purposes+=("$package (not run without it: $(package_purpose "$package"))"); done
  echo "could not install $(printf '%s, ' "${purposes[@]}" | sed 's/, $//'); going on with the rest" >&2
  ORVANE_UNINSTALLED="${ORVANE_UNINSTALLED:+$ORVANE_UNINSTALLED }${failed[*]}"
  export ORVANE_UNINSTALLED
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
  need_command chromium chromium
  need_file "/usr/include/*/tiffio.h" libtiff-dev
  need_file /usr/include/png.h libpng-dev
  need_file /usr/include/nlohmann/json.hpp nlohmann-json3-dev
  need_file /usr/bin/time time
  need_command script bsdutils
  need_command wine wine
  need_command wineserver wine
  need_command winepath wine
  need_command zip zip
  need_command unzip unzip
  need_command zipinfo unzip
  need_command osslsigncode osslsigncode
  need_command openssl openssl
  # The 64-bit twin, and the overflow check's 64-bit probe, which runs on every machine.
  need_twin_packages
  # 32-bit Wine only where the kernel runs 32-bit programs (or qemu-i386 is asked for).
  if i386_programs_run || [ "${ORVANE_QEMU_I386:-0}" = 1 ]; then
    dpkg -s wine32:i386 >/dev/null 2>&1 || missing_packages+=(wine32:i386)
  fi
  install_missing
  enable_i386_programs
}

# What the 64-bit twin is built and run with: no i386 package among them.
need_twin_packages() {
  need_command x86_64-w64-mingw32-g++ g++-mingw-w64-x86-64
  need_command x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
  need_file "$WINE64_LOADER" wine64
}

# The names a Windows DLL (of the 32-bit build) exports, one a line.
dll_exports() {
  i686-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' | awk '{print $NF}'
}

# Ends a check with SKIPPED when a command it needs is not installed, naming it.
skip_without_command() {  # command package
  command -v "$1" >/dev/null && return 0
  echo "skipped: $1 is not installed (package $2)"
  exit "$SKIPPED"
}

# The build folder that the sanitizer run and the fuzzers share (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer): the core is compiled once for both.
SANITIZED_BUILD="${SANITIZE_BUILD_DIR:-$BUILD_ROOT/asan}"
configure_sanitized() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$SANITIZED_BUILD" -DCMAKE_BUILD_TYPE=Debug \
    -DORVANE_SANITIZE=ON -DORVANE_FUZZ=ON -DORVANE_BENCH=OFF >/dev/null
}

# scripts/test builds once and exports ORVANE_BUILT as its build folder: the scripts it
# runs build nothing more there, so that checks running side by side never build in
# one folder at a time. A build into another folder (a second build to compare) builds.
already_built() { [ "${ORVANE_BUILT:-}" = "$BUILD_ROOT" ]; }

build_native() {
  already_built && return 0
  cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD_ROOT/native" -j"$JOBS"
}

# Builds the Windows targets named (all when none is).
build_win32() {
  already_built && return 0
  if ! command -v i686-w64-mingw32-g++ >/dev/null; then
    echo "no Windows build: i686-w64-mingw32-g++ is not installed (package g++-mingw-w64-i686)" >&2
    return 0
  fi
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  cmake -S "$ROOT" -B "$BUILD_ROOT/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win32" -j"$JOBS" "${targets[@]}"
}
