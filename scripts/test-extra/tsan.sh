#!/usr/bin/env bash
# The job runner, the equation solver's engines and its search worker under ThreadSanitizer:
# pausing, resuming, cancelling and closing while a search runs must be free of
# data races. Built without Qt in a directory of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir="$root/build-tsan"
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DVY_WERROR=ON -DVY_GUI=OFF -DVY_TSAN=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target solvers_tests jobrunner_tests
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
"$dir/tests/jobrunner_tests"
"$dir/tests/solvers_tests"
