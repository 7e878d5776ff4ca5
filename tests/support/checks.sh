# shellcheck shell=bash
# The checks of the shell tests: each result is printed and each failure counted;
# `checks_done` prints the count and gives the script's exit status.
PASS=0
FAIL=0

ok() { PASS=$((PASS + 1)); echo "ok   - $1"; }
# bad WHAT [DETAIL]
bad() { FAIL=$((FAIL + 1)); echo "FAIL - $1${2:+: $2}"; }
# check WHAT EXPECTED ACTUAL
check() { if [ "$2" = "$3" ]; then ok "$1"; else bad "$1" "expected [$2], got [$3]"; fi; }

# expect_status WANTED GOT WHAT
expect_status() { check "$3: exit status" "$1" "$2"; }

# expect_text FILE TEXT WHAT: FILE holds TEXT (a fixed string). An empty TEXT, which any
# file holds, is a fault of the test.
expect_text() {
  if [ -z "$2" ]; then bad "$3" "nothing to look for"; return; fi
  if grep -qF -- "$2" "$1"; then ok "$3"; else
    bad "$3" "no \"$2\" in:"; tail -c 2000 "$1" | sed 's/^/  | /'; fi
}

# expect_no_text FILE TEXT WHAT
expect_no_text() {
  if [ -z "$2" ]; then bad "$3" "nothing to look for"; return; fi
  if ! grep -qF -- "$2" "$1"; then ok "$3"; else
    bad "$3" "unexpected \"$2\" in:"; tail -c 2000 "$1" | sed 's/^/  | /'; fi
}

# expect_same_bytes EXPECTED_FILE ACTUAL_FILE WHAT: byte for byte, hex dumps on failure.
expect_same_bytes() {
  if [ ! -f "$2" ]; then bad "$3" "$2 was not written"; return; fi
  if [ ! -s "$1" ]; then bad "$3" "the expected stream $1 is empty"; return; fi
  if cmp -s -- "$1" "$2"; then ok "$3"; return; fi
  bad "$3" "bytes differ ($(stat -c %s "$1") expected, $(stat -c %s "$2") delivered); $(cmp -- "$1" "$2" 2>&1 | head -n 1)"
  local at; at=$(cmp -- "$1" "$2" 2>/dev/null | sed -n 's/.*byte \([0-9]*\).*/\1/p')
  at=$(( ${at:-1} > 32 ? ${at:-1} - 32 : 0 ))
  echo "  expected from byte $at:"; tail -c +$((at + 1)) -- "$1" | head -c 96 | od -A d -t x1 | sed 's/^/  /'
  echo "  delivered from byte $at:"; tail -c +$((at + 1)) -- "$2" | head -c 96 | od -A d -t x1 | sed 's/^/  /'
}

checks_done() {
  echo "$PASS passed, $FAIL failed"
  [ "$FAIL" = 0 ]
}
