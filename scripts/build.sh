#!/usr/bin/env bash
# Builds the native unit tests (build/native) and the Windows program with its
# integration tests (build/win64). Both folders are reused by later runs.
#   build.sh [native|win64]...   (both when none is named)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(native win64)
for cible in "${cibles[@]}"; do
  dossier="$racine/build/$cible"
  options=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
  [ "$cible" = win64 ] && options+=(-DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake")
  [ -f "$dossier/CMakeCache.txt" ] || cmake -S "$racine" -B "$dossier" "${options[@]}" >/dev/null
  cmake --build "$dossier" -j 2
done
