#!/bin/sh
# Installs the Debian packages a make target needs, when any is missing.
#
#   scripts/install-deps.sh [GROUP...]      (default: all)
#
# Groups:
#   run      building and running the programs: make run, make install
#   format   the format check (clang-format, shellcheck)
#   deb      the Debian package and its lintian check: make deb
#   bench    the benchmarks: make bench
#   fuzz     the fuzz targets under libFuzzer: make fuzz
#   windows  the Windows programs and installer: make windows, make windows-installer
#   test     everything: the test suite, the Windows tests under Wine, the fuzz run, the
#            filter tests' cups-driverd and, on Debian 12, the window tests' Orca (see the
#            end)
#   all      the same as test
#
# Debian 12 (bookworm) and Debian 13 (trixie); the few names that differ are chosen by the
# release in /etc/os-release.
set -e

release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
case "$release" in
  bookworm)
    # clang 14's runtime libraries (libFuzzer and the sanitizers of the fuzz build).
    CLANG_RT="libclang-rt-14-dev"
    # Orca 48 is unpacked from bookworm-backports (see the end); these are what it needs
    # of Debian 12 main.
    ORCA="gir1.2-gtk-3.0 python3-gi python3-cairo python3-dbus python3-psutil
      python3-setproctitle gsettings-desktop-schemas"
    ;;
  trixie)
    CLANG_RT="libclang-rt-dev"
    ORCA="orca gir1.2-gtk-3.0"
    ;;
  *)
    echo "install-deps: release '${release:-unknown}' not known; using Debian 13's package names" >&2
    CLANG_RT="libclang-rt-dev"
    ORCA="orca gir1.2-gtk-3.0"
    ;;
esac

BUILD="cmake ninja-build g++ pkg-config make"
# The Release build: the dialog (wxWidgets on GTK), the CUPS spooler and filter, the printer
# descriptions (ppdc), the command line (CLI11). The font draws the dialog's Japanese; lpstat
# tells scripts/run.sh whether a CUPS server answers.
RUN="$BUILD
  libwxgtk3.2-dev libgtk-3-dev
  libcups2-dev cups-ppdc cups-client
  libcli11-dev
  fonts-ipafont-gothic"
# The format check: the sources against .clang-format, the shell scripts with shellcheck.
FORMAT="clang-format shellcheck"
# dpkg-buildpackage requires build-essential besides the package's build dependencies.
DEB="$RUN dpkg-dev debhelper fakeroot lintian build-essential"
BENCH="$RUN libbenchmark-dev python3"
# The fuzz build has no dialog and no tests, but the CUPS filter and its printer descriptions.
FUZZ="$BUILD clang $CLANG_RT libcups2-dev cups-ppdc libcli11-dev"
# The cross compiler and windres, GoogleTest's sources (the Windows build compiles them),
# CLI11's headers, Python for the icon, NSIS for the installer.
WINDOWS="$BUILD
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libcli11-dev libgtest-dev libgmock-dev python3 nsis"
# The suite: unit and dialog tests, a private scheduler, real windows on a private X
# display with the accessibility tree and the Orca screen reader, the Windows tests under
# Wine in a Japanese locale (DejaVu draws the braille cells there, which the Japanese font
# has not).
TEST="$RUN $FORMAT $DEB $BENCH $FUZZ $WINDOWS
  libgtest-dev libgmock-dev
  cups-daemon cups-client
  xvfb xauth x11-utils xdotool xclip imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi $ORCA
  locales
  wine64 python3 fonts-dejavu-core"

PACKAGES=""
cups_tools=no
[ $# -gt 0 ] || set -- all
for group in "$@"; do
  case "$group" in
    run) PACKAGES="$PACKAGES $RUN" ;;
    format) PACKAGES="$PACKAGES $FORMAT" ;;
    deb) PACKAGES="$PACKAGES $DEB" ;;
    bench) PACKAGES="$PACKAGES $BENCH" ;;
    fuzz) PACKAGES="$PACKAGES $FUZZ" ;;
    windows) PACKAGES="$PACKAGES $WINDOWS" ;;
    test | all) PACKAGES="$PACKAGES $TEST"; cups_tools=yes ;;
    *)
      echo "install-deps: unknown group '$group' (run format deb bench fuzz windows test all)" >&2
      exit 2
      ;;
  esac
done

missing=""
for p in $(printf '%s\n' $PACKAGES | sort -u); do
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

[ "$cups_tools" = yes ] || exit 0

# The filter tests run cups-driverd (lpinfo -m asks it for the models), a program of the
# package `cups`. That package also brings cups-filters (with MIME types, conversions and drivers of its
# own that would take part in the tests' conversions), Ghostscript and Poppler, so unless
# it is installed the program is taken out of its package file, at the version of
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
  echo "Taking cups-driverd from the package cups $version"
  tmp=$(mktemp -d)
  chmod 755 "$tmp"
  (cd "$tmp" && { apt-get download -qq "cups=$version" 2>/dev/null ||
                  { $SUDO apt-get update -qq && apt-get download -qq "cups=$version"; }; })
  dpkg-deb --fsys-tarfile "$tmp"/cups_*.deb |
    tar -x -C "$tmp" ./usr/lib/cups/daemon/cups-driverd
  $SUDO install -D -m 0755 "$tmp"/usr/lib/cups/daemon/cups-driverd "$CUPS_TOOLS"/cups-driverd
  echo "$version" | $SUDO tee "$CUPS_TOOLS"/version >/dev/null
  rm -rf "$tmp"
fi

# The window tests listen with Orca 48 or later (tests/gui/with_orca.sh); Debian 12 has
# Orca 43, which speaks no announcement. Orca 48 and the accessibility libraries of its
# release (2.56, which the tests also run varnel on) are taken from bookworm-backports
# with a private package list, leaving the system's package sources as they are, and
# unpacked into a folder of their own that the tests know.
ORCA_ROOT=/usr/local/lib/varnel-tests/orca
if [ "$release" = bookworm ] && [ ! -x "$ORCA_ROOT/usr/bin/orca" ]; then
  echo "Taking Orca from bookworm-backports"
  tmp=$(mktemp -d)
  chmod 755 "$tmp"
  # The mirror the system uses for Debian 12 (a deb822 stanza or a one-line entry).
  mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
    /^URIs:/ { uris = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") ok = 1 }
    /^$/ { if (ok && !found) found = uris; ok = 0 } END { if (ok && !found) found = uris; print found }')
  [ -n "$mirror" ] || mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk '$1 == "deb" { i = 2; while ($i ~ /^\[/ || $i ~ /\]$/) i++  # [options]
                       if ($(i + 1) == "bookworm") { print $i; exit } }')
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "deb $mirror bookworm-backports main" >"$tmp/sources.list"
  mkdir -p "$tmp/lists/partial" "$tmp/cache/archives/partial" "$tmp/debs"
  apt_private="-o APT::Sandbox::User=root -o Dir::Etc::SourceList=$tmp/sources.list
    -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists=$tmp/lists -o Dir::Cache=$tmp/cache"
  apt-get -qq $apt_private update
  (cd "$tmp/debs" && apt-get -qq $apt_private download orca libatspi2.0-0 gir1.2-atspi-2.0 \
    libatk1.0-0 libatk-bridge2.0-0)
  for deb in "$tmp"/debs/*.deb; do dpkg-deb -x "$deb" "$tmp/root"; done
  $SUDO mkdir -p "$(dirname "$ORCA_ROOT")"
  $SUDO mv "$tmp/root" "$ORCA_ROOT"
  rm -rf "$tmp"
fi
