# A virtual X server of the bench's own, wide enough for three main windows side by side with
# the popups below them, and a Wine prefix of the bench's own.

bench_display_up() {
  local n
  for n in $(seq 150 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
    bench_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        # With no window manager, Wine would wait 2 s for one at each re-show of a window it
        # lets the manager handle; Windows has no such wait, so Wine keeps all windows itself.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        return 0
      fi
      sleep 0.1
    done
  done
  echo "bench: could not start Xvfb" >&2
  return 1
}

bench_display_down() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${bench_xvfb_pid:-}" ] && kill "$bench_xvfb_pid" 2>/dev/null || true
}
