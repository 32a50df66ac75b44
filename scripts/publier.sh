#!/usr/bin/env bash
# The release: Pixavue.scr, the ZIP and the MSI, with SHA256SUMS of the two
# packages beside them, in BUILD_FOLDER (build/release when none is given).
# Signed when PIXAVUE_CERTIFICAT names a PKCS#12 certificate (README); the
# same bytes from the same commit when it doesn't.
#   publier.sh [BUILD_FOLDER]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build/release}
"$racine/scripts/install-deps.sh"
[ -f "$dossier/CMakeCache.txt" ] ||
  cmake -S "$racine" -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" | grep -E 'signed' || true
cmake --build "$dossier" -j 2 --target Pixavue msi >/dev/null
cd "$dossier"
cpack -G ZIP >/dev/null
sha256sum PixavueSCR-*-win64.zip PixavueSCR-*-x64.msi >SHA256SUMS
cat SHA256SUMS
