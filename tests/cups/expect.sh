#!/bin/bash
# Checks for the CUPS tests: each failure is reported and remembered; `expect_done`
# gives the script's exit status.

EXPECT_FAILURES=0

fail() {
  echo "FAIL: $*" >&2
  EXPECT_FAILURES=$((EXPECT_FAILURES + 1))
}

# expect_status WANTED GOT WHAT
expect_status() {
  [ "$1" = "$2" ] || fail "$3: exit status $2, expected $1"
}

# expect_text FILE TEXT WHAT: FILE holds TEXT (a fixed string).
expect_text() {
  grep -qF -- "$2" "$1" || { fail "$3: no \"$2\" in:"; tail -c 2000 "$1" | sed 's/^/  | /' >&2; }
}

# expect_no_text FILE TEXT WHAT
expect_no_text() {
  ! grep -qF -- "$2" "$1" || { fail "$3: unexpected \"$2\" in:"; tail -c 2000 "$1" | sed 's/^/  | /' >&2; }
}

# expect_same_bytes EXPECTED_FILE ACTUAL_FILE WHAT: byte for byte, hex dumps on failure.
expect_same_bytes() {
  if [ ! -f "$2" ]; then fail "$3: $2 was not written"; return; fi
  if [ ! -s "$1" ]; then fail "$3: the expected stream $1 is empty"; return; fi
  cmp -s -- "$1" "$2" && return
  fail "$3: bytes differ ($(stat -c %s "$1") expected, $(stat -c %s "$2") delivered); $(cmp -- "$1" "$2" 2>&1 | head -n 1)"
  local at; at=$(cmp -- "$1" "$2" 2>/dev/null | sed -n 's/.*byte \([0-9]*\).*/\1/p')
  at=$(( ${at:-1} > 32 ? ${at:-1} - 32 : 0 ))
  echo "  expected from byte $at:" >&2; tail -c +$((at + 1)) -- "$1" | head -c 96 | od -A d -t x1 | sed 's/^/  /' >&2
  echo "  delivered from byte $at:" >&2; tail -c +$((at + 1)) -- "$2" | head -c 96 | od -A d -t x1 | sed 's/^/  /' >&2
}

expect_done() {
  if [ "$EXPECT_FAILURES" -gt 0 ]; then echo "$EXPECT_FAILURES check(s) failed" >&2; return 1; fi
  echo "all checks passed"
}

# shellcheck source=../support/sentences.sh
source "$(dirname "${BASH_SOURCE[0]}")"/../support/sentences.sh
