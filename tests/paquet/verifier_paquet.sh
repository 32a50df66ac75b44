#!/usr/bin/env bash
# The release package: a ZIP of Pixavue.scr, its help page and LISEZMOI.txt;
# the program stripped, unpacked, under 1 MB, its symbols kept apart, and
# importing nothing that keeps the system awake; the help page read offline.
#   verifier_paquet.sh BUILD_FOLDER OBJDUMP VERSION
set -euo pipefail
construction=$1 objdump=$2 version=$3
echec() { echo "FAILED: $*"; exit 1; }

cd "$construction"
cpack -G ZIP >/dev/null
zip="PixavueSCR-$version-win64.zip"
[ -f "$zip" ] || echec "no $zip"
contenu=$(python3 -c "import sys, zipfile; print(' '.join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))" "$zip")
[ "$contenu" = "LISEZMOI.txt Pixavue.scr pixavuescr.htm" ] || echec "the ZIP holds: $contenu"

scr=$(mktemp -d)
trap 'rm -rf "$scr"' EXIT
python3 -c "import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])" "$zip" "$scr"
taille=$(stat -c %s "$scr/Pixavue.scr")
[ "$taille" -lt 1048576 ] || echec "Pixavue.scr is $taille bytes"
sections=$("$objdump" -h "$scr/Pixavue.scr")
grep -q '\.debug_' <<<"$sections" && echec "Pixavue.scr carries debug sections"
grep -qi 'upx' <<<"$sections" && echec "Pixavue.scr is packed"
grep -q '\.gnu_debuglink' <<<"$sections" || echec "Pixavue.scr doesn't name its symbol file"
# Never keeps the display or the system awake: the power settings still turn
# the screen off during a run.
importes=$("$objdump" -p "$scr/Pixavue.scr")
grep -qE 'SetThreadExecutionState|PowerSetRequest|PowerCreateRequest' <<<"$importes" &&
  echec "Pixavue.scr asks the system to stay awake"
# Nothing in the help page reaches outside it: no address, nothing loaded.
dehors=$(grep -oiE "https?:|url *\(|@import|<(script|link|img|iframe|object|embed|audio|video|source)\b|\b(src|srcset|action|data|poster) *=|href *= *[\"']?[^#\"' >]" "$scr/pixavuescr.htm" || true)
[ -z "$dehors" ] || echec "the help page reaches outside:" $dehors
"$objdump" -h Pixavue.scr.debug | grep -q '\.debug_line' || echec "the symbols lack line numbers"
echo "PASSED: $zip, Pixavue.scr $taille bytes"
