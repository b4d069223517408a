#!/usr/bin/env bash
# Builds glint.exe for 64-bit Windows and runs it under Wine against the simulated EC (io.dll and
# the skins are placed beside it by the build), on the current X display, or on a virtual one when
# there is none or GLINT_VIRTUAL_DISPLAY=1. Once the window shows, a screenshot goes to
# build/artifacts/run.png. On a real display the script then waits until the program ends; on a
# virtual one nobody could use the window, so it ends the program after the screenshot.
# The simulated EC's state is $ECSIM_STATE (build/ecsim_state.bin unless set), kept between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target glint >/dev/null

virtual=0
if [ -z "${DISPLAY:-}" ] || [ "${GLINT_VIRTUAL_DISPLAY:-0}" = 1 ]; then
  virtual=1
fi
glint_wine_up
trap glint_wine_down EXIT

export ECSIM_STATE=${ECSIM_STATE:-$PWD/build/ecsim_state.bin}
wine build/win64/app/glint.exe &
glint_pid=$!

shown=0
for _ in $(seq 1 600); do
  kill -0 "$glint_pid" 2>/dev/null || break
  if xdotool search --onlyvisible --name '^Glint_Controls' >/dev/null 2>&1; then
    shown=1
    break
  fi
  sleep 0.1
done
if [ "$shown" = 0 ]; then
  echo "glint.exe showed no window (is io.dll beside it and its driver usable?)" >&2
  exit 1
fi

# Let the first paint finish before the picture is taken.
sleep 1
mkdir -p build/artifacts
import -window root build/artifacts/run.png
echo "screenshot: $PWD/build/artifacts/run.png"

if [ "$virtual" = 1 ]; then
  kill "$glint_pid" 2>/dev/null || true
  wait "$glint_pid" 2>/dev/null || true
else
  echo "glint.exe is running; the script ends with it"
  wait "$glint_pid" || true
fi
