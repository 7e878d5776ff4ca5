#!/bin/sh
# Starts Varnel from a build folder. With a display: the dialog, on CUPS when a CUPS
# server answers, otherwise on virtual embossers. Without one: a demonstration of
# varnel-cli on the sample documents.
set -eu
BUILD=${1:-build-release}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
VARNEL="$BUILD/varnel"
CLI="$BUILD/varnel-cli"
DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
EMBOSSERS="$DATA_HOME/varnel/embossers"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$VARNEL" ]; then
  if lpstat -r 2>/dev/null | grep -q 'is running'; then
    echo "Varnel: embossers from the CUPS print server."
    exec "$VARNEL"
  fi
  mkdir -p "$EMBOSSERS"
  echo "Varnel: no CUPS print server answers; using the virtual embossers in $EMBOSSERS"
  echo "        (each job is written to a file in the embosser's folder)."
  exec "$VARNEL" --spooler "dir:$EMBOSSERS"
fi

echo "No display: a demonstration of varnel-cli on the sample documents."
mkdir -p "$EMBOSSERS"
SETTINGS="$EMBOSSERS/demo-Varnel.ini"
echo
echo "\$ varnel-cli printers --spooler dir:$EMBOSSERS"
"$CLI" printers --spooler "dir:$EMBOSSERS" --settings "$SETTINGS"
for f in "$ROOT"/samples/*; do
  echo
  echo "\$ varnel-cli info $f"
  "$CLI" info "$f" --settings "$SETTINGS"
done
print_sample() {
  sample=$1 printer=$2
  shift 2
  echo
  echo "\$ varnel-cli print $sample --printer $printer $*"
  "$CLI" print "$ROOT/samples/$sample" --printer "$printer" --spooler "dir:$EMBOSSERS" \
    --settings "$SETTINGS" "$@"
  newest=$(ls -t "$EMBOSSERS/$printer" | head -n 1)
  echo "  -> $(wc -c < "$EMBOSSERS/$printer/$newest") bytes in $EMBOSSERS/$printer/$newest"
}
print_sample sample.BES 仮想TEN-100 --sides double
print_sample sample.BSE 仮想ESA721 --from 2 --to 3
print_sample sample.NAB 仮想点字片面 --copies 2
print_sample drawing.EDL 仮想TEN-10
