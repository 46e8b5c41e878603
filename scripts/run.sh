#!/bin/sh
# Builds the programs and runs the dictionary's main job: `lexorin` on the
# built Data folder. Arguments go to lexorin (default: look up "book").
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LEXORIN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
if [ $# -eq 0 ]; then set -- lookup --pane EngViet book; fi
exec "$build/bin/lexorin" "$@"
