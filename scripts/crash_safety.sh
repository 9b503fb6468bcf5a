#!/usr/bin/env bash
# Kills the book import, the reader import, a lending and a return with
# SIGKILL at random moments, then checks the database file: SQLite's own
# integrity check must say "ok", and the whole database must be exactly as
# before the operation or exactly as after an uninterrupted run of it (all
# rows of an import or none; all three writes of a lending or return or none).
#
#   scripts/crash_safety.sh [--kills N] [--rows N] [--driver PATH]
#     --kills   kills per operation (default 40)
#     --rows    rows of each imported sheet (default 20000)
#     --driver  a built crashdriver; without it the optimised flavour is built
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kills=40
rows=20000
driver=""
while [ $# -gt 0 ]; do
  case "$1" in
    --kills) kills=$2; shift 2 ;;
    --rows) rows=$2; shift 2 ;;
    --driver) driver=$2; shift 2 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
done
if [ -z "$driver" ]; then
  "$root/scripts/deps.sh"
  "$root/scripts/build.sh" release >/dev/null
  driver="$root/build/release/tools/crashdriver"
fi
command -v sqlite3 >/dev/null || { echo "sqlite3 not found (scripts/deps.sh installs it)" >&2; exit 2; }

exec {idle}<> <(:)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db=数据库.sdb

# The whole database as text; names and values are GBK bytes, compared as such.
dump() { sqlite3 "$1/$db" .dump | md5sum | cut -d' ' -f1; }
now_us() { echo $(( $(date +%s%N) / 1000 )); }

"$driver" setup "$work/pristine" 20000 5000 "$rows" >/dev/null
before=$(dump "$work/pristine")

failures=0
# operation, its arguments (card and book for the circulation)
# Starts the driver as a coprocess and waits until it says "ready".
launch() {
  coproc DRIVER { exec "$driver" "$@"; }
  pid=$DRIVER_PID
  local line=""
  read -r -t 60 line <&"${DRIVER[0]}" || true
  [ "$line" = ready ]
}

run_case() {
  local operation=$1; shift
  local reference="$work/reference"
  rm -rf "$reference"; cp -r "$work/pristine" "$reference"
  # The operation's own span, from "ready" to "done", sets the kill window.
  local start end line="" status=0
  if launch "$operation" "$reference" "$@"; then
    start=$(now_us)
    read -r -t 600 line <&"${DRIVER[0]}" || true
    end=$(now_us)
  fi
  wait "$pid" 2>/dev/null || status=$?
  if [ "$line" != done ] || [ "$status" -ne 0 ]; then
    echo "FAILED: an uninterrupted $operation did not finish" >&2
    failures=$((failures + 1)); return
  fi
  local span=$((end - start))
  local after
  after=$(dump "$reference")
  if [ "$after" = "$before" ]; then
    echo "FAILED: an uninterrupted $operation changed nothing" >&2
    failures=$((failures + 1)); return
  fi

  local none=0 all=0 finished=0 journals=0 i
  for ((i = 1; i <= kills; i++)); do
    local run="$work/run"
    rm -rf "$run"; cp -r "$work/pristine" "$run"
    local delay=$(( (RANDOM * 32768 + RANDOM) % (span + 1) ))
    if ! launch "$operation" "$run" "$@"; then
      echo "FAILED: $operation did not start" >&2
      kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
      failures=$((failures + 1)); continue
    fi
    # A timed read on a pipe that never delivers: a sleep without a fork,
    # exact enough for a lending of a few milliseconds.
    read -r -t "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))" -u "$idle" _ || true
    kill -9 "$pid" 2>/dev/null || true
    local status=0
    wait "$pid" 2>/dev/null || status=$?
    [ "$status" -eq 137 ] || finished=$((finished + 1))
    [ -e "$run/$db-journal" ] && journals=$((journals + 1))

    local integrity
    integrity=$(sqlite3 "$run/$db" 'PRAGMA integrity_check' 2>&1 || true)
    local state
    state=$(dump "$run")
    if [ "$integrity" != ok ]; then
      echo "FAILED: $operation killed after ${delay} us: integrity check says: $integrity" >&2
      failures=$((failures + 1))
    elif [ "$state" = "$before" ]; then
      none=$((none + 1))
    elif [ "$state" = "$after" ]; then
      all=$((all + 1))
    else
      echo "FAILED: $operation killed after ${delay} us left a partial change" >&2
      mkdir -p "$root/build/crash_failures"
      cp -r "$run" "$root/build/crash_failures/${operation}_$i" 2>/dev/null || true
      failures=$((failures + 1))
    fi
  done
  printf '%-15s %3d kills within its %7.1f ms: %3d none, %3d all (%2d of them finished first); %3d hot journals left; integrity ok\n' \
    "$operation" "$kills" "$(awk -v us="$span" 'BEGIN { print us / 1000 }')" "$none" "$all" "$finished" "$journals"
}

echo "crash safety: $kills kills per operation, sheets of $rows rows, 20,000 books and 5,000 readers"
run_case import-books
run_case import-readers
run_case lend 201400002 A000002
run_case return 201400001 A000001
if [ "$failures" -ne 0 ]; then
  echo "$failures failures" >&2
  exit 1
fi
echo "OK: every killed run left the database whole and as before or as after"
