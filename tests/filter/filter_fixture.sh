#!/bin/bash
# shellcheck disable=SC2034  # sets variables for the tests that source it
# The common start of the filter tests, sourced with four arguments: varnel-cli,
# varnel-filter, the folder of the compiled printer descriptions and varnel.types.
# Sets cli, filter, ppds, types, here (this folder) and work (a folder removed at exit),
# and brings the sample makers, the checks and the scheduler fixture of the CUPS tests.
cli=$1 filter=$2 ppds=$3 types=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here"/../cups/cupsfix.sh
source "$here"/../cups/braille_samples.sh
source "$here"/../support/checks.sh

# The programs of the package `cups` that the tests use, where scripts/install-deps.sh
# puts them when that package is not installed.
VARNEL_CUPS_TOOLS=${VARNEL_CUPS_TOOLS:-/usr/local/lib/varnel-tests/cups}
cups_tool() {  # cups_tool NAME SYSTEM_PATH: the program's path, or nothing
  if [ -x "$2" ]; then echo "$2"; elif [ -x "$VARNEL_CUPS_TOOLS/$1" ]; then echo "$VARNEL_CUPS_TOOLS/$1"; fi
}

# A short folder name: the scheduler's socket path must stay under 108 bytes.
work=$(mktemp -d /tmp/vflt.XXXXXX)
chmod 755 "$work"
cleanup_work() { rm -rf "$work"; }
trap cleanup_work EXIT

# The models, the virtual embosser varnel-cli offers for each (in its printer list) and
# each model's printer description (which names its model): taken from the program and
# the build, so that a new model needs no change here.
declare -A cli_printer=() model_ppd=()
models=()
while IFS=$'\t' read -r name model _; do
  cli_printer[$model]=$name
  models+=("$model")
done < <("$cli" printers --spooler "dir:$work/virtual" --settings "$work/list.ini")
for ppd in "$ppds"/*.ppd; do
  model_ppd[$(sed -n 's/^\*VarnelModel: "\(.*\)"\r\{0,1\}$/\1/p' "$ppd")]=${ppd##*/}
done
[ "${#models[@]}" -gt 0 ] && [ "${#model_ppd[@]}" = "${#models[@]}" ] ||
  { echo "the models of varnel-cli and the printer descriptions differ" >&2; exit 1; }

# cli_expect MODEL FILE [varnel-cli print options]: what varnel-cli prints for the job,
# in $work/expected.bin (removed when it refuses), its message in $work/expected.err as
# the filter's status line carries it (PREFIX: the lines joined by a blank, empty lines
# left out), and its exit status in cli_status.
cli_expect() {
  local model=$1 file=$2; shift 2
  rm -f "$work/expected.bin" "$work/cli.ini"
  "$cli" print "$file" --printer "${cli_printer[$model]}" --output "$work/expected.bin" \
    --settings "$work/cli.ini" "$@" >/dev/null 2>"$work/cli.err"
  cli_status=$?
  local prefix=INFO
  [ "$cli_status" -ne 0 ] && prefix=ERROR
  : > "$work/expected.err"
  if [ -s "$work/cli.err" ]; then
    tr -d '\r' < "$work/cli.err" | sed '/^$/d' | paste -sd' ' | sed "s/^/$prefix: /" \
      > "$work/expected.err"
  fi
}
