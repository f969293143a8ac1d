#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
program="$root/build/bin/vychislitsa"
cd "$root/build/bin" && exec "$program"
