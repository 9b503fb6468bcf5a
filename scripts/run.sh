#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/songtao-library" "$@"
