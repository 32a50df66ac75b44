#!/usr/bin/env bash
# Both release packages: the ZIP (Pixavue.scr, its help page, LISEZMOI.txt)
# and the MSI (Pixavue.scr and its help page). In each, the program stripped,
# unpacked, under 1 MB, its symbols kept apart, importing only system
# libraries and nothing that keeps the system awake; the help page read offline.
#   verifier_paquet.sh BUILD_FOLDER OBJDUMP VERSION
set -euo pipefail
construction=$1 objdump=$2 version=$3
echec() { echo "FAILED: $*"; exit 1; }
cd "$construction"
cpack -G ZIP >/dev/null
zip="PixavueSCR-$version-win64.zip" msi="PixavueSCR-$version-x64.msi"
[ -f "$zip" ] || echec "no $zip"
[ -f "$msi" ] || echec "no $msi"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
mkdir "$travail/zip" "$travail/msi"
python3 -c "import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])" "$zip" "$travail/zip"
msiextract -C "$travail/msi" "$msi" >/dev/null

# The files each package holds, and the checks of each one's program and page.
for paquet in "zip:LISEZMOI.txt Pixavue.scr pixavuescr.htm" "msi:Pixavue.scr pixavuescr.htm"; do
  dossier="$travail/${paquet%%:*}"
  contenu=$(cd "$dossier" && find . -type f -printf '%P\n' | sort | xargs)
  [ "$contenu" = "${paquet#*:}" ] || echec "the ${paquet%%:*} holds: $contenu"
  "$(dirname "$0")/verifier_programme.sh" "$dossier/Pixavue.scr" "$objdump" || exit 1
  # Nothing in the help page reaches outside it: no address, nothing loaded.
  dehors=$(grep -oiE "https?:|url *\(|@import|<(script|link|img|iframe|object|embed|audio|video|source)\b|\b(src|srcset|action|data|poster) *=|href *= *[\"']?[^#\"' >]" "$dossier/pixavuescr.htm" || true)
  [ -z "$dehors" ] || echec "the help page reaches outside:" $dehors
done
"$objdump" -h Pixavue.scr.debug | grep -q '\.debug_line' || echec "the symbols lack line numbers"
echo "PASSED: $zip, $(stat -c %s "$zip") bytes; $msi, $(stat -c %s "$msi") bytes; Pixavue.scr $(stat -c %s Pixavue.scr) bytes"
