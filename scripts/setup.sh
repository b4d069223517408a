#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine.
# Idempotent: when everything is already there it only checks and says nothing.
set -euo pipefail

need_pkgs=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 wine32:i386
  xvfb xdotool x11-utils imagemagick locales python3 python3-pil fonts-wqy-microhei fonts-dejavu-core
  fonts-wine
)

# Wine takes the system default language from the locale of its process; the end-to-end tests
# run the program under these three.
need_locales=(en_US de_DE zh_CN)

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
missing_locales=()
for l in "${need_locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\\?8" || missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}" >&2
  $SUDO apt-get update -qq >/dev/null
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
for l in "${missing_locales[@]}"; do
  echo "setup: generating locale $l.UTF-8" >&2
  $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
