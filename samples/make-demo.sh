#!/bin/sh
# Makes samples/demo.d64 with cc1541 (Debian package cc1541), reproducibly:
# the file contents are fixed bytes, so the same cc1541 makes the same image.
#   sh samples/make-demo.sh [OUTPUT]
set -eu
out=${1:-$(dirname "$0")/demo.d64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A one-block BASIC program: 10 PRINT "HELLO"
printf '\001\010\017\010\012\000\231 "HELLO"\000\000\000' > "$work/hello.prg"
# Larger files, of fixed patterned bytes.
awk 'BEGIN { for (i = 0; i < 3000; i++) printf "%c", 65 + i % 26 }' > "$work/notes.seq"
awk 'BEGIN { for (i = 0; i < 9000; i++) printf "%c", 48 + i % 10 }' > "$work/game.prg"
printf 'USER DATA' > "$work/user.usr"

rm -f "$out"
cc1541 -q -n "pellaxo demo" -i "px 2a" \
  -f "hello" -w "$work/hello.prg" \
  -f "notes" -T SEQ -w "$work/notes.seq" \
  -f "game" -P -w "$work/game.prg" \
  -f "scratch" -O -w "$work/hello.prg" \
  -f "userfile" -T USR -w "$work/user.usr" \
  -f "#c1rt#dddemo" -w "$work/hello.prg" \
  "$out"
