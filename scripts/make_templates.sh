#!/usr/bin/env bash
# Remakes the three export templates (src/workbook/templates/*.xls) with the
# workbook writer. Needed only after a change of the writer; a test checks
# that the carried files are what the writer makes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" asan
"$root/build/asan/tests/workbook/make_workbook_templates" "$root/src/workbook/templates"
