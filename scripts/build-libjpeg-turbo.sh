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
mkdir -p "$travail/apt/lists/partial" "$travail/apt/parts" "$travail/src"

# Debian's source package through a sources list of our own, made from the
# machine's own apt configuration (its first Debian archive and suite), so that
# the machine's configuration is left as it is and no archive is named here.
archive_apt=$(grep -hm1 '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'NR == 1 { print $2 }' || true)
suite_apt=$(grep -hm1 '^Suites:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'NR == 1 { print $2 }' || true)
if [ -z "$archive_apt" ] && [ -f /etc/apt/sources.list ]; then
  read -r archive_apt suite_apt < <(awk '$1 == "deb" && $2 !~ /^\[/ { print $2, $3; exit }' /etc/apt/sources.list)
fi
[ -n "$archive_apt" ] || { echo "build-libjpeg-turbo: no Debian archive in the apt configuration" >&2; exit 1; }
cat > "$travail/apt/parts/sources.sources" <<SOURCES
Types: deb-src
URIs: $archive_apt
Suites: $suite_apt
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_src=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$travail/apt/parts"
  -o Dir::State::Lists="$travail/apt/lists" -o Debug::NoLocking=1)
if ! ls "$travail"/src/libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1; then
  apt-get "${apt_src[@]}" update -qq 2>/dev/null
  (cd "$travail/src" && apt-get "${apt_src[@]}" source --download-only -qq libjpeg-turbo 2>/dev/null)
fi
archive=$(ls "$travail"/src/libjpeg-turbo_*.orig.tar.gz | head -1)
rm -rf "$travail/libjpeg-turbo"
mkdir -p "$travail/libjpeg-turbo"
tar -xzf "$archive" -C "$travail/libjpeg-turbo" --strip-components=1

cmake -S "$travail/libjpeg-turbo" -B "$travail/libjpeg-turbo/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefixe" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=ON -DWITH_SIMD=ON \
  -DCMAKE_ASM_NASM_COMPILER=nasm -Wno-dev >/dev/null
cmake --build "$travail/libjpeg-turbo/build" -j 2 --target jpeg-static >/dev/null
cmake --install "$travail/libjpeg-turbo/build" >/dev/null 2>&1 || true
# The install step also wants the programs; the library and headers are what count.
mkdir -p "$prefixe/lib" "$prefixe/include"
cp "$travail/libjpeg-turbo/build/libjpeg.a" "$prefixe/lib/"
cp "$travail/libjpeg-turbo/jpeglib.h" "$travail/libjpeg-turbo/jmorecfg.h" "$travail/libjpeg-turbo/jerror.h" \
  "$travail/libjpeg-turbo/build/jconfig.h" "$prefixe/include/"
rm -rf "$travail/libjpeg-turbo"
