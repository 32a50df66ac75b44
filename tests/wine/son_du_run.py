#!/usr/bin/env python3
"""A full-screen run with a background sound, heard where it is played: the
real Pixavue.scr under Wine, the PulseAudio null sink's monitor recorded
meanwhile, then six real mouse moves.

The sound lasts 2 s, 440 Hz then 880 Hz, and the slideshow ticks every
second. Each loop must be heard whole, its second half too, late in the run;
the run must end on the sixth move with code 0 and leave no stream playing.

  son_du_run.py WINE_RUN PREFIX SCR SOUND SAMPLES WORKDIR
"""
import array
import os
import subprocess
import sys
import time

TAUX = 16000  # recorded samples a second, mono
FENETRE = 0.05  # seconds per analysed window


def wine_path(unix):
    return "Z:" + unix.replace("/", "\\")


def reg_file(chemin, reglages):
    lignes = ["Windows Registry Editor Version 5.00", "",
              "[-HKEY_CURRENT_USER\\Software\\PixavueSCR]", "",
              "[HKEY_CURRENT_USER\\Software\\PixavueSCR\\parametres]"]
    for cle, valeur in reglages.items():
        lignes.append('"%s"="%s"' % (cle, valeur.replace("\\", "\\\\")))
    with open(chemin, "w", encoding="utf-16") as f:
        f.write("\r\n".join(lignes) + "\r\n")


def ton(echantillons):
    """'silence', or the frequency in Hz from the zero crossings."""
    if not echantillons:
        return "silence"
    energie = sum(e * e for e in echantillons) / len(echantillons)
    if energie < 200 ** 2:
        return "silence"
    passages = sum(1 for a, b in zip(echantillons, echantillons[1:]) if (a < 0) != (b < 0))
    return passages / 2 / (len(echantillons) / TAUX)


def segments(enregistrement):
    """Runs of windows of one kind: ('440' | '880' | 'silence' | '?', start s, length s)."""
    n = int(TAUX * FENETRE)
    suite = []
    for i in range(0, len(enregistrement) - n + 1, n):
        f = ton(enregistrement[i:i + n])
        if f == "silence":
            genre = "silence"
        elif abs(f - 440) < 40:
            genre = "440"
        elif abs(f - 880) < 60:
            genre = "880"
        else:
            genre = "?"
        suite.append([genre, i / TAUX, FENETRE])
    # A window that straddles a restart or a buffer's edge reads as anything:
    # runs shorter than 0.1 s are blips, and their neighbours join up.
    lisse = []
    for genre, debut, longueur in suite:
        if lisse and lisse[-1][0] == genre:
            lisse[-1][2] = debut + longueur - lisse[-1][1]
        else:
            while lisse and lisse[-1][2] < 0.1:
                lisse.pop()
            if lisse and lisse[-1][0] == genre:
                lisse[-1][2] = debut + longueur - lisse[-1][1]
            else:
                lisse.append([genre, debut, longueur])
    return [tuple(s) for s in lisse]


def flux_ouverts():
    sortie = subprocess.run(["pactl", "list", "short", "sink-inputs"], capture_output=True, text=True)
    return [l for l in sortie.stdout.splitlines() if l.strip()]


def main():
    wine_run, prefixe, scr, son, echantillons, travail = sys.argv[1:7]
    os.makedirs(travail, exist_ok=True)
    env = dict(os.environ, WINEPREFIX=prefixe)
    reglages = os.path.join(travail, "reglages.reg")
    reg_file(reglages, {"dossier demarrage": wine_path(echantillons), "secondes": "0",
                        "son": wine_path(son), "informations": "1"})
    subprocess.run([wine_run, prefixe, "regedit", "/S", wine_path(reglages)], env=env, check=True)

    brut = os.path.join(travail, "moniteur.raw")
    with open(brut, "wb") as sortie:
        enregistreur = subprocess.Popen(["parec", "-d", "muet.monitor", "--format=s16le", "--channels=1",
                                         "--rate=%d" % TAUX, "--latency-msec=20"], stdout=sortie)
        time.sleep(0.5)
        debut = time.monotonic()
        run = subprocess.Popen([wine_run, prefixe, scr, "/s"], cwd=os.path.dirname(scr), env=env)
        time.sleep(10)
        for x, y in [(10, 10), (1000, 700), (500, 380), (20, 740), (1010, 20), (300, 300)]:
            subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
            time.sleep(0.2)
        try:
            code = run.wait(timeout=10)
        except subprocess.TimeoutExpired:
            run.kill()
            code = "still running"
        fin = time.monotonic() - debut
        time.sleep(0.3)
        ouverts = flux_ouverts()
        enregistreur.terminate()
        enregistreur.wait()

    enregistrement = array.array("h")
    with open(brut, "rb") as f:
        enregistrement.frombytes(f.read())
    suite = segments(enregistrement)
    print("run ended after %.1f s with %s; streams left: %d" % (fin, code, len(ouverts)))
    print("heard: " + ", ".join("%s %.2f-%.2f" % (g, d, d + l) for g, d, l in suite if l >= 0.1))

    echecs = []
    if code != 0:
        echecs.append("the run ended with %s, not 0" % code)
    if ouverts:
        echecs.append("streams still open after the sixth move: %s" % ouverts)
    # Whole halves: about a second each (the first and last may be cut).
    graves = [d for g, d, l in suite if g == "440" and l >= 0.8]
    aigus = [d for g, d, l in suite if g == "880" and l >= 0.8]
    if len(graves) < 3 or len(aigus) < 3:
        echecs.append("fewer than three whole loops: %d first halves, %d second halves" % (len(graves), len(aigus)))
    duree = len(enregistrement) / TAUX
    if not [d for d in aigus if d > duree / 2]:
        echecs.append("the second half is no longer heard late in the run")
    for d in graves:
        if d + 2.2 < duree and not [a for a in aigus if 0.8 < a - d < 1.3]:
            echecs.append("the first half heard at %.2f s is not followed by the second" % d)
    for e in echecs:
        print("FAIL: " + e)
    print("%d passed, %d failed" % (0 if echecs else 1, 1 if echecs else 0))
    return 1 if echecs else 0


if __name__ == "__main__":
    sys.exit(main())
