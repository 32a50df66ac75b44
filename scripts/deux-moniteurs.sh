#!/usr/bin/env bash
# Runs a Windows program of the build under Wine on two monitors of
# 1024 x 768 side by side, the primary on the left:
#   deux-moniteurs.sh PREFIX PROGRAM [ARGUMENTS...]
# One private Xvfb screen as wide as both, split into two RandR monitors, and
# a copy of PREFIX where Wine reads the monitors through Xinerama: through
# XRandR it counts the server's outputs, and Xvfb has one.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"
prefixe=$1
shift
copie="$prefixe-deux-moniteurs"

unset DISPLAY
demarrer_xvfb 2048x768x24
# The first monitor takes over the screen's output, which hides the
# automatic monitor as wide as the screen.
xrandr --setmonitor GAUCHE 1024/271x768/203+0+0 screen >/dev/null
xrandr --setmonitor DROITE 1024/271x768/203+1024+0 none >/dev/null

if [ ! -f "$copie/.pret" ]; then
  # The prefix is made when missing (its desktop then starts on this private
  # display, and ends with it), and copied once it stands still.
  [ -f "$prefixe/.pret" ] || "$racine/scripts/wine-run.sh" "$prefixe" cmd /c exit >/dev/null 2>&1
  WINEPREFIX=$prefixe wineserver -w
  rm -rf "$copie"
  cp -a "$prefixe" "$copie"
  rm -f "$copie/.pret"
  WINEPREFIX=$copie wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
  WINEPREFIX=$copie wineserver -w
  touch "$copie/.pret"
fi
trap_ajouter "WINEPREFIX='$copie' wineserver -k >/dev/null 2>&1 || true"
"$racine/scripts/wine-run.sh" "$copie" "$@"
