#!/usr/bin/env bash
# The tick benchmark: generated photos (6000 x 4000 and 4000 x 3000 JPEG at
# quality 90, a 1920 x 1080 JPEG, a large BMP, a GIF) fitted in mode 1 to a
# 1920 x 1080 screen. For each: milliseconds a tick (median of 5), the peak
# memory a tick adds, the same when the picture was prepared ahead (the time
# from the tick to the pixels; the memory with the preparation), the plain
# path (OLE picture loader at full size, then a scaled draw), and native
# djpeg at the same scale as the limit.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"
"$racine/scripts/install-deps.sh"
dpkg-query -W -f='${Status}' libjpeg-turbo-progs 2>/dev/null | grep -q 'install ok installed' ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libjpeg-turbo-progs >/dev/null
"$racine/scripts/build.sh" win64
cmake --build "$racine/build/win64" --target bench_tick >/dev/null

dossier="$racine/build/bench"
mkdir -p "$dossier"
photo() {  # file width height [extra convert options]
  [ -f "$dossier/$1" ] && return
  local fichier=$1 l=$2 h=$3
  shift 3
  convert -seed 7 -size 600x400 plasma:fractal -resize "${l}x${h}!" -attenuate 0.4 +noise Gaussian "$@" \
    "$dossier/$fichier"
}
photo photo-6000x4000.jpg 6000 4000 -quality 90
photo photo-4000x3000.jpg 4000 3000 -quality 90
photo photo-1920x1080.jpg 1920 1080 -quality 90
photo grande-4000x3000.bmp 4000 3000 -type TrueColor
photo anime-1600x1200.gif 1600 1200 -colors 256

assurer_affichage
export WINEPREFIX="$racine/build/win64/wineprefix"
trap_ajouter "wineserver -k >/dev/null 2>&1 || true"
banc() { "$racine/scripts/wine-run.sh" "$WINEPREFIX" "$racine/build/win64/bench/bench_tick.exe" "$@" 2>/dev/null; }

# djpeg at the scale the tick chooses: the smallest eighth that covers the fit.
echelle_djpeg() {
  python3 -c "
import math, sys
l, h = int(sys.argv[1]), int(sys.argv[2])
e = min(1.0, min(1920 / l, 1080 / h) * 1.01)
print('%d/8' % min(8, max(1, math.ceil(e * 8 - 1e-9))))" "$1" "$2"
}
mediane_djpeg() {
  local echelle=$1 fichier=$2 t=()
  for _ in 1 2 3 4 5; do
    local debut=$(date +%s%N)
    djpeg -scale "$echelle" -bmp -outfile /dev/null "$fichier"
    t+=($(( ($(date +%s%N) - debut) / 1000 )))
  done
  printf '%s\n' "${t[@]}" | sort -n | sed -n 3p | awk '{printf "%.1f", $1 / 1000}'
}

printf '%-22s %9s %9s %9s %9s %9s %9s %9s %10s %10s\n' picture "tick ms" "tick MB" "ahead ms" "ahead MB" \
  "plain ms" "plain MB" "djpeg ms" "tick/djpeg" "plain/tick"
for f in photo-6000x4000.jpg photo-4000x3000.jpg photo-1920x1080.jpg grande-4000x3000.bmp anime-1600x1200.gif; do
  chemin=$(winepath -w "$dossier/$f" 2>/dev/null)
  read -r _ tick_ms tick_mb < <(banc tick "$chemin")
  read -r _ avance_ms avance_mb < <(banc ahead "$chemin")
  read -r _ ole_ms ole_mb < <(banc ole "$chemin" || echo "ole - -")
  djpeg_ms=-
  ratio_djpeg=-
  case $f in
    *.jpg)
      dims=$(identify -format '%w %h' "$dossier/$f")
      djpeg_ms=$(mediane_djpeg "$(echelle_djpeg $dims)" "$dossier/$f")
      ratio_djpeg=$(awk -v a="$tick_ms" -v b="$djpeg_ms" 'BEGIN {printf "%.2f", a / b}')
      ;;
  esac
  ratio_ole=$(awk -v a="$ole_ms" -v b="$tick_ms" 'BEGIN {if (a == "-") print "-"; else printf "%.1f", a / b}')
  printf '%-22s %9s %9s %9s %9s %9s %9s %9s %10s %10s\n' "$f" "$tick_ms" "$tick_mb" "$avance_ms" "$avance_mb" \
    "$ole_ms" "$ole_mb" "$djpeg_ms" "$ratio_djpeg" "$ratio_ole"
done
echo "screen frame 1920 x 1080 x 4 bytes = 7.9 MB; a tick may add 3 frames = 23.7 MB"
