#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# slideshow need and this machine lacks. Asks apt only when something is missing.
set -euo pipefail

paquets=(
  cmake ninja-build g++ googletest python3  # native build and unit tests
  clang libclang-rt-14-dev                  # the fuzzers (libFuzzer)
  g++-mingw-w64-x86-64-posix mingw-w64-tools nasm  # the Windows build, libjpeg-turbo
  libz-mingw-w64-dev patch                  # libpng, built from Debian's patched source
  wine wine64 fonts-wine fonts-liberation   # running it here
  xvfb xauth imagemagick                    # a display without a screen, screenshots
  pulseaudio pulseaudio-utils               # a sound device without a sound card
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good  # Wine's playback engine decodes through
  gstreamer1.0-plugins-ugly gstreamer1.0-libav         # GStreamer: WAV, MP3, Windows Media audio
  gstreamer1.0-tools sox xdotool            # the sound tests: their files, a user's mouse
  x11-xserver-utils                         # xrandr: two monitors on one Xvfb screen
  chromium                                  # the help page, checked in a real browser
  inkscape pstoedit                         # metafiles from writers other than Windows
  wixl msitools python3-olefile             # the Windows Installer package, dated from the commit, read back
  libfuse3-dev fuse3 pkg-config             # a folder that answers late, for the listing's tests
  libjxr-tools                              # a JPEG XR picture, for the system codecs' tests
  osslsigncode openssl                      # Authenticode signing, and a throwaway certificate to test it
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${manquants[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
