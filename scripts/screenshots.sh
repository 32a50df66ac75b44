#!/usr/bin/env bash
# Screenshots of the full-screen run ("/s", after a few one-second ticks) and of
# the options dialog ("/c"), taken on a private Xvfb of 1024 x 768, into
# build/screenshots/. Uses the demo prefix and the bundled samples.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"
"$racine/scripts/install-deps.sh"
"$racine/scripts/build.sh" win64

unset DISPLAY
assurer_affichage
assurer_son "$racine/build/pulse"
prefixe="$racine/build/demo/prefix"
mkdir -p "$racine/build/demo" "$racine/build/screenshots"
export WINEPREFIX=$prefixe
wine_run() { "$racine/scripts/wine-run.sh" "$prefixe" "$@"; }
trap_ajouter "wineserver -k >/dev/null 2>&1 || true"

dossier=$(winepath -w "$racine/samples" 2>/dev/null)
cle='HKCU\Software\PixavueSCR\parametres'
wine_run reg add "$cle" /v 'dossier demarrage' /d "$dossier" /f >/dev/null
wine_run reg add "$cle" /v secondes /d 0 /f >/dev/null
cd "$racine/build/win64"

capturer() {  # switch, seconds to wait, file
  wine_run Pixavue.scr "$1" &
  local programme=$!
  sleep "$2"
  import -window root "$racine/build/screenshots/$3"
  wineserver -k >/dev/null 2>&1 || true
  wait "$programme" 2>/dev/null || true
  echo "build/screenshots/$3"
}
capturer /s 6 veille.png
capturer /c 5 options.png
