#!/usr/bin/env bash
# Builds the menu-template fuzz target with clang's libFuzzer and runs it for a bounded time on a
# scratch copy of the committed seed corpus. Usage: run_fuzz.sh SECONDS WORKDIR
set -euo pipefail
seconds=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)

mkdir -p "$work/corpus" "$work/artifacts"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/widgets/menu/core/menu_template.cpp" "$here/menu_template_fuzz.cpp" \
  -o "$work/menu_template_fuzz"
cp -n "$here"/corpus/* "$work/corpus/" 2>/dev/null || true
cd "$work"
exec ./menu_template_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$work/artifacts/" "$work/corpus"
