#!/usr/bin/env bash
# The shipped program: stripped, unpacked, under 1 MB, its symbols kept
# apart, importing only system libraries and nothing that keeps the system
# awake.
#   verifier_programme.sh PIXAVUE.SCR OBJDUMP
set -euo pipefail
scr=$1 objdump=$2
echec() { echo "FAILED: $*"; exit 1; }
taille=$(stat -c %s "$scr")
[ "$taille" -lt 1048576 ] || echec "Pixavue.scr is $taille bytes"
sections=$("$objdump" -h "$scr")
grep -q '\.debug_' <<<"$sections" && echec "Pixavue.scr carries debug sections"
grep -qi 'upx' <<<"$sections" && echec "Pixavue.scr is packed"
# Only libraries that every Windows has: nothing that would have to lie beside it.
autres=$("$objdump" -p "$scr" | awk '/DLL Name:/ { print tolower($3) }' | grep -vxE \
  '(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|comdlg32|winmm|version|msvcrt)\.dll' || true)
[ -z "$autres" ] || echec "Pixavue.scr imports" $autres
grep -q '\.gnu_debuglink' <<<"$sections" || echec "Pixavue.scr doesn't name its symbol file"
# Never keeps the display or the system awake: the power settings still turn
# the screen off during a run.
grep -qE 'SetThreadExecutionState|PowerSetRequest|PowerCreateRequest' <<<"$("$objdump" -p "$scr")" &&
  echec "Pixavue.scr asks the system to stay awake"
exit 0
