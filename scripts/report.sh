#!/usr/bin/env bash
# The performance report: builds the optimised flavour and runs every case of
# the benchmark program over the synthetic library (100,000 books, 5,000
# readers, 200,000 report rows, 20,000-row workbooks), our operations beside
# the peers measured in the same run (sqlite3's shell, python3-xlrd and, when
# installed, LibreOffice). Prints the machine, then one table of medians.
#   scripts/report.sh [--with-libreoffice] [group...]
# --with-libreoffice installs libreoffice-calc-nogui (~225 MB) when missing;
# without it, a machine lacking soffice skips that peer with a note.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --with-libreoffice ]; then
  shift
  if ! command -v soffice >/dev/null; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
      libreoffice-calc-nogui
  fi
fi
"$root/scripts/deps.sh"
"$root/scripts/build.sh" release >/dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo)"
echo "peers: sqlite3 $(sqlite3 --version 2>/dev/null | cut -d' ' -f1 || echo missing)," \
  "python3-xlrd $(/usr/bin/python3 -c 'import xlrd; print(xlrd.__VERSION__)' 2>/dev/null || echo missing)," \
  "LibreOffice $(soffice --version 2>/dev/null | awk '{ print $2 }' || echo missing)"
cd "$root/build/release"
exec ./bench/library_bench "$@"
