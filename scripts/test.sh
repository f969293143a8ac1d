#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then the
# whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer, then the
# extra checks in scripts/test-extra (fuzz smoke runs, thread-sanitizer build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
"$root/scripts/setup.sh"

echo "== build (warnings as errors)"
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVY_WERROR=ON -DVY_BENCH=ON
(cd "$root/build" && ctest --output-on-failure -j "$(nproc)")

echo "== build under ASan + UBSan"
"$root/scripts/build.sh" build-asan -DCMAKE_BUILD_TYPE=Debug -DVY_WERROR=ON -DVY_SANITIZE=ON
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$(nproc)")

for extra in "$root"/scripts/test-extra/*.sh; do
  [ -e "$extra" ] || continue
  echo "== $(basename "$extra")"
  bash "$extra"
done
echo "== all tests passed"
