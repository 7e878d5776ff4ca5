#!/bin/bash
# The installer under Wine: a silent install puts the programs in Program Files with their
# entries, varnel-cli.exe runs from there, and the silent uninstall takes everything away.
#   test_installer.sh Varnel-Setup-VERSION.exe WITH_GUI    (WINEPREFIX set by the caller)
# WITH_GUI: 1 when the build holds the window program varnel.exe (the installer then has it
# and its shortcut), else 0.
set -u
installer=$1 with_gui=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here"/../support/checks.sh
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Varnel"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Varnel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ "$with_gui" = 1 ] || with_gui=

"$wine" "$installer" /S
expect_status 0 $? "silent install"
for f in varnel-cli.exe uninstall.exe ${with_gui:+varnel.exe}; do
  [ -f "$folder/$f" ] || bad "silent install: $f is not in Program Files\\Varnel"
done
if [ -n "$with_gui" ]; then
  [ -f "$shortcut" ] || bad "silent install: no Start-menu shortcut Varnel"
fi
"$wine" reg query "$key" /v UninstallString >"$work/reg" 2>&1
expect_text "$work/reg" 'C:\Program Files\Varnel\uninstall.exe' "uninstaller entry"
"$wine" reg query "$key" /v DisplayName >"$work/reg" 2>&1
expect_text "$work/reg" 'Varnel' "uninstaller entry"

# The installed program, by its Windows path, as a user starts it.
mkdir -p "$work/spool"
"$wine" 'C:\Program Files\Varnel\varnel-cli.exe' printers --spooler "dir:$work/spool" \
  --settings "$work/Varnel.ini" >"$work/stdout" 2>"$work/stderr"
expect_status 0 $? "installed varnel-cli.exe printers"
expect_text "$work/stdout" "仮想TEN-100	TEN-100	" "installed varnel-cli.exe printers"
CUPS_SERVER=$work/no-scheduler.sock "$wine" 'C:\Program Files\Varnel\varnel-cli.exe' printers \
  --settings "$work/Varnel.ini" >"$work/stdout" 2>"$work/stderr"
expect_status 0 $? "installed varnel-cli.exe printers, Windows spooler"

# The uninstaller copies itself away and returns at once: wait for its copy to finish.
"$wine" 'C:\Program Files\Varnel\uninstall.exe' /S
expect_status 0 $? "silent uninstall"
for _ in $(seq 1 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ -e "$folder" ] && bad "silent uninstall: Program Files\\Varnel is still there: $(ls "$folder")"
[ -e "$shortcut" ] && bad "silent uninstall: the shortcut is still there"
"$wine" reg query "$key" >"$work/reg" 2>&1 && bad "silent uninstall: the uninstaller entry is still there"

checks_done
