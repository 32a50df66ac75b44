#!/usr/bin/env python3
"""The help page in a real browser (headless Chromium): no outside reference,
nothing wider than the page at a desktop width and at a narrow one, and a
screenshot of it for review.

  verifier_aide.py PAGE OUTPUT_FOLDER
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile

LARGEURS = (900, 360)

# Measured inside the browser, once the page is laid out: every element's
# box and the page's own scrolling width against the window's width, and
# the resources the page made the browser fetch.
SONDE = """<!DOCTYPE html><html><body><div id="resultat">en attente</div>
<iframe id="page" src="%(page)s" style="border:0;width:%(largeur)dpx;height:2000px"></iframe>
<script>
document.getElementById('page').addEventListener('load', function () {
  var d = this.contentDocument, w = this.contentWindow, fautes = [];
  var largeur = d.documentElement.clientWidth;
  if (d.documentElement.scrollWidth > largeur) fautes.push('page plus large que la fenetre: ' + d.documentElement.scrollWidth);
  d.querySelectorAll('body *').forEach(function (e) {
    var r = e.getBoundingClientRect();
    if (r.width > 0 && (r.right > largeur + 1 || r.left < -1))
      fautes.push(e.tagName + ' hors de la page: ' + Math.round(r.left) + '..' + Math.round(r.right) + ' "' + (e.textContent || '').trim().slice(0, 40) + '"');
  });
  w.performance.getEntriesByType('resource').forEach(function (r) { fautes.push('ressource chargee: ' + r.name); });
  document.getElementById('resultat').textContent = fautes.length ? 'FAUTES: ' + fautes.join(' | ') : 'RESULTAT-OK';
});
</script></body></html>"""


class References(html.parser.HTMLParser):
    """Every attribute that could make the browser go elsewhere."""

    def __init__(self):
        super().__init__()
        self.exterieures = []

    def handle_starttag(self, tag, attrs):
        if tag in ("script", "link", "img", "iframe", "object", "embed", "audio", "video", "source"):
            self.exterieures.append("<%s>" % tag)
        for nom, valeur in attrs:
            if nom in ("src", "srcset", "action", "data", "poster"):
                self.exterieures.append('%s="%s"' % (nom, valeur))
            if nom == "href" and not (valeur or "").startswith("#"):
                self.exterieures.append('href="%s"' % valeur)


def chromium(*arguments):
    commande = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--allow-file-access-from-files", "--user-data-dir=" + tempfile.mkdtemp(prefix="chromium-")]
    return subprocess.run(commande + list(arguments), capture_output=True, text=True, timeout=120)


def main():
    page, sortie = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(sortie, exist_ok=True)
    fautes = []

    texte = open(page, encoding="utf-8").read()
    references = References()
    references.feed(texte)
    fautes += ["reference exterieure: " + r for r in references.exterieures]
    if re.search(r"url\s*\(|@import|https?:", texte, re.I):
        fautes.append("le style ou le texte appelle une adresse")

    for largeur in LARGEURS:
        sonde = os.path.join(sortie, "sonde-%d.html" % largeur)
        with open(sonde, "w", encoding="utf-8") as f:
            f.write(SONDE % {"page": "file://" + page, "largeur": largeur})
        # A browser's first start on a machine may end before the page has
        # loaded: it is asked again.
        verdict = "aucune mesure (la page ne s'est pas chargee)"
        for _ in range(3):
            dom = chromium("--virtual-time-budget=10000", "--dump-dom", "file://" + sonde).stdout
            trouve = re.search(r'<div id="resultat">(.*?)</div>', dom, re.S)
            if trouve and trouve.group(1) != "en attente":
                verdict = trouve.group(1)
                break
        if verdict != "RESULTAT-OK":
            fautes.append("%d px: %s" % (largeur, verdict))
        image = os.path.join(sortie, "aide-%d.png" % largeur)
        chromium("--window-size=%d,1600" % largeur, "--screenshot=" + image, "file://" + page)
        if not os.path.exists(image) or os.path.getsize(image) == 0:
            fautes.append("%d px: pas de capture" % largeur)
        print("%d px: %s; capture %s" % (largeur, verdict, image))

    for f in fautes:
        print("FAIL: " + f)
    print("%d passed, %d failed" % (0 if fautes else 1, 1 if fautes else 0))
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
