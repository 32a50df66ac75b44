#!/usr/bin/env bash
# Installs what is missing, builds Pixavue.scr and starts the slideshow ("/s")
# on the bundled sample pictures, under Wine, in a prefix of its own
# (build/demo/prefix): nobody's real settings are read or written.
# Without a display it runs on a private Xvfb for a few seconds and saves
# a screenshot instead.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"

"$racine/scripts/install-deps.sh"
"$racine/scripts/build.sh" win64

sans_ecran=0
if [ -z "${DISPLAY:-}" ]; then
  sans_ecran=1
  assurer_affichage
fi
assurer_son "$racine/build/pulse"

prefixe="$racine/build/demo/prefix"
mkdir -p "$racine/build/demo"
wine_run() { "$racine/scripts/wine-run.sh" "$prefixe" "$@"; }
export WINEPREFIX=$prefixe
dossier=$(winepath -w "$racine/samples" 2>/dev/null)
wine_run reg add 'HKCU\Software\PixavueSCR\parametres' /v 'dossier demarrage' /d "$dossier" /f >/dev/null
cd "$racine/build/win64"

if [ "$sans_ecran" -eq 0 ]; then
  echo "Pixavue.scr /s on $racine/samples: move the mouse or press keys to leave."
  wine_run Pixavue.scr /s
  exit 0
fi

wine_run Pixavue.scr /s >/dev/null 2>&1 &
sleep 12
capture="$racine/build/demo/veille.png"
import -window root "$capture"
wineserver -k >/dev/null 2>&1 || true
echo "No display here: the slideshow ran on a private Xvfb for 12 s."
echo "Its screenshot is $capture. On a desktop, run this again to watch it live,"
echo "or run scripts/screenshots.sh for pictures of both windows."
