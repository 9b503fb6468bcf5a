#!/usr/bin/env bash
# Lays out every C++ file with clang-format (.clang-format at the root).
#   scripts/format.sh          rewrite the files in place
#   scripts/format.sh --check  list the files that differ, exit 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  status=0
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || { echo "$f"; status=1; }
  done
  exit $status
fi
clang-format -i "${files[@]}"
