#!/bin/sh
# Makes the fuzz target's seed corpus in DIR: the image builder's disks
# (make_seeds) and disks made by cc1541, each as a shape byte followed by
# track 18 (see listing_harness.cpp).
#   sh fuzz/make-corpus.sh DIR MAKE_SEEDS
set -eu
dir=$1
mkdir -p "$dir"
"$2" "$dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'x' > "$work/x"
awk 'BEGIN { for (i = 0; i < 5000; i++) printf "%c", i % 256 }' > "$work/y"
set --
i=1
while [ $i -le 40 ]; do set -- "$@" -f "f$i" -w "$work/x"; i=$((i + 1)); done
cc1541 -q -n "forty files" "$@" "$work/many.d64" > /dev/null
cc1541 -q -n "kinds" -f "seq" -T SEQ -w "$work/y" -f "locked" -P -w "$work/x" \
  -f "open" -O -w "$work/x" -f "#c1#60x" -T USR -w "$work/x" "$work/kinds.d64" > /dev/null
for disk in many kinds; do
  { printf '\000'; dd if="$work/$disk.d64" bs=256 skip=357 count=19 2> /dev/null; } > "$dir/cc1541-$disk"
done
