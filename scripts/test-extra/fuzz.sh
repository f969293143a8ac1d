#!/usr/bin/env bash
# Fuzz runs of every text reader: the formula evaluator, the settings file, the
# number texts and the log viewer's decoding. Builds the libFuzzer targets with
# clang (ASan + UBSan) in one folder, replays each stored corpus, then fuzzes
# the formula evaluator for about a minute and every other target for at least
# a million inputs, two targets at a time (one per core). A crash, a sanitizer
# report or a failed check fails the script; the input that did it is kept in
# build-fuzz. New inputs go to temporary folders, never into the stored corpora.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-fuzz"
seconds=${VY_FUZZ_SECONDS:-60}
runs=${VY_FUZZ_RUNS:-1000000}
started=$SECONDS

launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DVY_GUI=OFF -DVY_FUZZ=ON -DVY_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_formula fuzz_inifile fuzz_numtext fuzz_logtext

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Each target: its stored corpus and its options.
declare -A corpus=(
  [formula]=tests/formula/corpus
  [inifile]=tests/core/corpus_inifile
  [numtext]=tests/core/corpus_numtext
  [logtext]=tests/tools/corpus_logtext
)
declare -A options=(
  [formula]="-max_total_time=$seconds -max_len=600"
  [inifile]="-runs=$runs -max_len=1024 -dict=$root/tests/core/inifile.dict"
  [numtext]="-runs=$runs -max_len=256"
  [logtext]="-runs=$runs -max_len=1024"
)

for name in formula inifile numtext logtext; do
  fuzzer="$build/bin/fuzz_$name"
  echo "replaying $(find "$root/${corpus[$name]}" -type f | wc -l) stored inputs of fuzz_$name"
  find "$root/${corpus[$name]}" -type f -print0 | xargs -0 "$fuzzer" -artifact_prefix="$build/$name-" \
    >"$build/$name-replay.log" 2>&1 || { tail -n 40 "$build/$name-replay.log"; exit 1; }
done

# New inputs and the files a target writes go to a temporary folder, in memory
# where the machine has /dev/shm (the settings target flushes every write).
scratch=$(mktemp -d -p "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM

# fuzz NAME: fuzzes one target from its stored corpus; the log is build-fuzz/NAME.log.
fuzz() {
  local name=$1 work="$scratch/$1" status=0 from=$SECONDS
  mkdir -p "$work/new" "$work/files"
  # shellcheck disable=SC2086 # the options are separate words
  TMPDIR="$work/files" "$build/bin/fuzz_$name" ${options[$name]} -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/$name-" -print_final_stats=1 "$work/new" "$root/${corpus[$name]}" \
    >"$build/$name.log" 2>&1 || status=$?
  rm -rf "$work"
  echo "$status $((SECONDS - from))" >"$build/$name.result"
  return "$status"
}
rm -f "$build"/*.result

echo "fuzzing: the settings file on one core; the number texts, the log decoding and the formula evaluator on the other"
fuzz inifile &
first=$!
{ fuzz numtext && fuzz logtext && fuzz formula; } &
second=$!
failed=0
wait "$first" || failed=1
wait "$second" || failed=1

for name in inifile numtext logtext formula; do
  [ -f "$build/$name.result" ] || continue # not reached after a failure before it
  read -r status time <"$build/$name.result"
  if [ "$status" != 0 ]; then
    echo "fuzz_$name failed:"
    tail -n 40 "$build/$name.log"
    failed=1
    continue
  fi
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$name.log")
  echo "fuzz_$name: $executed inputs executed in $time s"
  if [ "$name" != formula ] && [ "$executed" -lt "$runs" ]; then
    echo "fuzz_$name stopped before $runs inputs"
    failed=1
  fi
done
[ "$failed" = 0 ] || exit 1
echo "fuzz runs passed in $((SECONDS - started)) s"
