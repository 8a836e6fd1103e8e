#!/usr/bin/env bash
# Start-up benchmark: each program from process start to its main window
# shown and painted, against an empty Qt window and a splash followed by a
# window with one line of text, under Xvfb.
#   bench/startup.sh [rounds] [build-dir]   10 rounds, build/default by default
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-10}
build=${2:-build/default}
if [ $# -lt 2 ]; then
  cmake --preset default >/dev/null
fi
cmake --build "$build" --target bench_startup empty_window splash_floor gildcrest fernwick
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_startup" "$rounds"
