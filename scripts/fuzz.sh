#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (about a minute in all).
#   scripts/fuzz.sh [total-seconds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
total=${1:-60}
"$here/scripts/install-deps.sh"
shopt -s nullglob
targets=("$here"/fuzz/*_fuzz.cpp)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
cmake -S "$here/fuzz" -B "$here/build-fuzz" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$here/build-fuzz"
per=$(( total / ${#targets[@]} )); [ "$per" -ge 3 ] || per=3
for src in "${targets[@]}"; do
  name=$(basename "$src" .cpp)
  corpus="$here/build-fuzz/corpus-$name"; mkdir -p "$corpus"
  seeds="$here/tests/fixtures"
  echo "fuzzing $name for ${per}s"
  "$here/build-fuzz/$name" -max_total_time="$per" -seed=1234 -max_len=65536 -timeout=10 \
    -print_final_stats=0 "$corpus" "$seeds" 2>&1 | tail -3
done
