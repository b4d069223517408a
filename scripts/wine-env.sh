# Sourced by the run, test and bench scripts: one private Wine prefix, no installer dialogs,
# the Wine loaders to call, and an X display (a virtual one when there is none).
GLINT_ROOT=${GLINT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$GLINT_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe="}

# Debian's `wine` launcher always starts the 32-bit loader when wine32 is installed, even for a
# 64-bit program, and so fails on a kernel that cannot execute 32-bit programs. 64-bit programs
# (and wineboot, winepath, reg) therefore go to the 64-bit loader directly; a 64-bit Wine process
# that starts a 32-bit one finds the 32-bit loader from WINELOADER by itself.
glint_find_loader() {
  local name=$1
  if [ -x "/usr/lib/wine/$name" ]; then
    echo "/usr/lib/wine/$name"
  else
    command -v "$name" || echo "/usr/lib/wine/$name"
  fi
}
GLINT_WINE64=${GLINT_WINE64:-$(glint_find_loader wine64)}
GLINT_WINE32=${GLINT_WINE32:-$(glint_find_loader wine)}
export WINELOADER=$GLINT_WINE64

glint_wine64() {
  "$GLINT_WINE64" "$@"
}

# Runs a Windows program with the loader of its own architecture (read from its PE header).
glint_wine() {
  local exe=$1 offset machine
  offset=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$exe" | tr -d ' ')
  if [ "$machine" = 014c ]; then
    "$GLINT_WINE32" "$@"
  else
    "$GLINT_WINE64" "$@"
  fi
}

# Whether this machine can execute 32-bit programs, found by trying: the 32-bit Wine loader is
# started. Sets GLINT_X86_WHY_NOT to the reason when it cannot.
glint_x86_runnable() {
  local output status=0
  GLINT_X86_WHY_NOT=""
  if [ ! -e "$GLINT_WINE32" ]; then
    GLINT_X86_WHY_NOT="the 32-bit Wine loader $GLINT_WINE32 is not installed"
    return 1
  fi
  output=$("$GLINT_WINE32" --version 2>&1) || status=$?
  if [ "$status" -ne 0 ]; then
    output=${output##*: }
    GLINT_X86_WHY_NOT="the 32-bit Wine loader $GLINT_WINE32 cannot be executed (${output:-exit code $status})"
    return 1
  fi
  return 0
}

# A virtual X server on a display number that the server picks itself (-displayfd), so that
# parallel runs cannot race for one. Usage: glint_start_xvfb [WIDTHxHEIGHTxDEPTH]
glint_start_xvfb() {
  local screen=${1:-1920x1080x24} number_file number=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  GLINT_XVFB_PID=$!
  for _ in $(seq 1 300); do
    read -r number <"$number_file" || true
    [ -n "$number" ] && break
    kill -0 "$GLINT_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "could not start Xvfb" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

glint_wine_up() {
  if [ -z "${DISPLAY:-}" ] || [ "${GLINT_VIRTUAL_DISPLAY:-0}" = 1 ]; then
    glint_start_xvfb || return 1
  fi
  mkdir -p "$WINEPREFIX"
  glint_wine64 wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  glint_wine_fonts
  glint_wine_cjk_fallback
}

# Debian's Wine does not load its own fonts; without Tahoma "MS Shell Dlg" falls back to a
# wider font and dialogs come out larger than on Windows (and than the skin artwork).
glint_wine_fonts() {
  local f dest="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$dest"
  for f in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    [ -e "$f" ] && [ ! -e "$dest/${f##*/}" ] && cp "$f" "$dest/"
  done
  return 0
}

# Wine links the dialog and menu fonts to SimSun for Chinese text; a prefix without SimSun shows
# boxes for it unless its locale is Chinese (Windows has its fonts linked). The installed
# WenQuanYi font stands in for SimSun.
glint_wine_cjk_fallback() {
  glint_wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d "WenQuanYi Micro Hei" /f \
    >/dev/null 2>&1 || true
  wineserver -w
}

# The simulated PawnIO made the prefix's PawnIO install: PawnIO's uninstall entry names the folder
# of the simulated PawnIOLib.dll, as PawnIO's setup names its own. Usage: glint_pawnio_install
# FOLDER; glint_pawnio_uninstall takes the entry away.
glint_pawnio_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\PawnIO'
glint_pawnio_install() {
  glint_wine64 reg add "$glint_pawnio_key" /v InstallLocation /t REG_SZ \
    /d "$(glint_wine64 winepath -w "$1" | tr -d '\r')" /f >/dev/null 2>&1
}
glint_pawnio_uninstall() {
  glint_wine64 reg delete "$glint_pawnio_key" /f >/dev/null 2>&1 || true
}

glint_wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${GLINT_XVFB_PID:-}" ] && kill "$GLINT_XVFB_PID" 2>/dev/null || true
}
