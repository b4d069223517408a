#!/usr/bin/env bash
# glint_x86_runnable against stand-ins for the 32-bit Wine loader: one that the kernel refuses
# to execute, one that is missing, one that fails, and one that runs.
# Usage: x86_detection_test.sh PATH_TO_WINE_ENV_SH
set -uo pipefail
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {
  local want=$1 why_pattern=$2 label=$3 got=runnable
  glint_x86_runnable || got=not_runnable
  if [ "$got" != "$want" ] || ! grep -qE -- "$why_pattern" <<<"$GLINT_X86_WHY_NOT"; then
    echo "FAIL $label: $got, reason '$GLINT_X86_WHY_NOT'"
    failures=$((failures + 1))
  else
    echo "ok   $label: $got${GLINT_X86_WHY_NOT:+ ($GLINT_X86_WHY_NOT)}"
  fi
}

# An ELF header for a machine this kernel does not run (AArch64, e_machine 183): execve fails
# with ENOEXEC, as a 32-bit x86 program does on a kernel without 32-bit support.
foreign=$work/foreign-loader
printf '\177ELF\002\001\001\000\000\000\000\000\000\000\000\000\002\000\267\000\001\000\000\000' \
  >"$foreign"
head -c 100 /dev/zero >>"$foreign"
chmod +x "$foreign"
GLINT_WINE32=$foreign
expect not_runnable 'cannot be executed.*(format|cannot execute)' "loader the kernel cannot execute"

GLINT_WINE32=$work/not-there
expect not_runnable 'not installed' "missing loader"

printf '#!/bin/sh\necho "wine: broken" >&2\nexit 3\n' >"$work/broken-loader"
chmod +x "$work/broken-loader"
GLINT_WINE32=$work/broken-loader
expect not_runnable 'cannot be executed \(broken\)' "loader that fails"

printf '#!/bin/sh\necho wine-8.0\n' >"$work/good-loader"
chmod +x "$work/good-loader"
GLINT_WINE32=$work/good-loader
expect runnable '^$' "loader that runs"

[ "$failures" -eq 0 ]
