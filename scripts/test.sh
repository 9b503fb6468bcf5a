#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer flavour, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" asan
cd "$root/build/asan"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
