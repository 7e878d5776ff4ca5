#!/bin/bash
# A private CUPS scheduler for the tests: its own cupsd on a Unix socket in a temporary
# folder, a capture backend that writes each job's bytes to a file, and stub backends
# for the usual device-URI schemes. Installs nothing (needs cups-daemon and cups-client).
#
#   source cupsfix.sh
#   cupsfix_start [BASE_DIR]          # starts cupsd; exports CUPS_SERVER, CUPSFIX_DIR, CUPSFIX_PID
#   cupsfix_add_queue NAME OUTFILE [lpadmin args...]   # raw queue; job bytes land in OUTFILE
#   cupsfix_wait_idle [SECONDS]       # until no job is pending, held or processing
#   cupsfix_wait_receiving BYTES [SECONDS]   # until a document being sent has BYTES
#   cupsfix_kill                      # SIGKILL the scheduler (a crash), reaped at once
#   cupsfix_stop                      # TERM by PID (KILL after 10 s), removes BASE_DIR
# Knobs (environment):
#   CUPSFIX_LOGLEVEL   cupsd LogLevel (default info)
#   CUPSFIX_MOT        MultipleOperationTimeout in seconds (default 900)
#   CUPSFIX_MAXJOBTIME MaxJobTime in seconds (default 10800, the scheduler's own)
#   CUPSFIX_KEEP=1     keep BASE_DIR after stop (logs)
#   CUPSFIX_CUPSD      cupsd binary (a copy escapes an AppArmor profile bound to /usr/sbin/cupsd)

