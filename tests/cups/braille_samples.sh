#!/bin/bash
# Braille documents for the CUPS and filter tests, made by varnel_test_files (built with
# the tests from tests/support; ctest gives its path in VARNEL_TEST_FILES). A test that
# cannot make its documents ends there.

test_files() {
  if [ ! -x "${VARNEL_TEST_FILES:-}" ]; then
    echo "VARNEL_TEST_FILES must name the program varnel_test_files (ctest sets it)" >&2
    exit 1
  fi
  "$VARNEL_TEST_FILES" "$@" || exit 1
}

# make_base PATH CELLS LINES COUNT: a BASE file of COUNT text lines, CELLS cells per line
# and LINES lines per page. The lines vary in length and content, some are empty and
# some end in blanks (which the embosser stream drops).
make_base() {
  test_files base "$@"
}

# make_winbes_with_graphics PATH: a one-page Win-BES file (32 cells, 22 lines) marked as
# carrying graphics, with one dot.
make_winbes_with_graphics() {
  test_files winbes-with-graphics "$@"
}

# make_edel PATH: a tactile drawing of a few dots of three kinds.
make_edel() {
  test_files edel "$@"
}
