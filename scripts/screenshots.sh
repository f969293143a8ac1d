#!/usr/bin/env bash
# Takes the README's pictures in docs/screenshots from the real program: the
# tour of the installed program (tests/release) saves them from its virtual
# display when VY_TOUR_SCREENSHOTS names a folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p "$root/docs/screenshots"
VY_TOUR_SCREENSHOTS="$root/docs/screenshots" "$root/build/tests/tour_tests" --gtest_filter='Tour.*'
ls -l "$root/docs/screenshots"
