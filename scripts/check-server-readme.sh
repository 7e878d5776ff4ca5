#!/bin/bash
# Runs the README's print-server lines ("Printing from any program") as an administrator
# would, on a fresh Debian 12 or 13 system, and checks what they promise. Not part of
# `make test`: it needs root, debootstrap, the network and a few minutes.
#
#   sudo scripts/check-server-readme.sh bookworm|trixie WORKDIR [REPOSITORY [BRANCH]]
#
# REPOSITORY and BRANCH default to this work tree's repository and its current branch.
# Two roots of the release, made by scripts/debian-root.sh under WORKDIR:
#   WORKDIR/build-root   `make deb`, the README's first line (a package for Debian 13 must
#                        be built on Debian 13). Kept for reuse.
#   WORKDIR/server-root  the print server: a fresh system where the README's
#                        `sudo apt install ./dist/varnel_*.deb` is the only install command.
#                        Made with debootstrap when missing; refused when it already has
#                        cups or varnel.
# Then, in the server root, in the README's order:
#   - the package installs (with the network, recommends as apt's default);
#   - the scheduler starts. The README's `sudo systemctl restart cups` needs systemd, which
#     a root lacks: the script starts `cupsd -f` itself, in a network namespace of the run's
#     own (port 631 to itself) whose host name is printserver;
#   - `lpinfo -m | grep Varnel` lists the six models;
#   - the README's lpadmin line makes the queue TEN100 on parallel:/dev/lp0;
#   - the README's lp lines, in the clone (the local one, then, after its `sudo cupsctl
#     --share-printers`, the one "from another machine" to printserver:631) each bring to
#     the device the bytes `varnel-cli print --output` writes for the same file and choices.
# The device: after lpadmin has accepted parallel:/dev/lp0 (so the real backend of the
# package `cups` was there), /usr/lib/cups/backend/parallel is replaced by a capture
# program that writes what it is given to /var/spool/varnel-device/job-ID, as the real
# one would write it to the port (a file named in argv[6] copies times, else standard
# input once). The root has no parallel port, and a file: device would need the queue
# made with another line than the README's.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 bookworm|trixie WORKDIR [REPOSITORY [BRANCH]]" >&2
  exit 2
fi
if [ "$(id -u)" != 0 ]; then
  echo "$0: run as root (debootstrap, mount and chroot need it)" >&2
  exit 2
fi
release=$1
work=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
repository=${3:-$here}
branch=${4:-$(git -C "$here" rev-parse --abbrev-ref HEAD)}
readme=$here/README.md
roots=$here/scripts/debian-root.sh

fail() { echo "check-server-readme: FAILED: $*" >&2; exit 1; }

# ---- the README's lines ----
# The shell blocks of the section, in order, and the commands its text quotes.
section=$(awk '/^## Printing from any program/ {on = 1; next} /^## / {on = 0} on' "$readme")
mapfile -t lines < <(printf '%s\n' "$section" |
  awk '/^```sh$/ {inblock = 1; next} /^```$/ {inblock = 0; next} inblock && NF')
quoted() {  # quoted TEXT: the README quotes `TEXT` in the section
  printf '%s\n' "$section" | grep -qF "\`$1\`" || fail "the README no longer says \`$1\`"
  printf '%s\n' "$1"
}
line_make_deb=${lines[0]:-}
line_install=${lines[1]:-}
line_lpadmin=${lines[2]:-}
line_lp=${lines[3]:-}
line_lp_remote=${lines[4]:-}
line_restart=$(quoted 'sudo systemctl restart cups')
line_models=$(quoted 'lpinfo -m | grep Varnel')
line_share=$(quoted 'sudo cupsctl --share-printers')

# What this script knows how to check. A README line that changed needs a new look here,
# in particular the varnel-cli choices that stand for each lp line's.
[ "${#lines[@]}" = 5 ] || fail "the section has ${#lines[@]} shell lines, not 5"
case "$line_make_deb" in "make deb "*) ;; *) fail "line 1: $line_make_deb" ;; esac
case "$line_install" in "sudo apt install ./dist/varnel_"*"_amd64.deb") ;;
  *) fail "line 2: $line_install" ;; esac
