#!/bin/sh
# Builds everything and runs every test. Extra arguments go to ctest
# (for example: scripts/test.sh -L core).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LEXORIN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build" && ctest --output-on-failure -j"$(nproc)" "$@"
