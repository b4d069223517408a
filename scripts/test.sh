#!/usr/bin/env bash
# Builds and runs every test: native unit tests (sanitizers), then the Windows tests and the
# end-to-end tests of both architectures under Wine on a virtual X server.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine-env.sh

passed=0
failed=0
run_tier() {
  local preset=$1
  echo "=== $preset: configure and build"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "=== $preset: build failed"
    failed=$((failed + 1))
    return
  fi
  echo "=== $preset: tests"
  local log=build/$preset-ctest.log
  ctest --preset "$preset" 2>&1 | tee "$log"
  local p f
  p=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | awk '{print $6 - $1}')
  f=$(grep -Eo '[0-9]+ tests failed out of' "$log" | awk '{print $1}')
  if [ -z "$p" ]; then
    grep -q 'No tests were found' "$log" && return
    failed=$((failed + 1))
    return
  fi
  passed=$((passed + p))
  failed=$((failed + f))
}

run_tier native
GLINT_VIRTUAL_DISPLAY=1 glint_wine_up
trap glint_wine_down EXIT
run_tier win64
run_tier win32

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
