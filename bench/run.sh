#!/usr/bin/env bash
# The benchmark command. Builds what it needs, runs start-up, idle, click-to-EC, memory, soak
# and fuzz runs of glint.exe under Wine on a virtual X server against the simulated EC, and
# writes bench/RESULTS.md (BENCH_QUICK=1: a short trial run, written to build/bench instead).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export WINEPREFIX=$PWD/build/bench/wineprefix
export LC_ALL=C.UTF-8 # English system language: the program uses skin_EN
source scripts/wine-env.sh
source bench/lib/settings.sh
source bench/lib/build.sh
source bench/lib/display.sh
source bench/lib/record.sh
source bench/lib/pawnio.sh

out=build/bench/run
subjects=build/bench/subjects
rm -rf "$out" "$subjects"
mkdir -p "$out" "$subjects"
: >"$out/figures.tsv"
: >"$out/notes.txt"

echo "bench: building" >&2
bench_build
bench_display_up
fuzz_pid=""
hold_pid=""
cleanup() {
  [ -n "$fuzz_pid" ] && kill "$fuzz_pid" 2>/dev/null || true
  [ -n "$hold_pid" ] && kill "$hold_pid" 2>/dev/null || true
  glint_pawnio_uninstall
  bench_display_down
}
trap cleanup EXIT
glint_wine64 "$driver" hold >/dev/null 2>&1 &
hold_pid=$!
sleep 2

# 1. Start-up, interleaved with the baseline (and the baseline that also starts the common
# controls); the order within a round rotates.
starters=(
  "baseline $(bench_baseline_folder baseline)"
  "baseline_cc $(bench_baseline_folder baseline_cc "$baseline_cc")"
  "glint $(bench_glint_folder startup)"
)
for run in $(seq 1 "$STARTUP_ROUNDS"); do
  for i in 0 1 2; do
    read -r label exe <<<"${starters[$(((run + i) % 3))]}"
    bench_record startup "$run" startup "$label" "$exe"
  done
done
# One traced start of each, three times, for where the time goes.
for run in 1 2 3; do
  for starter in "${starters[@]}"; do
    read -r label exe <<<"$starter"
    WINEDEBUG=+timestamp,+pid,+loaddll,+dialog,+cursor glint_wine64 "$driver" startup "$label" "$exe" \
      >/dev/null 2>"$out/trace.txt" || true
    /usr/bin/python3 bench/startup_trace.py "$label" "$out/trace.txt" "${exe##*\\}" |
      while read -r _ key value; do printf 'trace\t%s\t%s\t%s\n' "$run" "$key" "$value"; done \
        >>"$out/figures.tsv"
  done
done
rm -f "$out/trace.txt"

# 2. Idle: glint and the baseline that does what glint must do at rest (one 500 ms timer reading
# the power-level byte over io.dll), each pair side by side over the same seconds, shown, then
# hidden (only one copy of glint runs at a time).
idle_poll_folder() {
  local exe
  exe=$(bench_baseline_folder "$1" "$baseline_poll")
  cp "$(dirname "$glint64")/io.dll" "$subjects/$1/"
  echo "$exe"
}
idle_glint=$(bench_glint_folder idle_glint)
for state in shown hidden; do
  idle_pair=("baseline_poll:$state:$(idle_poll_folder "idle_poll_$state")" "glint:$state:$idle_glint")
  for run in $(seq 1 "$IDLE_RUNS"); do
    bench_record "idle_$state" "$run" idle "$IDLE_SECONDS" 5 "${idle_pair[@]}"
  done
done

# The cost of one EC byte access of glint's over the simulated io.dll (idle polls, clicks).
for run in 1 2 3; do
  bench_record ec "$run" ec-cost 1000
done

# 3. Click to EC.
glint_exe=$(bench_glint_folder clicks)
for run in $(seq 1 "$CLICK_RUNS"); do
  bench_record clicks "$run" clicks "$CLICKS" "$glint_exe"
done
# The same over the simulated PawnIO, the way where io.dll's driver is blocked.
glint_exe=$(bench_pawnio_glint_folder clicks_pawnio)
glint_pawnio_install "$pawnio_folder"
for run in $(seq 1 "$CLICK_RUNS"); do
  bench_record clicks_pawnio "$run" clicks "$CLICKS" "$glint_exe"
