#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds into DIR.
# With ccache installed, compiled objects are kept between builds; paths are
# taken relative to the source folder, so another clone of the project reuses them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$root/$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$root/$dir" -j "$(nproc)"
