# Sourced by the run and test scripts: one private Wine prefix, no installer dialogs,
# and an X display (a virtual one when there is none).
GLINT_ROOT=${GLINT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$GLINT_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe="}

glint_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    GLINT_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

glint_wine_up() {
  if [ -z "${DISPLAY:-}" ] || [ "${GLINT_VIRTUAL_DISPLAY:-0}" = 1 ]; then
    glint_start_xvfb
  fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
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
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d "WenQuanYi Micro Hei" /f \
    >/dev/null 2>&1 || true
  wineserver -w
}

glint_wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${GLINT_XVFB_PID:-}" ] && kill "$GLINT_XVFB_PID" 2>/dev/null || true
}
