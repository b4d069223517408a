# A virtual X server of the bench's own, wide enough for three main windows side by side with
# the popups below them, and a Wine prefix of the bench's own.

bench_display_up() {
  glint_start_xvfb 3840x2160x24 || return 1
  mkdir -p "$WINEPREFIX"
  glint_wine64 wineboot -i >/dev/null 2>&1 || true
  # With no window manager, Wine would wait 2 s for one at each re-show of a window it lets the
  # manager handle; Windows has no such wait, so Wine keeps all windows itself.
  glint_wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
}

bench_display_down() {
  glint_wine_down
}
