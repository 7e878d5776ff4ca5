#!/bin/bash
# Runs a command on a fresh clone of Varnel inside a Debian 12 (bookworm) or Debian 13
# (trixie) root, as a new user of that release would, from a Debian 12 (or 13) machine.
# Not part of `make test`.
#
#   sudo scripts/debian-root.sh RELEASE ROOT REPOSITORY BRANCH [COMMAND...]
#
# RELEASE     bookworm or trixie.
# ROOT        the root's folder; made with debootstrap on first use, kept for reuse.
# REPOSITORY  a folder or URL git can clone; a folder is bound into the root read-only.
# BRANCH      the branch to clone.
# COMMAND     run with sh -c in the clone (default: make test).
#
# The clone is always fresh: /srv/varnel is removed and cloned again. It lies outside
# /root so that the tests that run as an unprivileged user can read it. The mirror is the
# one apt uses on this machine (its first deb.*/debian URI); VARNEL_MIRROR chooses another.
# /proc, /sys and /dev are bound into the root for the run and unbound at the end,
# whatever happens. A new root gets a policy-rc.d that starts no service while packages
# install (a scheduler started there would share this machine's network and outlive the
# run): what a command needs running, it starts itself.
#
# With the network, in this order:
#   - the packages of VARNEL_ROOT_DEPS (install-deps.sh groups; default test, `none` for
#     none);
#   - VARNEL_ROOT_SETUP, a command run with sh -c in the clone, when set.
# The command then runs in a network namespace of its own with only a loopback interface,
# so that its X displays, whose abstract sockets are per namespace, never meet those of
# tests running on the machine itself at the same time, and a scheduler it starts has port
# 631 to itself. VARNEL_ROOT_HOSTNAME gives it a host name of its own too (a UTS
# namespace), with an address of its own that is not a loopback one (10.213.0.1, added to
# the loopback interface and to the root's /etc/hosts), as another machine would reach it
# at: CUPS 2.4.10 accepts a request that comes in on a loopback address only when it names
# the host localhost.
# VARNEL_ROOT_NET=1 runs the command with the machine's network instead (a command that
# installs packages, such as make run on a root without them).
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "usage: $0 bookworm|trixie ROOT REPOSITORY BRANCH [COMMAND...]" >&2
  exit 2
fi
release=$1
shift
case "$release" in
  bookworm | trixie) ;;
  *) echo "$0: release '$release' is neither bookworm nor trixie" >&2; exit 2 ;;
esac
if [ "$(id -u)" != 0 ]; then
  echo "$0: run as root (debootstrap, mount and chroot need it)" >&2
  exit 2
fi
root=$(mkdir -p "$1" && cd "$1" && pwd)
repository=$2
branch=$3
shift 3
command=${*:-make test}

mirror() {
  if [ -n "${VARNEL_MIRROR:-}" ]; then
    echo "$VARNEL_MIRROR"
    return
  fi
  local uri
  uri=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
          tr ' ' '\n' | grep -E '/debian/?$' | head -n 1 || true)
  if [ -z "$uri" ]; then
    uri=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\/debian\/\?\)[[:space:]].*/\2/p' \
            /etc/apt/sources.list 2>/dev/null | head -n 1 || true)
  fi
  if [ -z "$uri" ]; then
    echo "$0: no Debian mirror in /etc/apt (set VARNEL_MIRROR)" >&2
    exit 1
  fi
  echo "$uri"
}

mounts=()
unmount_all() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount -R "${mounts[$i]}" 2>/dev/null || umount -R -l "${mounts[$i]}" || true
  done
  mounts=()
}
trap unmount_all EXIT
trap 'exit 130' INT TERM

bind() {  # bind SOURCE TARGET [ro]
  mkdir -p "$2"
  if mountpoint -q "$2"; then
    echo "$0: $2 is already mounted; unmount it first" >&2
    exit 1
  fi
  mount --rbind "$1" "$2"
  mounts+=("$2")
  mount --make-rslave "$2"
  if [ "${3:-}" = ro ]; then mount -o remount,bind,ro "$2"; fi
}

if [ ! -e "$root/etc/os-release" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  m=$(mirror)
  echo "Making a $release root in $root from $m"
  debootstrap --variant=minbase "$release" "$root" "$m"
  printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
fi
have=$(. "$root/etc/os-release" && echo "${VERSION_CODENAME:-}")
if [ "$have" != "$release" ]; then
  echo "$0: $root holds '$have', not $release" >&2
  exit 1
fi

for d in proc sys dev; do bind "/$d" "$root/$d"; done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# What a new user has before reading the README: sudo, make, git and certificates.
if ! in_root sh -c 'command -v sudo && command -v make && command -v git' >/dev/null; then
  in_root apt-get update -qq
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    sudo make git ca-certificates
fi

if [ -d "$repository" ]; then
  bind "$(cd "$repository" && pwd)" "$root/mnt/varnel-origin" ro
  origin=/mnt/varnel-origin
else
  origin=$repository
fi
in_root rm -rf /srv/varnel
in_root git -c safe.directory='*' clone -q --branch "$branch" "$origin" /srv/varnel
in_root git -C /srv/varnel log -1 --format='cloned %h %s'

deps=${VARNEL_ROOT_DEPS:-test}
if [ "$deps" != none ]; then
  in_root sh -c "cd /srv/varnel && ./scripts/install-deps.sh $deps"
fi
if [ -n "${VARNEL_ROOT_SETUP:-}" ]; then
  in_root sh -c "cd /srv/varnel && $VARNEL_ROOT_SETUP"
fi

status=0
if [ "${VARNEL_ROOT_NET:-0}" = 1 ]; then
  in_root sh -c "cd /srv/varnel && $command" || status=$?
else
  namespaces=(--net)
  hostname_cmd=true
  if [ -n "${VARNEL_ROOT_HOSTNAME:-}" ]; then
    namespaces+=(--uts)
    hostname_cmd="hostname $VARNEL_ROOT_HOSTNAME && ip addr add 10.213.0.1/32 dev lo"
    touch "$root/etc/hosts"
    sed -i "/[[:space:]]$VARNEL_ROOT_HOSTNAME\$/d" "$root/etc/hosts"
    echo "10.213.0.1 $VARNEL_ROOT_HOSTNAME" >> "$root/etc/hosts"
  fi
  unshare "${namespaces[@]}" -- sh -c "ip link set lo up && $hostname_cmd && exec \"\$@\"" sh \
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    sh -c "cd /srv/varnel && $command" || status=$?
fi
echo "$0: '$command' ended with status $status"
exit "$status"
