#!/bin/bash
# shellcheck disable=SC2034  # sets variables for the tests that source it
# The common start of a CUPS print test, sourced with varnel-cli's path as its argument:
# the fixture, the sample makers and the checks, and a private scheduler that stops when
# the script exits. Sets `cli`, `here` and `d` (the scheduler's folder).
cli=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here"/cupsfix.sh
source "$here"/braille_samples.sh
source "$here"/../support/checks.sh
# shellcheck source=../support/sentences.sh
source "$here"/../support/sentences.sh
trap cupsfix_stop EXIT
cupsfix_start || exit 1
d=$CUPSFIX_DIR
