#!/bin/sh
# Installs the Debian 12 packages Varnel needs to build, test and run, when any is missing.
set -e

PACKAGES="
  cmake ninja-build g++ pkg-config make
  libwxgtk3.2-dev libgtk-3-dev
  libcups2-dev cups-daemon cups-client
  libcli11-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils xdotool xclip imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
