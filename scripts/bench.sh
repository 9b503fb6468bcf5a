#!/usr/bin/env bash
# Installs what is missing, builds the optimised flavour, and runs the
# benchmark program over a synthetic library.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/bench/library_bench" "$@"
