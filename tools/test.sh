#!/usr/bin/env bash
# Builds Tenvira and runs the whole test suite.
#   tools/test.sh [BUILD_DIR]        (TENVIRA_SANITIZE="address;undefined" for a sanitizer build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
bash "$root/tools/setup-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
      -DTENVIRA_SANITIZE="${TENVIRA_SANITIZE:-}"
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
