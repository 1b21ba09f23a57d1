#!/bin/sh
# Reads pellaxo.dll's headers with objdump (no Windows needed): a PE32 DLL
# for i386 that exports exactly the ten names at their ordinals, with no
# decorated duplicates, and imports only system DLLs.
#   sh tests/dll_table_test.sh OBJDUMP pellaxo.dll
set -u
objdump=$1
dll=$2
failures=0
headers=$("$objdump" -p "$dll") || { echo "FAILED: cannot read $dll"; exit 1; }

echo "$headers" | grep -q 'file format pei-i386' && echo "$headers" | grep -q 'Magic.*010b' ||
  { echo "FAILED: not a PE32 i386 image"; failures=$((failures + 1)); }

# "[index] Name" rows of the name table; ordinal = index + base (1).
exports=$(echo "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  awk -F'[][]' 'NF >= 3 && $1 ~ /^[[:space:]]*$/ && $2 ~ /[0-9]/ { gsub(/ /, "", $2); name = $3; gsub(/^ +| +$/, "", name); print $2 + 1, name }' |
  sort -n)
expected="1 ConfigurePacker
2 GetPackerCaps
3 DeleteFiles
4 PackFiles
5 SetProcessDataProc
6 SetChangeVolProc
7 ProcessFile
8 ReadHeader
9 CloseArchive
10 OpenArchive"
if [ "$exports" = "$expected" ]; then
  echo "ok: the ten exports at their ordinals"
else
  echo "FAILED: exports differ:"; echo "$exports"; failures=$((failures + 1))
fi

imports=$(echo "$headers" | awk '/DLL Name:/ { print toupper($3) }' | sort | tr '\n' ' ')
if [ "$imports" = "KERNEL32.DLL MSVCRT.DLL USER32.DLL " ]; then
  echo "ok: imports only $imports"
else
  echo "FAILED: imports $imports"; failures=$((failures + 1))
fi

echo "$((3 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
