#!/usr/bin/env bash
# Builds and runs every test: native unit tests (sanitizers), then the Windows tests and the
# end-to-end tests of both architectures under Wine on a virtual X server. On a machine that
# cannot execute 32-bit programs the x86 build is still made and its checks that need no Wine
# run; its Wine tests are counted as skipped, and the run says so.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine-env.sh
# glintctl's hardware back ends refuse to start while this is set, so that no test reaches the
# real ports, whatever it runs.
export GLINT_TEST_RUN=1

passed=0
failed=0
skipped=0

build_preset() {
  local preset=$1
  echo "=== $preset: configure and build"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "=== $preset: build failed"
    failed=$((failed + 1))
    return 1
  fi
}

# Runs a preset's tests (extra arguments go to ctest) and adds up what passed and failed.
run_tests() {
  local preset=$1
  shift
  echo "=== $preset: tests"
  local log=build/$preset-ctest.log
  ctest --preset "$preset" "$@" 2>&1 | tee "$log"
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

build_preset native && run_tests native

GLINT_VIRTUAL_DISPLAY=1 glint_wine_up || exit 1
trap glint_wine_down EXIT
build_preset win64 && run_tests win64

if build_preset win32; then
  if glint_x86_runnable; then
    run_tests win32
  else
    # Tests labelled "host" run on the build machine itself (import-table checks).
    not_run=$(ctest --preset win32 -N -LE '^host$' | sed -n 's/^Total Tests: //p')
    echo "=== win32: $not_run Windows tests not run: this machine cannot execute 32-bit" \
      "programs ($GLINT_X86_WHY_NOT); the x86 build and its host checks ran"
    skipped=$((skipped + not_run))
    run_tests win32 -L '^host$'
  fi
fi

echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
