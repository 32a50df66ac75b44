#!/usr/bin/env bash
# Valid enhanced metafiles written by programs other than Windows' own GDI,
# for the metafile tests: every one must show as the system plays it.
#   make-metafiles.sh FOLDER
# inkscape-*.emf   Inkscape's EMF export of drawings: shapes, dashes, text,
#                  gradients, transparency, an embedded raster picture
# pstoedit-oo.emf  pstoedit (libEMF) from PostScript, in the form it writes
#                  for office suites: its frame runs from a negative top. (Its
#                  plain form gives a frame in logical units, which no
#                  playback draws: not a valid file.)
set -euo pipefail
dossier=$1
mkdir -p "$dossier"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cd "$travail"

cat >formes.svg <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">
  <rect x="10" y="10" width="380" height="280" fill="#ffe0a0" stroke="#804000" stroke-width="4"/>
  <circle cx="120" cy="150" r="80" fill="#2060c0" fill-opacity="0.7"/>
  <path d="M 220 250 C 250 50, 350 50, 380 250 Z" fill="none" stroke="#c02020" stroke-width="6"
        stroke-dasharray="12 6"/>
  <polyline points="20,280 60,200 100,260 140,190" fill="none" stroke="#000" stroke-width="3"/>
</svg>
EOF
cat >texte.svg <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 300 200">
  <defs><linearGradient id="g"><stop offset="0" stop-color="#ff0"/><stop offset="1" stop-color="#0a0"/></linearGradient></defs>
  <rect width="300" height="200" fill="url(#g)"/>
  <text x="20" y="80" font-family="sans-serif" font-size="36" fill="#003">Été 写真</text>
  <text x="20" y="150" font-family="serif" font-size="28" font-style="italic" fill="#600"
        transform="rotate(-10 20 150)">Pixavue</text>
</svg>
EOF
convert -size 64x48 gradient:red-blue degrade.png
cat >image.svg <<EOF
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="200" height="150"
     viewBox="0 0 200 150">
  <rect width="200" height="150" fill="#fff"/>
  <image x="20" y="20" width="160" height="110" xlink:href="data:image/png;base64,$(base64 -w0 degrade.png)"/>
  <ellipse cx="100" cy="75" rx="40" ry="20" fill="none" stroke="#0c0" stroke-width="5"/>
</svg>
EOF
for dessin in formes texte image; do
  inkscape "$dessin.svg" --export-type=emf --export-filename="$dossier/inkscape-$dessin.emf" >/dev/null 2>&1
done

cat >dessin.ps <<'EOF'
%!PS
/Helvetica findfont 24 scalefont setfont
newpath 50 50 moveto 300 50 lineto 300 250 lineto closepath 0.2 0.4 0.8 setrgbcolor fill
newpath 100 150 60 0 360 arc 0.8 0.2 0.2 setrgbcolor 4 setlinewidth stroke
[8 4] 0 setdash newpath 40 300 moveto 200 380 lineto 320 300 lineto stroke [] 0 setdash
0 0 0 setrgbcolor 60 280 moveto (Pixavue) show
showpage
EOF
pstoedit -q -f "emf:-OO" dessin.ps "$dossier/pstoedit-oo.emf" >/dev/null 2>&1
ls "$dossier"/*.emf >/dev/null