done
glint_pawnio_uninstall

# 4. Memory.
glint_exe=$(bench_glint_folder memory)
for run in $(seq 1 "$MEMORY_RUNS"); do
  bench_record memory "$run" memory "$MEMORY_CLICKS" "$MEMORY_SHOWS" "$glint_exe"
done

# 5. and 6. Soak with the shipped skin, with a damaged skin and with random power-level bytes,
# one after another (only one copy of glint runs at a time); the menu-template fuzzer's long run
# goes on meanwhile when it is there.
if [ -f bench/fuzz_menu_template.sh ]; then
  bash bench/fuzz_menu_template.sh "$MENU_FUZZ_SECONDS" >"$out/menu_fuzz.log" 2>&1 &
  fuzz_pid=$!
fi
normal=$(bench_glint_folder soak_normal)
damaged=$(bench_glint_folder soak_damaged)
/usr/bin/python3 bench/damage_skin.py "$subjects/soak_normal/skin_EN" \
  "$subjects/soak_damaged/skin_EN" | sed 's/^note //' >>"$out/notes.txt"
fuzz=$(bench_glint_folder soak_fuzz)
for target in "normal:cycle:$normal" "damaged:cycle:$damaged" "fuzz:random:$fuzz"; do
  bench_record "soak_${target%%:*}" 1 soak "$SOAK_CLICKS" "$SOAK_LEVELS" "$SOAK_SEED" "$target"
done
if [ -n "$fuzz_pid" ]; then
  fuzz_status=0
  wait "$fuzz_pid" || fuzz_status=$?
  fuzz_pid=""
  bench_note "menu-template fuzzer (bench/fuzz_menu_template.sh, $MENU_FUZZ_SECONDS s): exit" \
    "code $fuzz_status; $(grep -E '^Done|^#[0-9]+ *DONE' "$out/menu_fuzz.log" | tail -n 1)"
fi

# 7. Size and imports; the shipped exe is stripped, so stripped copies are measured too.
x86_64-w64-mingw32-strip -o "$out/glint64_stripped.exe" "$glint64"
i686-w64-mingw32-strip -o "$out/glint32_stripped.exe" "$glint32"
/usr/bin/python3 bench/pe_sizes.py 2 129 "x64=$glint64" "x86=$glint32" \
  "x64_stripped=$out/glint64_stripped.exe" "x86_stripped=$out/glint32_stripped.exe" |
  while read -r _ key value; do printf 'size\t1\t%s\t%s\n' "$key" "$value"; done >>"$out/figures.tsv"
for arch in 64 32; do
  exe=build/bench-win$arch/app/glint.exe
  objdump=$([ "$arch" = 64 ] && echo x86_64 || echo i686)-w64-mingw32-objdump
  bench_note "import check, glint.exe win$arch: $(bash tests/win/imports/check_imports.sh \
    "$objdump" "$exe" tests/win/imports/system_dlls.txt | tr '\n' ' ')"
done

{
  echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "machine: $(uname -srm), $(nproc) cores shared with other work"
  echo "cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
  echo "memory: $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)"
  echo "wine: $(glint_wine64 --version)"
  echo "display: Xvfb 3840x2160x24"
  echo "commit: $(git rev-parse --short HEAD)"
  [ "${BENCH_QUICK:-0}" = 1 ] && echo "run: a short trial run (BENCH_QUICK=1), not the full bench"
  echo "idle seconds: $IDLE_SECONDS"
  echo "settings: $STARTUP_ROUNDS start-up rounds, $IDLE_RUNS idle runs of $IDLE_SECONDS s," \
    "$CLICK_RUNS runs of $CLICKS clicks, $MEMORY_RUNS memory runs ($MEMORY_CLICKS clicks," \
    "$MEMORY_SHOWS popup shows), soak of $SOAK_CLICKS clicks and $SOAK_LEVELS level changes"
} >"$out/about.txt"

results=bench/RESULTS.md
[ "${BENCH_QUICK:-0}" = 1 ] && results=build/bench/RESULTS-quick.md
/usr/bin/python3 bench/report.py "$out" "$results" bench/findings.md
echo "bench: figures written to $results" >&2
