#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs each of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build-bench -DCMAKE_BUILD_TYPE=Release -DVY_BENCH=ON -DVY_GUI=ON
for b in "$root"/build-bench/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
