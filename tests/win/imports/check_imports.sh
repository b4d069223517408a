#!/usr/bin/env bash
# Fails when a program's import table names a DLL that is not part of Windows itself: the
# program must run on a bare system with nothing installed (io.dll is loaded at run time and
# so is not in the table).
# usage: check_imports.sh OBJDUMP PROGRAM ALLOW_LIST
set -euo pipefail
objdump=$1
program=$2
allowed=$3

dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr 'A-Z' 'a-z' | sort -u)
if [ -z "$dlls" ]; then
  echo "no import table read from $program" >&2
  exit 1
fi

foreign=0
while read -r dll; do
  if ! grep -qxF "$dll" <(grep -v '^#' "$allowed" | tr 'A-Z' 'a-z'); then
    echo "foreign DLL: $dll"
    foreign=1
  fi
done <<<"$dlls"
echo "imports of $(basename "$program"): $(echo $dlls)"
exit $foreign
