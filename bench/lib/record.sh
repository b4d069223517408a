# Runs the driver and files what it prints: figures into figures.tsv, notes into notes.txt,
# each with its phase and run number.

bench_record() {
  local phase=$1 run=$2
  shift 2
  local output status=0
  output=$(glint_wine64 "$driver" "$@" 2>>"$out/wine.log") || status=$?
  output=${output//$'\r'/}
  local kind key value
  while read -r kind key value; do
    case $kind in
      figure) printf '%s\t%s\t%s\t%s\n' "$phase" "$run" "$key" "$value" >>"$out/figures.tsv" ;;
      note) echo "$phase, run $run: $key $value" >>"$out/notes.txt" ;;
    esac
  done <<<"$output"
  if [ "$status" -ne 0 ]; then
    echo "$phase, run $run: the driver ended with code $status" >>"$out/notes.txt"
  fi
  echo "bench: $phase run $run done (code $status)" >&2
}

bench_note() {
  echo "$*" >>"$out/notes.txt"
}
