#!/usr/bin/env bash
# Builds the release packages of both architectures from a clean build tree of their own and
# prints their paths, sizes and SHA-256 sums. The tests are not built (the test command runs
# them); the packages land in build/release-<arch>/packages/.
#   bash scripts/release.sh [PATH/TO/LpcIO.bin]
# With the path, both packages carry that file, PawnIO's official LpcIO module, beside glint.exe.
set -euo pipefail
module=""
if [ $# -gt 0 ]; then
  [ -f "$1" ] || { echo "release.sh: there is no file $1 (the official LpcIO.bin)" >&2; exit 1; }
  module=$(realpath "$1")
fi
cd "$(dirname "$0")/.."
bash scripts/setup.sh

packages=()
for arch in win64 win32; do
  dir=build/release-$arch
  rm -rf "$dir"
  cmake --preset "$arch" -B "$dir" -DGLINT_TESTS=OFF -DGLINT_LPCIO_MODULE="$module" >/dev/null
  cmake --build "$dir" --target package symbols_package >/dev/null
  packages+=("$dir"/packages/glint-*-"$arch".zip "$dir"/packages/glint-*-"$arch"-symbols.zip)
done

for package in "${packages[@]}"; do
  printf '%s  %s bytes  sha256 %s\n' "$PWD/$package" "$(stat -c %s "$package")" \
    "$(sha256sum "$package" | cut -d' ' -f1)"
done
