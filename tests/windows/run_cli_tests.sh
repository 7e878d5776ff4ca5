#!/bin/bash
# The varnel-cli tests of the Linux build (tests/cli), run against varnel-cli.exe.
#   run_cli_tests.sh LINUX_VARNEL_TESTS VARNEL_CLI_WINE      (WINEPREFIX set by the caller)
# A Linux test program older than the tests' switch to VARNEL_CLI_PROGRAM would run Linux
# varnel-cli and pass: the wrapper counts its starts, and none is a failure.
set -u
tests=$1 wrapper=$2
starts=$(mktemp)
trap 'rm -f "$starts"' EXIT
VARNEL_CLI_PROGRAM=$wrapper VARNEL_CLI_WINDOWS=1 VARNEL_CLI_STARTS=$starts \
  "$tests" --gtest_filter='Cli*' --gtest_brief=1
status=$?
count=$(wc -l <"$starts")
echo "varnel-cli.exe started $count times"
if [ "$count" -lt 20 ]; then
  echo "the tests did not run varnel-cli.exe: rebuild the Linux test build" >&2
  exit 1
fi
exit $status
