#!/usr/bin/env bash
# Builds libjpeg-turbo as a static Windows library from Debian's source
# package, once: the JPEG decoder scales in the DCT domain, so a tick decodes
# a 24-megapixel photo at the few pixels the screen shows.
#   build-libjpeg-turbo.sh PREFIX     (installs into PREFIX/{include,lib})
set -euo pipefail
prefixe=$1
[ -f "$prefixe/lib/libjpeg.a" ] && exit 0
racine=$(cd "$(dirname "$0")/.." && pwd)
travail=$(dirname "$prefixe")
"$racine/scripts/source-debian.sh" libjpeg-turbo "$travail" "$travail/libjpeg-turbo"

cmake -S "$travail/libjpeg-turbo" -B "$travail/libjpeg-turbo/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_C_FLAGS="-ffile-prefix-map=$travail=third_party" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefixe" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=ON -DWITH_SIMD=ON \
  -DCMAKE_ASM_NASM_COMPILER="$racine/scripts/nasm-relatif.sh" -Wno-dev >/dev/null
cmake --build "$travail/libjpeg-turbo/build" -j 2 --target jpeg-static >/dev/null
cmake --install "$travail/libjpeg-turbo/build" >/dev/null 2>&1 || true
# The install step also wants the programs; the library and headers are what count.
mkdir -p "$prefixe/lib" "$prefixe/include"
cp "$travail/libjpeg-turbo/build/libjpeg.a" "$prefixe/lib/"
cp "$travail/libjpeg-turbo/jpeglib.h" "$travail/libjpeg-turbo/jmorecfg.h" "$travail/libjpeg-turbo/jerror.h" \
  "$travail/libjpeg-turbo/build/jconfig.h" "$prefixe/include/"
rm -rf "$travail/libjpeg-turbo"
