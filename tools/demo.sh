#!/usr/bin/env bash
# Builds everything (Release) and renders the demo through the built plug-in:
# tenvira-demo/input.wav, tenvira-demo/output.wav and tenvira-demo/levels.png.
#   tools/demo.sh [BUILD_DIR] [tenvira-render options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  build=$1
  shift
fi
bash "$root/tools/setup-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)"
"$build/bin/tenvira-render" "$@"
