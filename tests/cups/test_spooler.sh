#!/bin/bash
# The CUPS spooler itself, against a private scheduler: the live cases of the unit test
# program (tests/platform/cups_spooler_live_test.cpp). $1: varnel-cli, beside which the
# build keeps tests/varnel_tests.
set -u
here=$(cd "$(dirname "$0")" && pwd)
tests=$(dirname "$1")/tests/varnel_tests
[ -x "$tests" ] || { echo "no unit test program at $tests" >&2; exit 1; }
source "$here"/cupsfix.sh
trap cupsfix_stop EXIT
cupsfix_start || exit 1
export VARNEL_CUPS_FIXTURE=$CUPSFIX_DIR
"$tests" --gtest_filter='CupsLive.*'
