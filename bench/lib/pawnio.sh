# A glint folder (see bench_glint_folder) that reaches the EC only through PawnIO: no io.dll, the
# simulated PawnIO's test module LpcIO.bin beside glint.exe. PawnIO's install is made known with
# glint_pawnio_install (scripts/wine-env.sh).
bench_pawnio_glint_folder() {
  local exe
  exe=$(bench_glint_folder "$1")
  rm -f "$subjects/$1/io.dll"
  cp "$pawnio_module" "$subjects/$1/"
  echo "$exe"
}
