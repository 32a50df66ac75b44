#!/usr/bin/env bash
# Builds the release twice from the checkout's last commit, in two fresh
# clones under two different folders, and compares every output byte for
# byte: Pixavue.scr, Pixavue.scr.debug, the ZIP, the MSI and SHA256SUMS, as
# scripts/publier.sh makes them. Prints "same" or
# the first byte that differs, for each; fails when any differs.
#   reproduire.sh
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/install-deps.sh"
travail=$(mktemp -d /tmp/pixavue-reproduire.XXXXXX)
trap 'rm -rf "$travail"' EXIT

# Unsigned: a signature is new each time it is made.
unset PIXAVUE_CERTIFICAT
construire() {  # folder
  git clone -q "$racine" "$1"
  "$1/scripts/publier.sh" "$1/build" >/dev/null
}
construire "$travail/premier"
construire "$travail/un/autre/dossier"

differences=0
for nom in Pixavue.scr Pixavue.scr.debug $(cd "$travail/premier/build" && ls PixavueSCR-*.zip PixavueSCR-*.msi) SHA256SUMS; do
  if difference=$(cmp "$travail/premier/build/$nom" "$travail/un/autre/dossier/build/$nom" 2>&1); then
    echo "$nom: same"
  else
    echo "$nom: ${difference#* * }"
    differences=$((differences + 1))
  fi
done
[ "$differences" -eq 0 ]