cupsfix_start() {
  local base=${1:-$(mktemp -d /tmp/cupsfix.XXXXXX)}
  mkdir -p "$base" || return 1
  base=$(cd "$base" && pwd)                       # cupsd wants absolute paths
  CUPSFIX_DIR=$base
  mkdir -p "$base"/{etc/ppd,etc/ssl,bin/filter,bin/backend,bin/daemon,spool/tmp,cache,state,log,out}
  # Backends run as user lp unless they are private to root: every folder on the way
  # must be traversable (mktemp -d makes 0700).
  chmod 755 "$base" "$base"/etc "$base"/bin "$base"/bin/filter "$base"/bin/backend "$base"/bin/daemon
  chmod 1777 "$base"/out
  # cups-exec starts every filter and backend: without it no job runs.
  ln -sf /usr/lib/cups/daemon/cups-exec "$base"/bin/daemon/cups-exec
  local f
  for f in /usr/lib/cups/filter/* /usr/lib/cups/backend/*; do
    [ -e "$f" ] && ln -sf "$f" "$base/bin/${f#/usr/lib/cups/}"
  done
  # capture:/ABS/PATH writes the job's bytes to PATH, honouring the copies as the real
  # backends do. A raw queue on a file: device
  # would end every job as completed and write nothing. Mode 0700: runs as root.
  cat > "$base"/bin/backend/capture <<'SH'
#!/bin/sh
[ $# -eq 0 ] && exit 0                 # device discovery: nothing to report
out=${DEVICE_URI#capture:}
printf '%s' "$3" > "$out.title"        # the job's title, for the tests
if [ $# -ge 6 ]; then                  # raw queue: the job file, argv[4] times as
  : > "$out.part"                      # CUPS's device backends send it
  n=0; while [ "$n" -lt "$4" ]; do cat -- "$6" >> "$out.part" || exit 1; n=$((n + 1)); done
else cat > "$out.part" || exit 1; fi   # after a filter: stdin, once
mv -f "$out.part" "$out"               # the file appears complete, never half-written
SH
  chmod 0700 "$base"/bin/backend/capture
  # Stub backends, so that queues can carry realistic device URIs (cupsd refuses a
  # scheme without an executable backend of that name). Jobs on them fail.
  for f in parallel usb serial socket lpd smb; do
    [ -e "$base/bin/backend/$f" ] && continue
    printf '#!/bin/sh\n[ $# -eq 0 ] && exit 0\necho "ERROR: stub backend, no device" >&2\nexit 1\n' \
      > "$base/bin/backend/$f"
    chmod 0755 "$base/bin/backend/$f"
  done

  cupsfix_write_conf_ "$base"
  ${CUPSFIX_CUPSD:-/usr/sbin/cupsd} -f -c "$base"/etc/cupsd.conf -s "$base"/etc/cups-files.conf \
      >>"$base"/log/cupsd.stdout 2>&1 </dev/null &
  CUPSFIX_PID=$!
  CUPS_SERVER=$base/cups.sock
  export CUPS_SERVER CUPSFIX_DIR CUPSFIX_PID
  local _
  for _ in $(seq 1 300); do                         # up to 30 s
    if ! kill -0 "$CUPSFIX_PID" 2>/dev/null; then
      wait "$CUPSFIX_PID" 2>/dev/null; unset CUPSFIX_PID; break
    fi
    if [ -S "$base/cups.sock" ] && lpstat -h "$base/cups.sock" -r 2>/dev/null | grep -q 'is running'; then
      return 0
    fi
    sleep 0.05
  done
  [ -n "${CUPSFIX_PID:-}" ] && { echo "cupsd not ready after 30 s" >&2; cupsfix_stop_pid_; }
  echo "cupsd failed to start:" >&2
  tail -n 20 "$base"/log/cupsd.stdout "$base"/log/error_log >&2 2>/dev/null
  return 1
}

cupsfix_write_conf_() {
  local base=$1
  cat > "$base"/etc/cups-files.conf <<CONF
ServerRoot $base/etc
ServerBin $base/bin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
RequestRoot $base/spool
TempDir $base/spool/tmp
CacheDir $base/cache
StateDir $base/state
ServerKeychain $base/etc/ssl
CreateSelfSignedCerts no
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
LogFileGroup root
Printcap $base/printcap
FileDevice Yes
User lp
Group lp
SystemGroup root
CONF
  # No authentication; a failed backend aborts its job instead of holding it; every
  # change reaches the disk at once.
  cat > "$base"/etc/cupsd.conf <<CONF
LogLevel ${CUPSFIX_LOGLEVEL:-info}
FatalErrors config listen
Listen $base/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
HostNameLookups Off
ErrorPolicy abort-job
JobRetryInterval 5
DirtyCleanInterval 0
MultipleOperationTimeout ${CUPSFIX_MOT:-900}
MaxJobTime ${CUPSFIX_MAXJOBTIME:-10800}
PreserveJobHistory Yes
PreserveJobFiles No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  # Peer credentials of any user on the socket. CUPS 2.4.2 (Debian 12) has the directive;
  # CUPS 2.4.10 (Debian 13) knows no such line and refuses a cups-files.conf that has
  # one. It is written where the scheduler knows it.
  local files=$base/etc/cups-files.conf
  { cat "$files"; echo "PeerCred on"; } > "$files.peercred"
  if ${CUPSFIX_CUPSD:-/usr/sbin/cupsd} -t -c "$base"/etc/cupsd.conf -s "$files.peercred" 2>&1 |
       grep -q 'Unknown directive PeerCred'; then
    rm -f "$files.peercred"
  else
    mv -f "$files.peercred" "$files"
  fi
}

# cupsfix_add_queue NAME OUTFILE [more lpadmin args]: a raw queue on the capture backend;
# a relative OUTFILE lands in $CUPSFIX_DIR/out.
cupsfix_add_queue() {
  local name=$1 out=$2; shift 2
  case $out in /*) ;; *) out=$CUPSFIX_DIR/out/$out ;; esac
  lpadmin -p "$name" -E -v "capture:$out" "$@"
}

# cupsfix_wait_idle [SECONDS]: 0 once no job is pending, held or processing.
cupsfix_wait_idle() {
  local _ n=$(( ${1:-30} * 20 ))
  for _ in $(seq 1 "$n"); do
    [ -z "$(lpstat -o 2>/dev/null)" ] && return 0
    sleep 0.05
  done
  echo "jobs still active after ${1:-30} s:" >&2; lpstat -o >&2; return 1
}

# cupsfix_wait_receiving BYTES [SECONDS]: 0 once the scheduler has received at least
# BYTES of a document still being sent (its spool file, named by digits only).
cupsfix_wait_receiving() {
  local _ f n=$(( ${2:-30} * 50 ))
  for _ in $(seq 1 "$n"); do
    for f in "$CUPSFIX_DIR"/spool/[0-9]*; do
      [ -f "$f" ] && [ "$(stat -c %s "$f" 2>/dev/null || echo 0)" -ge "$1" ] && return 0
    done
    sleep 0.02
  done
  echo "no document of $1 bytes arrived in ${2:-30} s" >&2; return 1
}

# cupsfix_kill: the scheduler dies at once, as in a crash.
cupsfix_kill() {
  if [ -n "${CUPSFIX_PID:-}" ]; then
    kill -KILL "$CUPSFIX_PID" 2>/dev/null
    wait "$CUPSFIX_PID" 2>/dev/null
    unset CUPSFIX_PID
  fi
}

cupsfix_stop_pid_() {
  if [ -n "${CUPSFIX_PID:-}" ]; then
    kill -CONT "$CUPSFIX_PID" 2>/dev/null            # a stopped scheduler cannot take TERM
    kill -TERM "$CUPSFIX_PID" 2>/dev/null
    local _; for _ in $(seq 1 200); do kill -0 "$CUPSFIX_PID" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$CUPSFIX_PID" 2>/dev/null && kill -KILL "$CUPSFIX_PID"
    wait "$CUPSFIX_PID" 2>/dev/null
    unset CUPSFIX_PID
  fi
}

cupsfix_stop() {
  cupsfix_stop_pid_
  if [ -z "${CUPSFIX_KEEP:-}" ] && [ -n "${CUPSFIX_DIR:-}" ]; then
    rm -rf "$CUPSFIX_DIR"
  fi
  unset CUPS_SERVER CUPSFIX_DIR
}
