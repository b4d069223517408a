# Builds glint.exe for x64 (with the simulated io.dll and PawnIO, the driver and the baseline) and
# for x86,
# each in a build folder of the bench's own, and lays out one folder per program under test.

bench_build() {
  cmake --preset win64 -B build/bench-win64 -DGLINT_BENCH=ON >/dev/null
  cmake --build build/bench-win64 -j2 --target glint_run_folder bench_driver bench_baseline \
    bench_baseline_cc bench_baseline_poll ecsim_pawnio_dll ecsim_pawnio_test_module >/dev/null
  cmake --preset win32 -B build/bench-win32 >/dev/null
  cmake --build build/bench-win32 -j2 --target glint >/dev/null
  glint64=build/bench-win64/run/glint.exe
  glint32=build/bench-win32/app/glint.exe
  baseline=build/bench-win64/bench/baseline/bench_baseline.exe
  baseline_cc=build/bench-win64/bench/baseline/bench_baseline_cc.exe
  baseline_poll=build/bench-win64/bench/baseline/bench_baseline_poll.exe
  driver=build/bench-win64/bench/driver/bench_driver.exe
  pawnio_folder=build/bench-win64/bin/pawnio
  pawnio_module=build/bench-win64/bin/LpcIO.bin
  for f in "$glint64" "$glint32" "$baseline" "$baseline_cc" "$baseline_poll" "$driver" \
    "$pawnio_folder/PawnIOLib.dll" "$pawnio_module"; do
    [ -f "$f" ] || { echo "bench: $f was not built" >&2; return 1; }
  done
}

# A folder of its own for one glint.exe under test: a copy of the build's run folder (the
# program, io.dll and every skin set), and the simulated EC's state that the driver writes there.
bench_glint_folder() {
  local dir=$subjects/$1
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -r "$(dirname "$glint64")/." "$dir/"
  glint_wine64 winepath -w "$dir/glint.exe"
}

# A folder of its own for one baseline program (the plain one unless another is given).
bench_baseline_folder() {
  local dir=$subjects/$1 program=${2:-$baseline}
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$program" "$dir/"
  glint_wine64 winepath -w "$dir/$(basename "$program")"
}
