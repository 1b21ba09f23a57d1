#!/bin/sh
# Drives pellaxo-list (native, or the win32 build under Wine) over real disk
# images and damaged ones.
#   sh tests/lister_test.sh SOURCE_DIR LISTER [RUNNER]
# 1. The bundled sample disk lists exactly as tests/expected/demo-listing.txt.
# 2. Images made by cc1541 list the same names, types and block counts as
#    cc1541's own directory listing of them.
# 3. Damaged images list what can be listed, end, and never crash or hang.
set -u
src=$1
lister=$2
runner=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

pass() { passes=$((passes + 1)); echo "ok: $1"; }
fail() { failures=$((failures + 1)); echo "FAILED: $1"; }

# Bounded, so a hang fails instead of blocking. Status 77 from the runner:
# Wine could not run programs here, and the test is skipped.
run_lister() {
  timeout 1200 $runner "$lister" "$@"
}

# --- the disks: made by cc1541, then damaged copies ------------------------------
# Our rows as "blocks|name|type": the name is the 16 bytes after "NNN.", the
# type the suffix after them.
ours() {
  awk 'substr($0, 1, 2) == "F " {
         size = substr($0, 3, 10) + 0
         entry = substr($0, 36)
         name = substr(entry, 5, 16); sub(/ +$/, "", name)
         type = substr(entry, 21); sub(/^\./, "", type)
         printf "%d|%s|%s\n", size / 1000, name, type
       }'
}
# cc1541's rows: blocks "name" type; plain PETSCII letters print in lower case.
theirs() {
  awk -F'"' '/blocks free/ || /\033/ { next }
             NF >= 3 { blocks = $1 + 0; type = $3; gsub(/ /, "", type)
                       printf "%d|%s|%s\n", blocks, toupper($2), type }'
}

awk 'BEGIN { for (i = 0; i < 700; i++) printf "%c", 65 + i % 26 }' > "$work/a.bin"
awk 'BEGIN { for (i = 0; i < 60000; i++) printf "%c", 48 + i % 10 }' > "$work/b.bin"
printf 'x' > "$work/c.bin"

make_disk() { # name, then cc1541 options
  out="$work/$1"; shift
  cc1541 -q "$@" "$out" > /dev/null
}
make_disk mixed.d64 -n "mixed" -i "mx 2a" \
  -f "one" -w "$work/a.bin" -f "two" -T SEQ -w "$work/b.bin" -f "three" -T USR -w "$work/c.bin" \
  -f "locked" -P -w "$work/a.bin" -f "open" -O -w "$work/c.bin" -f "del" -T DEL -w "$work/c.bin" \
  -f "rel" -T REL -w "$work/c.bin" -f "sixteen chars 16" -w "$work/c.bin" -f "big" -B 999 -w "$work/c.bin"
set --
i=1
while [ $i -le 30 ]; do set -- "$@" -f "file $i" -w "$work/c.bin"; i=$((i + 1)); done
make_disk many.d64 -n "many files" "$@"
make_disk forty.d64 -4 -n "forty tracks" -f "first" -w "$work/b.bin" -f "second" -w "$work/b.bin" \
  -f "third" -w "$work/b.bin" -f "fourth" -w "$work/a.bin"

poke() { # file, byte offset, bytes as printf escapes
  printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc 2> /dev/null
}
dir_sector=$((91392 + 256))
cp "$work/mixed.d64" "$work/loop.d64"; poke "$work/loop.d64" $dir_sector '\022\001'
cp "$work/mixed.d64" "$work/past-end.d64"; poke "$work/past-end.d64" $dir_sector '\050\000'
cp "$work/mixed.d64" "$work/no-track.d64"; poke "$work/no-track.d64" $dir_sector '\377\377'
head -c 100000 "$work/mixed.d64" > "$work/truncated.d64"

# One run lists every good image (a program start under Wine is costly); the
# listing of each image is one paragraph, headed by its path.
(cd "$src" && run_lister samples/demo.d64 "$work/mixed.d64" "$work/many.d64" "$work/forty.d64" \
  "$work/loop.d64" "$work/past-end.d64" "$work/no-track.d64") > "$work/all.txt"
status=$?
[ $status -eq 77 ] && exit 77
[ $status -eq 0 ] || fail "listing the good images: status $status"
awk -v dir="$work" 'BEGIN { RS = ""; FS = "\n" }
  { n = split($1, part, "/"); file = dir "/" part[n] ".txt"; print > file; close(file) }' "$work/all.txt"

# --- 1. the sample disk -----------------------------------------------------
if cmp -s "$work/demo.d64.txt" "$src/tests/expected/demo-listing.txt"; then
  pass "sample disk listing"
else
  fail "sample disk listing differs:"; diff "$src/tests/expected/demo-listing.txt" "$work/demo.d64.txt"
fi

# --- 2. agreement with cc1541 --------------------------------------------------
for disk in mixed.d64 many.d64 forty.d64; do
  cp "$work/$disk" "$work/copy-$disk"
  cc1541 "$work/copy-$disk" | theirs > "$work/$disk.theirs"
  ours < "$work/$disk.txt" > "$work/$disk.ours"
  if [ -s "$work/$disk.theirs" ] && cmp -s "$work/$disk.theirs" "$work/$disk.ours"; then
    pass "$disk agrees with cc1541 ($(wc -l < "$work/$disk.ours") files)"
  else
    fail "$disk disagrees with cc1541 (< cc1541, > pellaxo-list):"
    diff "$work/$disk.theirs" "$work/$disk.ours"
  fi
done

# --- 3. damaged images -----------------------------------------------------------
# A loop back to the first sector lists its eight files again and again,
# until 144 positions (18 rounds) have been examined.
rows=$(grep -c '^F ' "$work/loop.d64.txt")
if [ "$rows" -eq 144 ]; then pass "looping chain ends after 144 positions"
else fail "looping chain: $rows rows"; fi

for disk in past-end no-track; do
  rows=$(grep -c '^F ' "$work/$disk.d64.txt")
  if [ "$rows" -eq 8 ]; then pass "$disk link ends the listing"
  else fail "$disk link: $rows rows"; fi
done

run_lister "$work/truncated.d64" "$work/mixed.d64" > "$work/truncated.txt" 2> "$work/truncated.err"
status=$?
[ $status -eq 77 ] && exit 77
if [ $status -eq 1 ] && grep -q "cannot open .*truncated.d64: 14 UnrecognisedSize" "$work/truncated.err" &&
   [ "$(grep -c '^F ' "$work/truncated.txt")" -eq 9 ]; then
  pass "truncated image reported, the next one still listed"
else
  fail "truncated image: status $status"; cat "$work/truncated.err"
fi

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
