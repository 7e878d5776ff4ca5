#!/bin/bash
# The printer combo box filled from the spooler in the program's sorted order, and a
# choice from its list: the port, the model rules and the settings follow.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool"
printf '%s\t%s\n' "ESA721 NET" "socket://braille" "Office Laser" "ipp://office/queue" \
  "点字プリンタ 両面" "USB001" "esa721 lpt2" "LPT2:" >"$WORK/spool/printers"
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
DUMP=$WORK/a11y.txt
a11y_dump "$DUMP"

# Only embossers are listed, sorted with letters of either case alike; the first is
# chosen on first start.
items=$(awk -F'|' '/^combo box\|/ { inside = 1; next }
                   inside && $1 == "menu item" { print $2 }
                   inside && $1 != "menu" && $1 != "menu item" { exit }' "$DUMP" | xargs -d'\n')
check "listed embossers, in order" "esa721 lpt2 ESA721 NET 点字プリンタ 両面" "$items"
check "first embosser shown" "esa721 lpt2" "$(a11y_field "$DUMP" text プリンタ名 9)"
check "its port, without colons" "LPT2" "$(a11y_field "$DUMP" text 接続場所 9)"
check "ESA721 forces page breaks: box checked, disabled" "1|0" \
  "$(a11y_field "$DUMP" "check box" 改頁 6-7)"
key alt+1
check "Alt+1 reads the embosser back" \
  "いんさつする　てんじプリンタわ   esa721 lpt2　です　　せつぞくばしょわ　LPT2　です" "$(clip)"

# Alt+2 goes to the combo box; Down chooses the next embosser, each time.
key alt+2
check "Alt+2 focuses the printer name" "text|プリンタ名" "$(wait_focus "text|プリンタ名" 3)"
key Down
key Down
a11y_dump "$DUMP"
check "Down chooses the next embosser" "点字プリンタ 両面" "$(a11y_field "$DUMP" text プリンタ名 9)"
check "port follows the choice" "USB001" "$(a11y_field "$DUMP" text 接続場所 9)"
check "a double-sided model frees the page-break box" 1 \
  "$(a11y_field "$DUMP" "check box" 改頁 7)"
check "choice saved at once" "点字プリンタ 両面" \
  "$(dd if="$WORK/Varnel.ini" bs=1 skip=512 count=240 2>/dev/null | tr -d '\0\r\n' |
     iconv -f CP932 -t UTF-8)"
key alt+1
check "Alt+1 reads the new choice" \
  "いんさつする　てんじプリンタわ   点字プリンタ 両面　です　　せつぞくばしょわ　USB001　です" "$(clip)"

finish
