# The simulated PawnIO made the prefix's PawnIO install, for the runs over PawnIO: its uninstall
# entry names the folder of the simulated PawnIOLib.dll.

bench_pawnio_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\PawnIO'

bench_pawnio_install() {
  glint_wine64 reg add "$bench_pawnio_key" /v InstallLocation /t REG_SZ \
    /d "$(glint_wine64 winepath -w "$1" | tr -d '\r')" /f >/dev/null 2>&1
}

bench_pawnio_uninstall() {
  glint_wine64 reg delete "$bench_pawnio_key" /f >/dev/null 2>&1 || true
}

# A glint folder (see bench_glint_folder) that reaches the EC only through PawnIO: no io.dll,
# the simulated PawnIO's test module LpcIO.bin beside glint.exe.
bench_pawnio_glint_folder() {
  local exe
  exe=$(bench_glint_folder "$1")
  rm -f "$subjects/$1/io.dll"
  cp "$pawnio_module" "$subjects/$1/"
  echo "$exe"
}
