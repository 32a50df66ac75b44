#!/usr/bin/env bash
# Signs a release file in place with Authenticode (SHA-256) through
# osslsigncode: the PKCS#12 certificate given, its password in
# PIXAVUE_MOT_DE_PASSE, and an RFC 3161 time stamp from the server in
# PIXAVUE_HORODATAGE when one is given.
#   signer.sh CERTIFICATE FILE
set -euo pipefail
certificat=$1 fichier=$2
options=(-pkcs12 "$certificat" -pass "${PIXAVUE_MOT_DE_PASSE:-}" -h sha256 -n PixavueSCR)
[ -n "${PIXAVUE_HORODATAGE:-}" ] && options+=(-ts "$PIXAVUE_HORODATAGE")
osslsigncode sign "${options[@]}" -in "$fichier" -out "$fichier.signe" >/dev/null
mv "$fichier.signe" "$fichier"
