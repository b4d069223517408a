#!/usr/bin/env bash
# Builds glint.exe for 64-bit Windows and runs it under Wine against the simulated EC, from the
# build's run folder (build/win64/run: the program and its skins as shipped, with the simulated
# io.dll beside them), on the current X display, or on a virtual one when
# there is none or GLINT_VIRTUAL_DISPLAY=1. Once the window shows, a screenshot of it goes to
# build/artifacts/run.png. On a real display the script then waits until the program ends; on a
# virtual one nobody could use the window, so it ends the program after the screenshot.
# The simulated EC's state is $ECSIM_STATE (build/ecsim_state.bin unless set), kept between runs;
# the ecsim command built here (build/native/bin/ecsim) finds that file by itself.
# GLINT_PORT_WAY=pawnio runs it over the simulated PawnIO instead, as where io.dll's driver is
# blocked: from build/win64/run-pawnio (no io.dll, the test module LpcIO.bin beside glint.exe),
# with the simulated PawnIO made the Wine prefix's PawnIO install for the time of the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target glint_run_folder ecsim_pawnio_dll ecsim_pawnio_test_module \
  >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target ecsim >/dev/null

glint_wine_up
trap glint_wine_down EXIT
run_dir=build/win64/run
case ${GLINT_PORT_WAY:-io.dll} in
  io.dll) ;;
  pawnio)
    run_dir=build/win64/run-pawnio
    rm -rf "$run_dir"
    cp -r build/win64/run "$run_dir"
    rm "$run_dir/io.dll"
    cp build/win64/bin/LpcIO.bin "$run_dir/"
    glint_pawnio_install build/win64/bin/pawnio
    trap 'glint_pawnio_uninstall; glint_wine_down' EXIT
    ;;
  *)
    echo "GLINT_PORT_WAY is io.dll or pawnio, not $GLINT_PORT_WAY" >&2
    exit 1
    ;;
esac

export ECSIM_STATE=${ECSIM_STATE:-$PWD/build/ecsim_state.bin}
mkdir -p build/artifacts
wine_log=build/artifacts/run-wine.log
glint_wine64 "$run_dir/glint.exe" >"$wine_log" 2>&1 &
glint_pid=$!

window=""
for _ in $(seq 1 600); do
  kill -0 "$glint_pid" 2>/dev/null || break
  window=$(xdotool search --onlyvisible --name '^Glint_Controls' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  if kill -0 "$glint_pid" 2>/dev/null; then
    echo "glint.exe showed no window within 60 s; Wine said:" >&2
    kill "$glint_pid" 2>/dev/null || true
  else
    status=0
    wait "$glint_pid" || status=$?
    if [ "$status" = 126 ] || [ "$status" = 127 ]; then
      echo "glint.exe could not be started under Wine (exit code $status):" >&2
    else
      echo "glint.exe ended with exit code $status before its window showed; its output:" >&2
    fi
  fi
  sed 's/^/  /' "$wine_log" >&2
  exit 1
fi

# Let the first paint finish before the picture is taken.
sleep 1
# The screen's picture of the window's rectangle: what a user sees there, the popup included
# (a window's own contents are undefined where another window covers it).
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage build/artifacts/run.png
echo "screenshot: $PWD/build/artifacts/run.png"
echo "simulated EC: $PWD/build/native/bin/ecsim status | level 1..3 | mode | control (--help)"

if [ "${GLINT_VIRTUAL_DISPLAY:-0}" = 1 ] || [ -n "${GLINT_XVFB_PID:-}" ]; then
  kill "$glint_pid" 2>/dev/null || true
  wait "$glint_pid" 2>/dev/null || true
else
  echo "glint.exe is running; the script ends with it"
  wait "$glint_pid" || true
fi
