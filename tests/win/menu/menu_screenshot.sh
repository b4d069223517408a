#!/usr/bin/env bash
# Shows the owner-drawn menu in one look, captures the screen to a PNG file and checks the
# pixels the program says the drawn menu must have there.
# Usage: menu_screenshot.sh WINE_LOADER PROGRAM LOOK PNG_FILE
set -uo pipefail
loader=$1
program=$2
look=$3
shot=$4
[ -n "${DISPLAY:-}" ] || { echo "no X display"; exit 1; }
mkdir -p "$(dirname "$shot")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

"$loader" "$program" "$look" &
pid=$!
for _ in $(seq 1 900); do
  [ -s ready.txt ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s ready.txt ]; then
  echo "the menu did not open"
  touch done.txt
  wait "$pid"
  exit 1
fi

import -window root "$shot"
status=0
while read -r x y want; do
  got=$(convert "$shot" -format "%[hex:p{$x,$y}]" info:)
  if [ "$got" != "$want" ]; then
    echo "pixel ($x, $y): $got, expected $want"
    status=1
  else
    echo "pixel ($x, $y): $got as expected"
  fi
done < ready.txt
touch done.txt
wait "$pid" || status=1
exit $status
