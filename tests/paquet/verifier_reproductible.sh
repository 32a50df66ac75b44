#!/usr/bin/env bash
# A cheap part of what scripts/reproduire.sh checks, on every run: the
# program linked again from the same objects and libraries, in another
# folder and at another time, is the same file, its symbols too; neither
# holds the folders it was built in; its time stamp is the last commit's;
# the ZIP made again later is the same, and the MSI carries the commit's
# dates.
#   verifier_reproductible.sh SOURCE_FOLDER BUILD_FOLDER OBJDUMP
set -euo pipefail
source=$1 construction=$2 objdump=$3
echec() { echo "FAILED: $*"; exit 1; }
cd "$construction"
autre=$(mktemp -d /tmp/pixavue-autre-dossier.XXXXXX)
trap 'rm -rf "$autre"' EXIT
sleep 1  # another second than the build's
# The link and its post-build steps as ninja runs them, writing into the other folder.
commande=$(ninja -t commands Pixavue.scr | tail -1)
commande=${commande//"$construction/Pixavue.scr"/"$autre/Pixavue.scr"}
commande=${commande//" -o Pixavue.scr "/" -o $autre/Pixavue.scr "}
bash -c "$commande" >/dev/null
for f in Pixavue.scr Pixavue.scr.debug; do
  cmp "$f" "$autre/$f" || echec "$f linked again in another folder differs"
  ! grep -aqF -e "$construction" -e "$source/" "$f" || echec "$f holds a build folder's path"
done
epoque=$(git -C "$source" log -1 --format=%ct)
[ "$("$objdump" -p Pixavue.scr | awk '/^Time\/Date/ { $1 = ""; print }' | xargs -I{} date -u -d {} +%s)" = "$epoque" ] ||
  echec "the PE time stamp isn't the commit's"
cpack -G ZIP >/dev/null
zip=$(ls PixavueSCR-*-win64.zip)
cp "$zip" "$autre/premier.zip"
sleep 1
cpack -G ZIP >/dev/null
cmp "$zip" "$autre/premier.zip" || echec "the ZIP made again differs"
resume=$(TZ=UTC0 msiinfo suminfo PixavueSCR-*-x64.msi)
grep -q "Created: $(date -u -d @"$epoque" '+%a %b %e %H:%M:%S %Y')" <<<"$resume" ||
  echec "the MSI isn't dated from the commit: $resume"
echo "PASSED: Pixavue.scr and its symbols linked again elsewhere are the same; the ZIP made again is the same"
