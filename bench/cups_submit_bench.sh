#!/bin/bash
# A 1 MiB raw job through the CUPS spooler (one write per byte) against `lp -o raw` of the same
# bytes, against a private CUPS scheduler (tests/cups/cupsfix.sh; needs cups-daemon and
# cups-client). BUILD_DIR is a Release build with benchmarks:
#
#   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF \
#     -DVARNEL_BENCH=ON -DVARNEL_GUI=OFF
#   cmake --build build-bench --target cups_submit_bench
#   bench/cups_submit_bench.sh build-bench [RUNS]
#
# The two ways alternate run by run, and each figure is the median of RUNS runs.
# Target: the per-byte job takes at most 1.1 times what lp takes, end to end.
set -u
build=${1:?usage: $0 BUILD_DIR [RUNS]}
bench=$build/bench/cups_submit_bench
[ -x "$bench" ] || { echo "missing $bench: build the target cups_submit_bench" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
source "$here"/../tests/cups/cupsfix.sh
trap cupsfix_stop EXIT
cupsfix_start || exit 1
cupsfix_add_queue 'ESA721' bench.bin || exit 1
"$bench" 'ESA721' "$CUPSFIX_DIR/out/bench.bin" "${2:-9}"
