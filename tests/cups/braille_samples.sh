#!/bin/bash
# Braille documents for the CUPS tests, written byte by byte.

# make_base PATH CELLS LINES COUNT: a BASE file of COUNT text lines, CELLS cells per line
# and LINES lines per page. The lines vary in length and content, some are empty and
# some end in blanks (which the embosser stream drops).
make_base() {
  local path=$1 cells=$2 lines=$3 count=$4
  {
    printf '%508s%02d%02d\r\n' '' "$cells" "$lines"        # 514-byte header
    awk -v n="$count" -v cells="$cells" 'BEGIN {
      a = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&()*+,-./:;<=>?@[]^_ "
      for (i = 0; i < n; i++) {
        len = (i * 7) % (cells + 1); s = ""
        for (j = 0; j < len; j++) s = s substr(a, (i * 13 + j * 5) % length(a) + 1, 1)
        if (i % 11 == 3) s = s "  "
        printf "%s\n", s
      }
    }'
  } > "$path"
}

# make_winbes_with_graphics PATH: a one-page Win-BES file (32 cells, 22 lines) marked as
# carrying graphics, with one dot.
make_winbes_with_graphics() {
  {
    printf '%%BET4%17s3322%5s0 %482sG%508s ' '' '' '' ''     # 1024-byte header, then 1 byte
    # Page record: length 42 (LE), 1 unread byte, cells A 1 B, a line end, then a
    # graphics block of 2 objects (one record): type 1, kind 1, X 100, Y 200.
    printf '\x2A\x00\x00\xA1\xA2\xA3\x0A\xFC\x02\x00'
    printf '\x01\x00\x01\x00\x64\x00\xC8\x00%24s' ''
  } > "$1"
}

# make_edel PATH: a tactile drawing of a few dots of three kinds.
make_edel() {
  printf 'EDEL drawing\n1ABCDEFGH\r\n2IJKL\r\n3MNOPQRST\r\n' > "$1"
}
