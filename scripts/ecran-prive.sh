#!/usr/bin/env bash
# Runs a Windows program of the build under Wine on a private display of its
# own, in a copy of the build's prefix made once for that display:
#   ecran-prive.sh petit PREFIX PROGRAM [ARGUMENTS...]
#       one monitor of 320 x 240, where a full-screen window costs little
#   ecran-prive.sh deux-moniteurs PREFIX PROGRAM [ARGUMENTS...]
#       two monitors of 1024 x 768 side by side, the primary on the left: one
#       Xvfb screen as wide as both, split into two RandR monitors, which Wine
#       reads through Xinerama (through XRandR it counts the server's
#       outputs, and Xvfb has one)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"
ecran=$1 prefixe=$2
shift 2
copie="$prefixe-$ecran"

unset DISPLAY
case $ecran in
  petit)
    demarrer_xvfb 320x240x24
    copier_prefixe "$prefixe" "$copie"
    ;;
  deux-moniteurs)
    demarrer_xvfb 2048x768x24
    # The first monitor takes over the screen's output, which hides the
    # automatic monitor as wide as the screen.
    xrandr --setmonitor GAUCHE 1024/271x768/203+0+0 screen >/dev/null
    xrandr --setmonitor DROITE 1024/271x768/203+1024+0 none >/dev/null
    copier_prefixe "$prefixe" "$copie" 'HKCU\Software\Wine\X11 Driver' UseXRandR N
    ;;
  *)
    echo "ecran-prive.sh: petit or deux-moniteurs, not $ecran" >&2
    exit 2
    ;;
esac
trap_ajouter "WINEPREFIX='$copie' wineserver -k >/dev/null 2>&1 || true"
"$racine/scripts/wine-run.sh" "$copie" "$@"
