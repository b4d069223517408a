#!/usr/bin/env bash
# Builds the release zip and checks it as a user would meet it.
#   check_package.sh contents BUILD_DIR ZIP OBJDUMP SKINS_DIR CHECK_IMPORTS SYSTEM_DLLS [MODULE]
#   check_package.sh module ... as contents, with a stand-in LpcIO module configured into the tree
#   check_package.sh starts   BUILD_DIR ZIP WINE_LOADER SIMULATED_IO_DLL
set -uo pipefail
what=$1
build=$2
zip=$(realpath -m "$3")
shift 3

fail() {
  echo "FAIL: $*"
  exit 1
}

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
if [ "$what" = module ]; then
  kept=$(sed -n 's/^GLINT_LPCIO_MODULE:FILEPATH=//p' "$build/CMakeCache.txt")
  # The tree's own setting comes back, and a zip with a stand-in module must not outlive the check.
  trap 'cmake -D GLINT_LPCIO_MODULE="$kept" "$build" >/dev/null; rm -rf "$zip" "$unpacked"' EXIT
  grep -q "there is no file" <<<"$(cmake -D GLINT_LPCIO_MODULE="$unpacked/none" "$build" 2>&1)" ||
    fail "a module path that does not exist did not stop the configuration clearly"
  printf 'stand-in, not PawnIO code\r\n\n\0\377' >"$unpacked/LpcIO.bin"
  cmake -D GLINT_LPCIO_MODULE="$unpacked/LpcIO.bin" "$build" >/dev/null || fail "configure failed"
  set -- "$@" "$unpacked/LpcIO.bin"
fi
rm -f "$zip"
cmake --build "$build" --target package >/dev/null || fail "the package target failed"
[ -f "$zip" ] || fail "no $zip"
(cd "$unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
top=$unpacked/$(basename "$zip" .zip)
[ -d "$top" ] || fail "the zip has no top folder $(basename "$zip" .zip)"

check_contents() {
  local objdump=$1 skins=$2 check_imports=$3 system_dlls=$4 module=${5:-} expected actual
  expected=$(
    printf '%s\n' glint.exe glintctl.exe README.txt LICENSE CHANGELOG.md
    [ -n "$module" ] && printf '%s\n' LpcIO.bin LpcIO-NOTICE.txt
    (cd "$skins" && find skin_* -type f)
  )
  actual=$(cd "$top" && find . -type f | sed 's|^\./||')
  if [ "$(sort <<<"$expected")" != "$(sort <<<"$actual")" ]; then
    diff <(sort <<<"$expected") <(sort <<<"$actual") | sed 's/^/  /'
    fail "the files differ from the expected list (< expected, > in the zip)"
  fi
  echo "ok: exactly the expected $(wc -l <<<"$actual") files"
  (cd "$top" && find . -iname 'io.dll' | grep -q .) && fail "the zip contains an io.dll"
  echo "ok: no io.dll"
  local sections
  sections=$("$objdump" -h "$top/glint.exe")
  grep -q '\.debug' <<<"$sections" && fail "glint.exe carries debug sections"
  grep -q '\.gnu_debuglink' <<<"$sections" || fail "glint.exe names no debug file"
  echo "ok: glint.exe stripped, its debug file named in .gnu_debuglink"
  bash "$check_imports" "$objdump" "$top/glint.exe" "$system_dlls" || fail "foreign imports"
  grep -q 'symbols stripped' <<<"$("$objdump" -p "$top/glintctl.exe")" ||
    fail "glintctl.exe is not stripped"
  bash "$check_imports" "$objdump" "$top/glintctl.exe" "$system_dlls" || fail "foreign imports"
  [ -z "$module" ] || cmp -s "$module" "$top/LpcIO.bin" || fail "LpcIO.bin differs from the module"
  local notice=$top/LpcIO-NOTICE.txt
  [ -z "$module" ] || { grep -qx "$(sha256sum <"$module" | cut -c1-64)"$'\r' "$notice" &&
    ! grep -qv $'\r$' "$notice"; } || fail "LpcIO-NOTICE.txt lacks the checksum or CRLF line ends"
  grep -q $'\r$' "$top/README.txt" || fail "README.txt lacks Windows line ends"
  echo "ok: README.txt with Windows line ends"
}

check_starts() {
  local loader=$1 io_dll=$2 pid window=""
  [ -n "${DISPLAY:-}" ] || fail "no X display"
  cp "$io_dll" "$top/io.dll"
  export ECSIM_STATE=$unpacked/ecsim_state.bin
  "$loader" "$top/glint.exe" >"$unpacked/wine.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 1200); do
    kill -0 "$pid" 2>/dev/null || break
    window=$(xdotool search --onlyvisible --name '^Glint_Controls' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ -n "$window" ] || { cat "$unpacked/wine.log"; fail "the unpacked glint.exe showed no window"; }
  echo "ok: the unpacked glint.exe showed its window"
}

case $what in
  contents | module) check_contents "$@" ;;
  starts) check_starts "$@" ;;
  *) fail "unknown check $what" ;;
esac
