#!/usr/bin/env bash
# Builds for 64-bit Windows and runs under Wine against the simulated EC: a console host selects
# every lighting effect through the LED mode controller and the real io.dll binding, then the
# ecsim command shows what reached the EC. The state file is $ECSIM_STATE (kept between runs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh

cmake --preset native >/dev/null
cmake --build --preset native --target ecsim >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target ecsim_demo ecsim_io_dll >/dev/null

ecsim=build/native/bin/ecsim
export ECSIM_STATE=${ECSIM_STATE:-$PWD/build/ecsim_state.bin}
"$ecsim" status >/dev/null 2>&1 || "$ecsim" init
"$ecsim" clear-trace

glint_wine_up
trap glint_wine_down EXIT
wine build/win64/bin/ecsim_demo.exe

echo "--- simulated EC ($ECSIM_STATE)"
"$ecsim" status
echo "--- last EC byte accesses (time_ns pid W|R address value)"
"$ecsim" trace --ec | tail -n 6
