#!/usr/bin/env bash
# Screenshot of the skinned-button showcase: run from the repository with the Wine environment of
# scripts/wine-env.sh up (an X display). Usage: showcase.sh BUILD_DIR OUTPUT_PNG
set -euo pipefail
source "$(dirname "$0")/../../../scripts/wine-env.sh"
build=$1
out=$2
exe=$build/tests/win/button/button_showcase.exe
done_file=$(mktemp -u "$build/showcase.XXXXXX.done")
log=$(mktemp)
mkdir -p "$(dirname "$out")"
glint_wine "$exe" "$(glint_wine64 winepath -w "$done_file")" >"$log" 2>&1 &
pid=$!
for _ in $(seq 1 300); do
  grep -q ready "$log" && break
  sleep 0.2
done
cat "$log"
import -window root -crop 700x300+0+0 "$out"
touch "$done_file"
wait "$pid"
rm -f "$done_file" "$log"
