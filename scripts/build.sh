#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour>:
#   release  optimised, for running and benchmarking
#   asan     debug with AddressSanitizer and UndefinedBehaviorSanitizer, for tests
set -euo pipefail
flavour=${1:-release}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/$flavour"

case "$flavour" in
  release) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIBRARY_SANITIZE=OFF) ;;
  asan)    options=(-DCMAKE_BUILD_TYPE=Debug -DLIBRARY_SANITIZE=ON) ;;
  *) echo "unknown flavour: $flavour (release or asan)" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
