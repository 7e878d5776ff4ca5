#!/bin/bash
# What the keyboard does in wx alone: characters from the input method in the digit edits.
# (Tab, Enter, Esc and the Alt keys of every back end: tests/support/dialog_host_contract.h;
# the sentences a screen reader hears: test_keyboard_session.sh under Orca.)
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool"
: >"$WORK/spool/printers"   # a spooler without embossers
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
field() { a11y_dump "$WORK/a11y.txt"; a11y_field "$WORK/a11y.txt" "$@"; }

# Digit edits: a typed letter never arrives, and the selection stays.
key alt+8
xdotool type --delay 40 "a１"
sleep 0.3
check "typed letter and full-width digit swallowed" 0 "$(field text 部数 9)"
check "no message for a typed letter" 1 "$(window_count)"
xdotool type --delay 40 "7"
sleep 0.3
check "typed digit replaces the selection" 7 "$(field text 部数 9)"

finish
