#!/usr/bin/env bash
# Fuzz smoke run of the formula evaluator: builds the libFuzzer target with clang
# (ASan + UBSan), replays the stored corpus, then fuzzes for about a minute.
# A crash, a sanitizer report or a disagreement between the compiled path and
# the text path fails the script. New inputs stay in a temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-fuzz"
corpus="$root/tests/formula/corpus"
seconds=${VY_FUZZ_SECONDS:-60}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DVY_GUI=OFF -DVY_FUZZ=ON -DVY_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_formula
fuzzer="$build/bin/fuzz_formula"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "replaying $(find "$corpus" -type f | wc -l) stored inputs"
find "$corpus" -type f -print0 | xargs -0 "$fuzzer" -artifact_prefix="$build/" >"$build/replay.log" 2>&1 ||
  { tail -n 40 "$build/replay.log"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "fuzzing for $seconds s"
"$fuzzer" -max_total_time="$seconds" -max_len=600 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/" -print_final_stats=1 "$work" "$corpus" >"$build/fuzz.log" 2>&1 ||
  { tail -n 40 "$build/fuzz.log"; exit 1; }
grep -E "^stat::number_of_executed_units|^Done" "$build/fuzz.log" || true
echo "fuzz smoke run passed"
