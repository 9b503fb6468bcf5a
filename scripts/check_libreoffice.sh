#!/usr/bin/env bash
# Opens a workbook written by our link in LibreOffice Calc headless and
# compares every cell it shows with what was written. Needs the package
# libreoffice-calc-nogui, installed by hand (not part of deps.sh):
#   apt-get install --no-install-recommends libreoffice-calc-nogui
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v soffice >/dev/null || { echo "soffice not found: install libreoffice-calc-nogui" >&2; exit 2; }
"$root/scripts/build.sh" asan >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/build/asan/tests/workbook/write_workbook_sample" "$work/sample.xls" "$work/expected.csv"
# CSV: comma, double quote, UTF-8, from line 1, every text cell quoted.
soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true' \
  --outdir "$work" "$work/sample.xls" >/dev/null 2>&1
if [ ! -s "$work/sample.csv" ]; then
  echo "FAILED: LibreOffice could not open the workbook" >&2
  exit 1
fi
if ! diff -q "$work/expected.csv" "$work/sample.csv" >/dev/null; then
  echo "FAILED: LibreOffice shows other cells than were written" >&2
  diff "$work/expected.csv" "$work/sample.csv" | head -20 >&2
  exit 1
fi
echo "OK: LibreOffice $(soffice --version | awk '{print $2}') opened the workbook;" \
  "$(wc -l < "$work/expected.csv") rows, every cell as written"
