#!/bin/sh
# Builds the programs and runs the dictionary's main job: without arguments
# the Dictionary window on the built Data folder; with arguments the lexorin
# command line (for example: scripts/run.sh lookup --pane RusViet читать).
# Without a display, run it as: xvfb-run -a scripts/run.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LEXORIN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
if [ $# -eq 0 ]; then exec "$build/bin/Dictionary"; fi
exec "$build/bin/lexorin" "$@"
