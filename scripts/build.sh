#!/usr/bin/env bash
# Builds the native unit tests (build/native), the fuzzers (build/fuzz, with
# clang) and the Windows program with its integration tests (build/win64).
# The folders are reused by later runs.
#   build.sh [native|fuzz|win64]...   (native and win64 when none is named)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(native win64)
for cible in "${cibles[@]}"; do
  dossier="$racine/build/$cible"
  options=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
  case $cible in
    win64) options+=(-DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake") ;;
    fuzz) options+=(-DPIXAVUE_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  esac
  [ -f "$dossier/CMakeCache.txt" ] || cmake -S "$racine" -B "$dossier" "${options[@]}" >/dev/null
  cmake --build "$dossier" -j 2
done
