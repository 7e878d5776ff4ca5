#!/bin/sh
# Runs each libFuzzer target of BUILD_DIR for SECONDS, starting from its seeds, and fails
# when any target finds an input that crashes, hangs, leaks or breaks an invariant.
#
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [READER...]
#
# READER is base_nab, winbes, edel, encoder or filter (all of them by default). encoder
# runs the readers and then the embosser encoder with a job spec from the input's first
# 8 bytes; filter plans a CUPS filter job from any option values and document bytes, then
# encodes it. With FUZZ_RUNS=N in the environment each target runs N inputs instead of SECONDS; with FUZZ_CORPUS_OUT=DIR the
# corpus each target ends with is copied to DIR/READER (to measure its coverage, or to
# pick new seeds from).
#
# The seeds (fuzz/corpus/READER and samples/) are copied into a temporary working corpus:
# nothing is written into the source tree. Inputs that broke a target are kept under
# BUILD_DIR/fuzz-findings/READER/; copy one into fuzz/corpus/READER/ to keep it as a
# regression seed that the test build replays.
#
# -max_len=66560: the Win-BES header and filler take 1025 bytes and a page record's
# length field is 16 bits, so this is the smallest length at which one whole record of
# any length fits behind the header. The BASE, NAB and EDEL readers have nothing that
# depends on a length past their headers (514 and 4 bytes), so the same bound is plenty
# for them, and inputs stay small enough for tens of thousands of runs a second.
#
# -timeout=30: the readers are linear and take milliseconds at this length, so an input
# that runs 30 seconds is a hang, even with other builds slowing the machine down.
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS [READER...]" >&2
  exit 2
fi
BUILD_DIR=$(cd "$1" && pwd)
SECONDS_EACH=$2
shift 2
ROOT=$(cd "$(dirname "$0")/.." && pwd)
READERS=${*:-base_nab winbes edel encoder filter}
MAX_LEN=66560

WORK=$(mktemp -d "${TMPDIR:-/tmp}/varnel-fuzz.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
trap 'exit 130' INT TERM

if [ -n "${FUZZ_RUNS:-}" ]; then
  LIMIT="-runs=$FUZZ_RUNS"
else
  LIMIT="-max_total_time=$SECONDS_EACH"
fi

failed=""
summary=""
for reader in $READERS; do
  target="$BUILD_DIR/fuzz/fuzz_$reader"
  if [ ! -x "$target" ]; then
    echo "missing $target: build the target fuzz_targets first" >&2
    exit 2
  fi
  dir="$WORK/$reader"
  mkdir -p "$dir/corpus" "$dir/artifacts"
  cp "$ROOT/fuzz/corpus/$reader/"* "$dir/corpus/"
  cp "$ROOT/samples/"* "$dir/corpus/"

  # Each seed and sample once, whole (the fuzzing below cuts inputs at MAX_LEN).
  echo "==== fuzz_$reader: the seeds and the samples, whole"
  status=0
  "$target" "$ROOT/fuzz/corpus/$reader/"* "$ROOT/samples/"* >"$dir/replay.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -40 "$dir/replay.log" >&2
    failed="$failed $reader"
    summary="$summary
fuzz_$reader: FAILED on a seed or a sample (exit $status)"
    continue
  fi
  echo "==== fuzz_$reader ($LIMIT, -max_len=$MAX_LEN)"
  # libFuzzer writes its own files relative to the working folder: run it in the copy.
  (cd "$dir" && "$target" corpus $LIMIT -max_len=$MAX_LEN -timeout=30 -rss_limit_mb=2048 \
      -dict="$ROOT/fuzz/$reader.dict" -artifact_prefix="$dir/artifacts/" \
      -print_final_stats=1) >"$dir/log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number_of_executed_units|average_exec_per_sec|slowest_unit_time_sec|peak_rss_mb)|^(==[0-9]+==ERROR|SUMMARY|broken invariant|artifact_prefix)' \
    "$dir/log" || true

  if [ -n "${FUZZ_CORPUS_OUT:-}" ]; then
    mkdir -p "$FUZZ_CORPUS_OUT/$reader"
    cp "$dir/corpus/"* "$FUZZ_CORPUS_OUT/$reader/"
  fi

  units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/log")
  cov=$(grep -E '^#[0-9]+[[:space:]]' "$dir/log" | tail -1 | sed -n 's/.*\(cov: [0-9]* ft: [0-9]*\).*/\1/p')
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$dir/artifacts")" ]; then
    keep="$BUILD_DIR/fuzz-findings/$reader"
    mkdir -p "$keep"
    cp "$dir/log" "$keep/"
    cp "$dir/artifacts/"* "$keep/" 2>/dev/null || true
    echo "fuzz_$reader FAILED (exit $status); log and inputs in $keep:" >&2
    ls -l "$keep" >&2
    tail -40 "$dir/log" >&2
    failed="$failed $reader"
    summary="$summary
fuzz_$reader: FAILED, ${units:-?} runs, ${rate:-?} exec/s, ${cov:-no coverage line}"
  else
    summary="$summary
fuzz_$reader: ok, ${units:-?} runs, ${rate:-?} exec/s, ${cov:-no coverage line}"
  fi
done

echo "==== summary$summary"
if [ -n "$failed" ]; then
  echo "fuzzing found problems in:$failed" >&2
  exit 1
fi
