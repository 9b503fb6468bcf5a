#!/usr/bin/env bash
# Builds the workbook fuzz target with clang and libFuzzer into build/fuzz and
# runs it on one core, niced. Crashers land in fuzz/regressions (replayed by
# ctest once mended); the growing corpus stays in build/fuzz/corpus.
#   scripts/fuzz.sh [seconds]   (default 600)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build="$root/build/fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

"$root/scripts/deps.sh"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DLIBRARY_WERROR=OFF -DLIBRARY_TESTS=OFF -DLIBRARY_BENCH=OFF -DLIBRARY_FUZZ=ON >/dev/null
cmake --build "$build" --target workbook_fuzzer

corpus="$build/corpus"
mkdir -p "$corpus" "$root/fuzz/regressions"
# Seeds: the fixtures, the templates and the regressions.
cp -n "$root"/tests/data/*.xls "$root"/src/workbook/templates/*.xls "$corpus"/ 2>/dev/null || true
cp -n "$root"/fuzz/regressions/* "$corpus"/ 2>/dev/null || true
# The fixtures' Workbook streams on their own, which the target reads as
# bare streams.
/usr/bin/python3 - "$corpus" "$root"/tests/data/*.xls <<'PY' || true
import sys, xlrd.compdoc
for path in sys.argv[2:]:
    try:
        with open(path, 'rb') as f:
            stream = xlrd.compdoc.CompDoc(f.read()).get_named_stream('Workbook')
    except Exception:
        continue
    if stream:
        name = path.rsplit('/', 1)[-1] + '.stream'
        with open(sys.argv[1] + '/' + name, 'wb') as out:
            out.write(stream)
PY

cd "$build"
exec nice -n 10 ./fuzz/workbook_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix="$root/fuzz/regressions/" -print_final_stats=1 "$corpus"
