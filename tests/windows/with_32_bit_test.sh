#!/usr/bin/env bash
# with_32_bit.sh runs a command where 32-bit x86 programs run, as the calling user with its exit
# status, enters no second namespace when called again inside, and leaves the machine's own
# binfmt_misc as it was: other users' 32-bit programs must not go through our emulator.
set -euo pipefail

with_32_bit=$(dirname "$0")/with_32_bit.sh
if ! how=$("$with_32_bit" --how); then
  echo "skipped: this machine runs no 32-bit programs, natively or through qemu-user"
  exit 77
fi
echo "with_32_bit_test: 32-bit programs run $how"
binfmt=/proc/sys/fs/binfmt_misc
registered() { ls "$binfmt" 2>/dev/null || true; }
before=$(registered)

failures=0
check() {  # check WHAT COMMAND...
  local what=$1
  shift
  if ! "$@"; then
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
  fi
}
status_of() { "$@" && echo 0 || echo $?; }

check "a 32-bit program runs" timeout 60 "$with_32_bit" /lib/ld-linux.so.2 --version >/dev/null
check "the command runs as the calling user" \
  test "$(timeout 60 "$with_32_bit" id -u):$(timeout 60 "$with_32_bit" id -g)" = "$(id -u):$(id -g)"
check "the command's exit status is kept" test "$(status_of timeout 60 "$with_32_bit" sh -c 'exit 7')" = 7
# shellcheck disable=SC2016  # expanded by the inner shells
check "inside, it says how and runs the command directly" test "$(timeout 60 "$with_32_bit" \
  sh -c '"$1" --how && "$1" sh -c "echo \$ZUNDABAR_32_BIT"' sh "$with_32_bit")" = \
  "$how"$'\n'"${how#through }"
check "the machine's own binfmt_misc is unchanged" test "$(registered)" = "$before"

if [ "$failures" -ne 0 ]; then
  echo "with_32_bit_test: $failures checks failed" >&2
  exit 1
fi
