#!/bin/sh
# Figures of `lexorin import` on real dictionaries from Debian's dict-server
# packages: import time, headword count and the sizes of the four files.
#   bench/import_figures.sh [RUNS]        (default 3 runs; the best is shown)
# WordNet (dict-wn), FOLDOC (dict-foldoc) and GCIDE (dict-gcide) are used
# when installed; GCIDE is not part of the set-up: apt-get install dict-gcide.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LEXORIN_BUILD_DIR:-$root/build}
dictd=${LEXORIN_DICTD_DIR:-/usr/share/dictd}
runs=${1:-3}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target lexorin >/dev/null
lexorin="$build/bin/lexorin"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

size() { stat -c %s "$1"; }
now() { date +%s.%N; }

printf '%-8s %-8s %10s %9s %10s %10s %10s %11s %11s\n' \
  source style headwords seconds index1 index2 index3 dict source-bytes
for row in "WordNet wn wordnet" "FOLDOC foldoc foldoc" "GCIDE gcide plain"; do
  set -- $row
  name=$1 db=$2 style=$3
  if [ ! -f "$dictd/$db.index" ]; then
    printf '%-8s (not installed: %s/%s.index)\n' "$name" "$dictd" "$db"
    continue
  fi
  best=""
  i=0
  while [ $i -lt "$runs" ]; do
    start=$(now)
    count=$("$lexorin" import --style "$style" dictd "$dictd/$db.index" "$out/$db" | cut -d' ' -f1)
    end=$(now)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; print b }')
    i=$((i + 1))
  done
  articles="$dictd/$db.dict.dz"
  [ -f "$articles" ] || articles="$dictd/$db.dict"
  printf '%-8s %-8s %10s %9.2f %10s %10s %10s %11s %11s\n' "$name" "$style" "$count" "$best" \
    "$(size "$out/$db.index1")" "$(size "$out/$db.index2")" "$(size "$out/$db.index3")" "$(size "$out/$db.dict")" \
    "$(( $(size "$dictd/$db.index") + $(size "$articles") ))"
done
echo "(sizes in bytes; source-bytes = the .index plus the compressed article file)"
