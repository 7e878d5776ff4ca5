#!/bin/sh
# Installs the Debian packages Varnel needs to build, test and run, when any is missing.
# Debian 12 (bookworm) and Debian 13 (trixie); the few names that differ are chosen by the
# release in /etc/os-release.
set -e

release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
case "$release" in
  bookworm)
    # clang 14's runtime libraries (libFuzzer and the sanitizers of the fuzz build).
    RELEASE_PACKAGES="libclang-rt-14-dev"
    ;;
  trixie)
    RELEASE_PACKAGES="libclang-rt-dev"
    ;;
  *)
    echo "install-deps: release '${release:-unknown}' not known; using Debian 13's package names" >&2
    RELEASE_PACKAGES="libclang-rt-dev"
    ;;
esac

PACKAGES="
  cmake ninja-build g++ pkg-config make clang-format shellcheck
  libwxgtk3.2-dev libgtk-3-dev
  libcups2-dev cups-daemon cups-client cups-ppdc
  libcli11-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang $RELEASE_PACKAGES
  xvfb xauth x11-utils xdotool xclip imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi
  dpkg-dev debhelper fakeroot lintian build-essential
  locales
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 nsis python3
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# The filter tests run cupsfilter and cups-driverd, two programs of the package `cups`.
# That package also brings cups-filters (with MIME types, conversions and drivers of its
# own that would take part in the tests' conversions), Ghostscript and Poppler, so unless
# it is installed the two programs are taken out of its package file, at the version of
# the installed cups-daemon (built from the same source as `cups`, so the versions match on
# every release, where the library's package name and version need not), into a folder of
# their own that the tests know.
CUPS_TOOLS=/usr/local/lib/varnel-tests/cups
version=$(dpkg-query -W -f='${Version}' cups-daemon 2>/dev/null)
if [ -z "$version" ]; then
  echo "install-deps: cups-daemon is not installed" >&2
  exit 1
fi
if ! dpkg-query -W -f='${Status}' cups 2>/dev/null | grep -q 'install ok installed' &&
   [ "$(cat "$CUPS_TOOLS/version" 2>/dev/null)" != "$version" ]; then
  echo "Taking cupsfilter and cups-driverd from the package cups $version"
  tmp=$(mktemp -d)
  chmod 755 "$tmp"
  (cd "$tmp" && { apt-get download -qq "cups=$version" 2>/dev/null ||
                  { $SUDO apt-get update -qq && apt-get download -qq "cups=$version"; }; })
  dpkg-deb --fsys-tarfile "$tmp"/cups_*.deb |
    tar -x -C "$tmp" ./usr/sbin/cupsfilter ./usr/lib/cups/daemon/cups-driverd
  $SUDO install -D -m 0755 "$tmp"/usr/sbin/cupsfilter "$CUPS_TOOLS"/cupsfilter
  $SUDO install -D -m 0755 "$tmp"/usr/lib/cups/daemon/cups-driverd "$CUPS_TOOLS"/cups-driverd
  echo "$version" | $SUDO tee "$CUPS_TOOLS"/version >/dev/null
  rm -rf "$tmp"
fi
