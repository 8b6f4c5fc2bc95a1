# Wine's loader and server are 32-bit Linux programs. A kernel built without 32-bit
# support refuses them ("Exec format error"); there, qemu's user-mode emulator runs
# them, registered with the kernel's binfmt_misc (needs root). Source after common.sh.
I386_PROBE=/usr/lib/wine/wine
BINFMT=/proc/sys/fs/binfmt_misc
# Matches the header of an i386 executable or shared object; the F flag keeps the
# emulator usable inside other mount namespaces.
QEMU_I386_BINFMT=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F'

i386_programs_run() { "$I386_PROBE" --version >/dev/null 2>&1; }

enable_i386_programs() {
  [ -x "$I386_PROBE" ] || return 0  # no Wine yet: nothing 32-bit to run
  i386_programs_run && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "this kernel cannot run 32-bit programs; run as root to run them through qemu-i386" >&2
    return 1
  fi
  need_command qemu-i386-static qemu-user-static
  install_missing
  [ -e "$BINFMT/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT"
  if [ ! -e "$BINFMT/qemu-i386" ]; then
    printf '%s' "$QEMU_I386_BINFMT" >"$BINFMT/register"
  elif ! grep -qx enabled "$BINFMT/qemu-i386"; then
    echo 1 >"$BINFMT/qemu-i386"
  fi
  if ! i386_programs_run; then
    echo "32-bit programs do not run, not even through qemu-i386: Wine cannot start" >&2
    return 1
  fi
  echo "this kernel has no 32-bit support: Wine's 32-bit programs run through qemu-i386 (slower)"
}
