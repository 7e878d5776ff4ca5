#!/bin/bash
# The main window as it first appears: its controls, their names for a screen reader,
# the states the printer rules give them, and a mouse click on a check box.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool"
: >"$WORK/spool/printers"   # a spooler without embossers
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
echo "start-up to READY: $START_MS ms"
DUMP=$WORK/a11y.txt
a11y_dump "$DUMP"
[ -s "$DUMP" ] || { bad "accessibility tree" "$(cat "$DUMP.err")"; finish; }
screenshot main_window

# Every control a screen reader can land on says what it is.
unnamed=$(awk -F'|' '$3 == 1 && $4 == 1 && $2 == "" { print $1 }' "$DUMP")
check "every showing focusable control has a name" "" "$unnamed"
for name in 開始 終了 部数 接続場所 ファイル 字／行 行／頁 頁 図形; do
  [ -n "$(a11y_line "$DUMP" text "$name")" ] && ok "edit named $name" || bad "edit named $name"
done
check "combo box named" "1" "$(a11y_field "$DUMP" "combo box" "プリンタ名" 3)"
check "combo box's edit field named" "1" "$(a11y_field "$DUMP" text "プリンタ名" 4)"

# The hidden buttons are there for their keys and never on screen.
hidden=$(grep -cE '^push button\|SP?\([0-9A-Z]\)\|0\|' "$DUMP")
shown=$(grep -cE '^push button\|SP?\([0-9A-Z]\)\|1\|' "$DUMP")
check "sixteen hidden buttons in the tree" 16 "$hidden"
check "no hidden button showing" 0 "$shown"

# Start-up state: focus on Browse; the range edits read 0; no embosser, so single-sided
# printing only, the page-break box on (first start), graphics off and not switchable.
check "focus starts on Browse" "push button|ファイル参照(4)" "$(a11y_focused "$DUMP")"
check "start page reads 0" 0 "$(a11y_field "$DUMP" text 開始 9)"
check "single-sided radio showing, checked" "1|1|0|1|1" \
  "$(a11y_line "$DUMP" "radio button" "全頁（片面）" | cut -d'|' -f3-7)"
for radio in "表面（奇数頁）" "裏面（偶数頁）" "全頁（両面）"; do
  check "radio $radio hidden and unchecked" "0|0" \
    "$(a11y_line "$DUMP" "radio button" "$radio" | cut -d'|' -f3,6)"
done
check "page-break box checked, enabled" "1|1" "$(a11y_field "$DUMP" "check box" 改頁 6-7)"
check "graphics box unchecked, disabled" "0|0" "$(a11y_field "$DUMP" "check box" 図形 6-7)"

# A click on the page-break box switches its mark and saves the choice at once (byte 767
# of the settings record; the first start's record leaves it 0 while the box shows on).
inode=$(stat -c %i "$WORK/Varnel.ini")
click_on "$DUMP" "check box" 改頁
a11y_dump "$WORK/after.txt"
check "click unchecks the page-break box" 0 "$(a11y_field "$WORK/after.txt" "check box" 改頁 6)"
[ "$(stat -c %i "$WORK/Varnel.ini")" != "$inode" ] && ok "settings rewritten by the click" ||
  bad "settings rewritten by the click"
key alt+9
check "options sentence follows the click" "図形出力　チェックなし　改ページ出力　チェックなし" "$(clip)"
click_on "$DUMP" "check box" 改頁
a11y_dump "$WORK/after.txt"
check "second click checks it again" 1 "$(a11y_field "$WORK/after.txt" "check box" 改頁 6)"
check "page-break choice saved" 1 "$(od -An -tu1 -j767 -N1 "$WORK/Varnel.ini" | tr -d ' ')"

finish
