#!/usr/bin/env bash
# The release signed with a certificate made here and thrown away: the signed
# program and MSI verify against it and a copy changed by one byte doesn't;
# the signed program still passes the package's checks, and runs "/s" under
# Wine and ends on input with code 0.
#   verifier_signature.sh BUILD_FOLDER OBJDUMP WINE_TESTS WINE_RUN PREFIX
set -euo pipefail
construction=$1 objdump=$2 tests_wine=$3 wine_run=$4 prefixe=$5
ici=$(cd "$(dirname "$0")" && pwd)
scripts=$(cd "$ici/../../scripts" && pwd)
echec() { echo "FAILED: $*"; exit 1; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cd "$travail"
openssl req -x509 -newkey rsa:2048 -nodes -keyout cle.pem -out certificat.pem -days 2 -subj "/CN=PixavueSCR essai" \
  -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey cle.pem -in certificat.pem -out certificat.p12 -passout pass:essai 2>/dev/null
cp "$construction/Pixavue.scr" "$construction"/PixavueSCR-*-x64.msi .
for fichier in Pixavue.scr PixavueSCR-*-x64.msi; do
  PIXAVUE_MOT_DE_PASSE=essai "$scripts/signer.sh" certificat.p12 "$fichier"
  osslsigncode verify -CAfile certificat.pem -in "$fichier" >/dev/null 2>&1 || echec "$fichier signed doesn't verify"
  cp "$fichier" change
  milieu=$(($(stat -c %s change) / 2))
  printf '\x5A' | dd of=change bs=1 seek="$milieu" conv=notrunc status=none
  cmp -s change "$fichier" && printf '\xA5' | dd of=change bs=1 seek="$milieu" conv=notrunc status=none
  osslsigncode verify -CAfile certificat.pem -in change >/dev/null 2>&1 && echec "$fichier changed still verifies"
done
"$ici/verifier_programme.sh" Pixavue.scr "$objdump" || exit 1
# The end-to-end run starts the Pixavue.scr of the folder it runs in: here, the signed one.
"$wine_run" "$prefixe" "$tests_wine" --gtest_filter=BoutEnBout.BareWindowCoversTheScreenAndEndsOnTheSixthMoveAnywhereOnIt \
  2>&1 | grep -q '\[  PASSED  \] 1 test' || echec "the signed program's run"
echo "PASSED: Pixavue.scr and the MSI signed, verified, refused once changed; the signed program runs"
