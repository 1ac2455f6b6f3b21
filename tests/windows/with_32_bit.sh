#!/usr/bin/env bash
# Runs a command where this machine's 32-bit x86 programs, Wine's 32-bit side among them, run:
#   with_32_bit.sh COMMAND [ARGS...]   runs the command there, with ZUNDABAR_32_BIT set to how
#   with_32_bit.sh --how               prints "natively" or "through qemu-user", or fails when
#                                      32-bit programs cannot run here at all
# Where the kernel runs no 32-bit programs (some virtual machines), qemu-user's i386 emulator is
# registered for them in binfmt_misc, but only inside a private user and mount namespace: in the
# machine's own binfmt_misc it would send every other user's 32-bit programs, their Wine among
# them, through the emulator too. The command runs in a namespace nested in that one as the
# calling user again, without capabilities, so that Wine finds its prefix and its server's
# socket as outside, and a Wine server started outside serves the programs started inside.
set -euo pipefail

readonly qemu=/usr/bin/qemu-i386
# The first bytes of a 32-bit x86 ELF executable or shared object, and the bits that must match.
readonly elf_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
readonly elf_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# qemu 7.2 finds room for each mapping without a fixed address by testing the guest's pages one at
# a time from the top of its reserved address space down, and Wine's 32-bit side keeps much of
# the top reserved: with the default 4 GiB a program took a minute to start, nearly all of it in
# that search. Wine needs the space up to the end of its 32-bit preloader's reservations (the
# shared user data lies at 0x7ffe0000) and no more, which cuts a start to two or three seconds.
readonly reserved_va=0x82000000

runs_natively() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

case "${1:-}" in
  "")
    echo "usage: with_32_bit.sh --how | COMMAND [ARGS...]" >&2
    exit 2
    ;;
  --inside)  # --inside UID GID COMMAND...: the first step inside the private namespace
    uid=$2 gid=$3
    shift 3
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    # 'F' opens the emulator now, so that it is found whatever the programs' mounts.
    printf '%s' ":i386:M::$elf_magic:$elf_mask:$qemu:F" >/proc/sys/fs/binfmt_misc/register
    export QEMU_RESERVED_VA=$reserved_va ZUNDABAR_32_BIT=qemu-user
    exec unshare --user --map-user="$uid" --map-group="$gid" -- "$@"
    ;;
esac

enter() {  # enter COMMAND...: runs the command with 32-bit programs going through qemu-user
  exec unshare --user --map-root-user --mount -- "$0" --inside "$(id -u)" "$(id -g)" "$@"
}

how() {
  if [ "${ZUNDABAR_32_BIT:-}" = qemu-user ]; then
    echo "through qemu-user"
  elif runs_natively; then
    echo natively
  elif [ -x "$qemu" ] && (enter /lib/ld-linux.so.2 --version) >/dev/null 2>&1; then
    echo "through qemu-user"
  else
    return 1
  fi
}

if [ "$1" = --how ]; then
  how
  exit
fi
if [ -n "${ZUNDABAR_32_BIT:-}" ]; then
  exec "$@"
fi
case "$(how)" in
  natively) ZUNDABAR_32_BIT=natively exec "$@" ;;
  "through qemu-user") enter "$@" ;;
  *)
    echo "with_32_bit.sh: this machine runs no 32-bit programs, natively or through qemu-user" \
      "(package qemu-user, and user namespaces)" >&2
    exit 1
    ;;
esac
