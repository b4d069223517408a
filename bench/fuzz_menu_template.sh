#!/usr/bin/env bash
# Long fuzz run of the menu-template parser (10 minutes by default); libFuzzer prints its
# coverage and executions per second, and any crashing input lands in the work folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
exec bash "$root/tests/unit/menu/fuzz/run_fuzz.sh" "$seconds" "$root/build/bench/fuzz_menu_template"
