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

# The carried templates: one sheet, the heading row only.
declare -A headings=(
  [books]='"条形码","图书编号","分类号","图书类别","复本号","书名","著译者","出版处","页数","开本","版期","版次","单价","书架名称","入库时间","是否借出"'
  [readers]='"班别","姓名","借书证号","图书编号串","日期编号串","书名串"'
  [report]='"图书编号","书名","借阅者","借书日期","还书日期"'
)
for name in books readers report; do
  soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true' \
    --outdir "$work" "$root/src/workbook/templates/$name.xls" >/dev/null 2>&1
  if [ "$(cat "$work/$name.csv" 2>/dev/null)" != "${headings[$name]}" ]; then
    echo "FAILED: template $name.xls reads in LibreOffice as: $(cat "$work/$name.csv" 2>/dev/null)" >&2
    exit 1
  fi
done
echo "OK: the three templates open in LibreOffice with their heading rows only"
