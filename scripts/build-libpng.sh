#!/usr/bin/env bash
# Builds libpng as a static Windows library from Debian's patched source
# package, once, against the mingw zlib that Debian packages: the PNG decoder
# reads a picture row by row, so a tick never holds it whole.
#   build-libpng.sh PREFIX     (installs into PREFIX/{include,lib})
set -euo pipefail
prefixe=$1
[ -f "$prefixe/lib/libpng.a" ] && exit 0
racine=$(cd "$(dirname "$0")/.." && pwd)
travail=$(dirname "$prefixe")
"$racine/scripts/source-debian.sh" libpng1.6 "$travail" "$travail/libpng"

cmake -S "$travail/libpng" -B "$travail/libpng/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_C_FLAGS="-ffile-prefix-map=$travail=third_party" \
  -DCMAKE_BUILD_TYPE=Release -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF \
  -DPNG_HARDWARE_OPTIMIZATIONS=ON -DDFA_XTRA="$racine/scripts/libpng-lecture.dfa" -Wno-dev >/dev/null
cmake --build "$travail/libpng/build" -j 2 --target png_static >/dev/null
mkdir -p "$prefixe/lib" "$prefixe/include"
cp "$travail/libpng/build/libpng16.a" "$prefixe/lib/libpng.a"
cp "$travail/libpng/png.h" "$travail/libpng/pngconf.h" "$travail/libpng/build/pnglibconf.h" "$prefixe/include/"
rm -rf "$travail/libpng"