[ "$line_lpadmin" = "sudo lpadmin -p TEN100 -E -v parallel:/dev/lp0 -m lsb/usr/varnel/vnten100.ppd -o printer-is-shared=true -o job-cancel-after-default=172800" ] ||
  fail "line 3: $line_lpadmin"
[ "$line_lp" = "lp -d TEN100 samples/sample.BES -o page-ranges=2-4 -o VarnelSides=double" ] ||
  fail "line 4: $line_lp"
case "$line_lp_remote" in "lp -h printserver:631 -d TEN100 -n 2 samples/drawing.EDL "*"# from another machine") ;;
  *) fail "line 5: $line_lp_remote" ;; esac
cli_lp="print samples/sample.BES --printer TEN100 --from 2 --to 4 --sides double"
cli_lp_remote="print samples/drawing.EDL --printer TEN100 --copies 2"

# ---- the package, built on the release ----
echo "== $release: building the package in $work/build-root"
VARNEL_ROOT_DEPS=none VARNEL_ROOT_NET=1 "$roots" "$release" "$work/build-root" \
  "$repository" "$branch" "$line_make_deb"
debs=("$work"/build-root/srv/varnel/dist/varnel_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "make deb made no package"

# ---- the server ----
server=$work/server-root
if [ -e "$server/var/lib/dpkg/status" ] &&
   grep -qE '^Package: (cups|varnel)$' "$server/var/lib/dpkg/status"; then
  fail "$server is not fresh (cups or varnel installed): remove it"
fi
if [ ! -e "$server/etc/os-release" ]; then
  # debian-root.sh makes it on first use; its policy-rc.d is needed before the install.
  VARNEL_ROOT_DEPS=none "$roots" "$release" "$server" "$repository" "$branch" true
fi
[ -e "$server/usr/sbin/policy-rc.d" ] ||
  { printf '#!/bin/sh\nexit 101\n' > "$server/usr/sbin/policy-rc.d"; chmod 755 "$server/usr/sbin/policy-rc.d"; }

check=$server/var/tmp/varnel-check
rm -rf "$check"
mkdir -p "$check"
cp "${debs[@]}" "$check"/
# apt asks before it installs; the README's line stays as it is and apt is told the answer.
echo 'APT::Get::Assume-Yes "true";' > "$server/etc/apt/apt.conf.d/90varnel-check"

cat > "$check/parallel" <<'EOF'
#!/bin/sh
# Stands in for CUPS's parallel backend: the job's bytes go to a file instead of a port.
if [ $# -eq 0 ]; then
  echo 'direct parallel "Unknown" "Varnel check capture"'
  exit 0
fi
out=/var/spool/varnel-device/job-$1
mkdir -p /var/spool/varnel-device
: > "$out.part"
if [ $# -ge 6 ]; then
  n=$4
  while [ "$n" -gt 0 ]; do cat "$6" >> "$out.part"; n=$((n - 1)); done
else
  cat >> "$out.part"
fi
echo "$DEVICE_URI" > "$out.uri"
mv "$out.part" "$out"
EOF

q() { printf '%q' "$1"; }
cat > "$check/server.sh" <<EOF
#!/bin/bash
# Written by scripts/check-server-readme.sh: the README's server lines after the install.
set -euo pipefail
check=/var/tmp/varnel-check
fail() { echo "check-server-readme: FAILED: \$*" >&2; tail -n 30 /var/log/cups/error_log >&2 || true; exit 1; }
say() { printf '\n\$ %s\n' "\$1"; }
ready() {
  for _ in \$(seq 100); do lpstat -r 2>/dev/null | grep -q 'is running' && return 0; sleep 0.1; done
  fail "the scheduler does not answer"
}
# A job's bytes at the device, compared with varnel-cli's for the same choices.
compare() {  # compare JOB-ID VARNEL-CLI-ARGS...
  id=\$1; shift
  for _ in \$(seq 600); do [ -f /var/spool/varnel-device/job-\$id ] && break; sleep 0.1; done
  [ -f /var/spool/varnel-device/job-\$id ] || { lpstat -l -o || true; fail "job \$id reached no device"; }
  for _ in \$(seq 100); do lpstat -W completed -o TEN100 | grep -q "^TEN100-\$id " && break; sleep 0.1; done
  lpstat -W completed -o TEN100 | grep -q "^TEN100-\$id " || { lpstat -l -o || true; fail "job \$id did not complete"; }
  varnel-cli "\$@" --output \$check/expected-\$id --settings \$check/cli-Varnel.ini >/dev/null ||
    fail "varnel-cli \$* refused"
  echo "  device \$(cat /var/spool/varnel-device/job-\$id.uri): \$(wc -c < /var/spool/varnel-device/job-\$id) bytes, sha256 \$(sha256sum < /var/spool/varnel-device/job-\$id | cut -c1-16)"
  echo "  varnel-cli \$* --output: \$(wc -c < \$check/expected-\$id) bytes, sha256 \$(sha256sum < \$check/expected-\$id | cut -c1-16)"
  cmp /var/spool/varnel-device/job-\$id \$check/expected-\$id || fail "job \$id: the device got other bytes than varnel-cli wrote"
  echo "  same bytes"
}
job_id() { sed -n 's/^request id is [^ ]*-\([0-9]*\) .*/\1/p'; }

echo "host name: \$(uname -n); varnel \$(dpkg-query -W -f='\${Version}' varnel), cups \$(dpkg-query -W -f='\${Version}' cups)"
say $(q "$line_restart")
echo "  (no systemd in the root: the script starts cupsd -f instead)"
mkdir -p /run/cups
cupsd -f &
cupsd_pid=\$!
trap 'kill \$cupsd_pid 2>/dev/null; wait \$cupsd_pid 2>/dev/null || true' EXIT
ready

say $(q "$line_models")
models=\$(
$line_models
)
printf '%s\n' "\$models"
for ppd in vnten100 vnten10 vnnesa vnesa721 vnnabdbl vnnabsgl; do
  printf '%s\n' "\$models" | grep -q "^lsb/usr/varnel/\$ppd.ppd " || fail "lpinfo -m lists no \$ppd.ppd"
done
[ "\$(printf '%s\n' "\$models" | wc -l)" = 6 ] || fail "lpinfo -m lists other than six Varnel models"

say $(q "$line_lpadmin")
$line_lpadmin
lpstat -v TEN100

# The device (see the script's head): the real backend has let lpadmin make the queue.
mv /usr/lib/cups/backend/parallel \$check/parallel.package
install -m 0700 \$check/parallel /usr/lib/cups/backend/parallel

say $(q "$line_lp")
out=\$(
$line_lp
)
echo "\$out"
compare "\$(echo "\$out" | job_id)" $cli_lp

say $(q "$line_share")
$line_share
sleep 1  # the scheduler reloads its configuration once it is idle
ready

say $(q "$line_lp_remote")
out=\$(
$line_lp_remote
)
echo "\$out"
compare "\$(echo "\$out" | job_id)" $cli_lp_remote

echo
lpstat -W completed -o TEN100
echo "check-server-readme: the README's server lines work on $release"
EOF
chmod 755 "$check/server.sh"

echo "== $release: the print server in $server"
status=0
VARNEL_ROOT_DEPS=none VARNEL_ROOT_HOSTNAME=printserver \
  VARNEL_ROOT_SETUP="mkdir -p dist && cp /var/tmp/varnel-check/*.deb dist/ && echo '\$ $line_install' && $line_install" \
  "$roots" "$release" "$server" "$repository" "$branch" /var/tmp/varnel-check/server.sh || status=$?
rm -f "$server/etc/apt/apt.conf.d/90varnel-check"
exit "$status"
