#!/bin/bash
# The close box ends the program like Cancel: no closing sentence, no settings written,
# a normal exit status.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool"
: >"$WORK/spool/printers"
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
# The first start writes the default record; the close box must leave it alone.
inode=$(stat -c %i "$WORK/Varnel.ini")
mtime=$(stat -c %Y.%y "$WORK/Varnel.ini")

# Another program owns the clipboard; a closing sentence would take it over.
printf 'other' | xclip -i -selection clipboard &
XCLIP_PID=$!
sleep 0.2

close_box
wait_exit 10 || bad "the close box ends the program"
check "exit status after the close box" 0 "$EXIT_STATUS"
check "settings file untouched" "$inode $mtime" \
  "$(stat -c %i "$WORK/Varnel.ini") $(stat -c %Y.%y "$WORK/Varnel.ini")"
check "nothing announced" other "$(clip)"
kill "$XCLIP_PID" 2>/dev/null
wait "$XCLIP_PID" 2>/dev/null

finish
