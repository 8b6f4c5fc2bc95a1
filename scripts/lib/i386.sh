# 32-bit Wine's loader is a 32-bit Linux program. A kernel built without 32-bit
# support refuses it ("Exec format error"); there the runs under Wine take the 64-bit
# twin under wine64 instead (wine.sh). ORVANE_QEMU_I386=1 runs 32-bit Wine
# through qemu's user-mode emulator instead, registered with binfmt_misc (as root):
# much slower, Wine's first start takes minutes, and Wine under it is not reliable.
# Source after common.sh.
I386_PROBE=/usr/lib/wine/wine
BINFMT=/proc/sys/fs/binfmt_misc
SKIPPED=77  # exit status of a check that cannot run on this machine
# Matches the header of an i386 executable or shared object; the F flag keeps the
# emulator usable inside other mount namespaces.
QEMU_I386_BINFMT=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F'

# Whether this kernel runs i386 programs, natively or through a registered emulator:
# a 93-byte static i386 program that only exits 0, so no i386 package is needed to ask.
i386_programs_run() {
  local probe status=0
  mkdir -p "$BUILD_ROOT"
  probe=$(mktemp -p "$BUILD_ROOT")  # the shared temporary folder may forbid running programs
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08'\
'\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00'\
'\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=1
  rm -f "$probe"
  return "$status"
}

# How 32-bit programs run here: native, qemu or none.
i386_mode() {
  if [ -e "$BINFMT/qemu-i386" ] && grep -qx enabled "$BINFMT/qemu-i386"; then
    echo qemu
  elif [ -x "$I386_PROBE" ] && "$I386_PROBE" --version >/dev/null 2>&1; then
    echo native
  else
    echo none
  fi
}

# With ORVANE_QEMU_I386=1 on a kernel without 32-bit support: registers qemu-i386.
enable_i386_programs() {
  [ "${ORVANE_QEMU_I386:-0}" = 1 ] || return 0
  [ -x "$I386_PROBE" ] || return 0  # no Wine: nothing 32-bit to run
  [ "$(i386_mode)" = none ] || return 0
  if [ "$(id -u)" != 0 ]; then
    echo "registering qemu-i386 for 32-bit programs needs root" >&2
    return 1
  fi
  need_command qemu-i386-static qemu-user-static
  install_missing
  [ -e "$BINFMT/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT"
  if [ ! -e "$BINFMT/qemu-i386" ]; then
    printf '%s' "$QEMU_I386_BINFMT" >"$BINFMT/register"
  else
    echo 1 >"$BINFMT/qemu-i386"
  fi
  "$I386_PROBE" --version >/dev/null 2>&1 || { echo "32-bit programs do not run, not even through qemu-i386" >&2; return 1; }
  echo "32-bit programs run through qemu-i386 (this kernel has no 32-bit support)"
}
