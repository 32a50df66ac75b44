#!/usr/bin/env python3
# The help page in a real browser (headless Chromium): nothing on it is wider
# than a 360-pixel window, the width of a small phone.
#   verifier_aide.py PAGE
import os
import re
import subprocess
import sys
import tempfile

# Measured inside the browser once the page is laid out: the page's own
# scrolling width and every element's box against the window's width.
SONDE = """<div id="resultat">en attente</div>
<iframe id="page" src="file://%s" style="border:0;width:360px;height:2000px"></iframe>
<script>document.getElementById('page').onload = function () {
  var d = this.contentDocument, largeur = d.documentElement.clientWidth, fautes = [];
  if (d.documentElement.scrollWidth > largeur) fautes.push('la page: ' + d.documentElement.scrollWidth + ' px');
  d.querySelectorAll('body *').forEach(function (e) {
    var r = e.getBoundingClientRect();
    if (r.width > 0 && (r.right > largeur + 1 || r.left < -1))
      fautes.push(e.tagName + ' ' + Math.round(r.left) + '..' + Math.round(r.right) + ' "' + e.textContent.trim().slice(0, 40) + '"');
  });
  document.getElementById('resultat').textContent = fautes.length ? 'FAUTES: ' + fautes.join(' | ') : 'RESULTAT-OK';
};</script>"""

sonde = os.path.join(tempfile.mkdtemp(prefix="aide-"), "sonde.html")
with open(sonde, "w", encoding="utf-8") as f:
    f.write(SONDE % os.path.abspath(sys.argv[1]))
verdict = "aucune mesure (la page ne s'est pas chargee)"
# A browser's first start on a machine may end before the page has loaded: it is asked again.
for _ in range(3):
    dom = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                          "--allow-file-access-from-files", "--user-data-dir=" + tempfile.mkdtemp(prefix="chromium-"),
                          "--virtual-time-budget=10000", "--dump-dom", "file://" + sonde],
                         capture_output=True, text=True, timeout=120).stdout
    trouve = re.search(r'<div id="resultat">(.*?)</div>', dom, re.S)
    if trouve and trouve.group(1) != "en attente":
        verdict = trouve.group(1)
        break
print("360 px: " + verdict)
sys.exit(verdict != "RESULTAT-OK")
