#!/bin/bash
# What became of a job, said after the end-of-job sentence on the window's timer while the
# window goes on taking keys. A CUPS queue whose device takes a few seconds: varnel prints
# to it directly and tells the job is still being sent when asked in between (Alt+J), then
# answers another key, then says the scheduler's verdict. varnel.exe prints through Wine's
# spooler, which hands the job to CUPS at its end and forgets it: to the Windows spooler
# it is then sent.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"
# shellcheck source=../cups/cupsfix.sh
source "$HERE_LIB"/../cups/cupsfix.sh
trap 'stop_app; cupsfix_stop' EXIT
cupsfix_start "$WORK/cups" || { bad "private CUPS scheduler starts"; finish; }
cat >"$CUPSFIX_DIR/bin/backend/slow" <<'SH'
#!/bin/sh
[ $# -eq 0 ] && exit 0
trap '' TERM
sleep 4
i=0
while [ "$i" -lt "$4" ]; do cat -- "$6"; i=$((i + 1)); done >"${DEVICE_URI#slow:}"
SH
chmod 0700 "$CUPSFIX_DIR/bin/backend/slow"
lpadmin -p ESA721 -E -v "slow:$CUPSFIX_DIR/out/esa721.bin"
"${VARNEL_TEST_FILES:?VARNEL_TEST_FILES must name varnel_test_files}" base "$WORK/a.BSE" \
  32 22 40 || bad "varnel_test_files"

spooler=(--spooler cups)
[ "$GUI_BACKEND" = wine ] && spooler=()
start_app "${spooler[@]}" --settings "$(app_path "$WORK/Varnel.ini")" || finish
check "nothing printed yet" "$(sentence NOTHING_PRINTED)" "$(said alt+j)"
choose_file "$WORK/a.BSE" || bad "file dialog for a.BSE"
clear_clip
key alt+p
check "end-of-job sentence" "$(sentence PRINT_FINISHED)" "$(wait_clip "$(sentence PRINT_FINISHED)" 30)"
if [ "$GUI_BACKEND" = wx ]; then
  sleep 2.5   # the main window takes keys again once the sentence has had its 2 s
  check "Alt+J while CUPS sends the job" "$(sentence JOB_IN_SPOOLER)" "$(said alt+j)"
  check "another key meanwhile" "$(sentence options 0 1)" "$(said alt+9)"
fi
check "the spooler's verdict" "$(sentence JOB_SENT)" "$(wait_clip "$(sentence JOB_SENT)" 30)"
check "Alt+J after it" "$(sentence JOB_SENT)" "$(said alt+j)"
cupsfix_wait_idle 30 && [ -s "$CUPSFIX_DIR/out/esa721.bin" ] || bad "the job reached the device"
close_box
wait_exit 10 || bad "the close box ends the program"
finish
