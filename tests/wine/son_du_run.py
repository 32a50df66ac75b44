#!/usr/bin/env python3
# A full-screen run of the real Pixavue.scr with a sound of 1 s, 440 Hz then 880 Hz, recorded at
# the null sink's monitor: every loop must be heard whole, to the end of the run, and six real mouse
# moves must end it with code 0.
#   son_du_run.py WINE_RUN PREFIX SCR SOUND SAMPLES WORKDIR
import array, os, re, subprocess, sys, time

TAUX, FENETRE = 16000, 800  # samples a second, mono; samples in each analysed window, 50 ms

wine_run, prefixe, scr, son, echantillons, travail = sys.argv[1:7]
os.makedirs(travail, exist_ok=True)
env = dict(os.environ, WINEPREFIX=prefixe)
wine = lambda chemin: "Z:" + chemin.replace("/", "\\")
# The settings afresh, in one start of Wine.
reglages = os.path.join(travail, "reglages.reg")
with open(reglages, "w") as f:
    f.write("REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\PixavueSCR]\n\n[HKEY_CURRENT_USER\\Software\\PixavueSCR\\parametres]\n")
    for cle, valeur in [("dossier demarrage", wine(echantillons)), ("secondes", "0"), ("son", wine(son))]:
        f.write('"%s"="%s"\n' % (cle, valeur.replace("\\", "\\\\")))
subprocess.run([wine_run, prefixe, "reg", "import", wine(reglages)], env=env, check=True)

brut = open(os.path.join(travail, "moniteur.raw"), "wb")  # a pipe would fill up and stall the recorder
enregistreur = subprocess.Popen(["parec", "-d", "muet.monitor", "--format=s16le", "--channels=1",
                                 "--rate=%d" % TAUX, "--latency-msec=20"], stdout=brut)
time.sleep(0.5)
# A run that won't end is killed after 25 s: code 124.
run = subprocess.Popen(["timeout", "25", wine_run, prefixe, scr, "/s"], cwd=os.path.dirname(scr), env=env)
# Long enough for three whole loops after a first one that the recording may cut: a loop is its 1 s
# and up to one interval before the tick restarts it.
time.sleep(8)
for x, y in [(10, 10), (1000, 700), (500, 380), (20, 740), (1010, 20), (300, 300)]:
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.2)
code = run.wait()
enregistreur.terminate()
enregistreur.wait()
entendu = array.array("h", open(brut.name, "rb").read())


# '-' for silence, '4' or '8' for 440 or 880 Hz by the zero crossings, '?' for anything else.
def genre(e):
    if sum(x * x for x in e) < len(e) * 200 ** 2:
        return "-"
    f = sum((a < 0) != (b < 0) for a, b in zip(e, e[1:])) / 2 * TAUX / len(e)
    return "4" if abs(f - 440) < 40 else "8" if abs(f - 880) < 60 else "?"


# One character a window. A window that straddles a restart or a buffer's edge reads as anything:
# one or two odd ones inside a run are taken for the run's own.
vu = "".join(genre(entendu[i:i + FENETRE]) for i in range(0, len(entendu) - FENETRE + 1, FENETRE))
vu = re.sub(r"(.)(?:(?!\1).){1,2}(?=\1)", lambda m: m[1] * len(m[0]), vu)
print("ended with %s; heard, a character each 50 ms: %s" % (code, vu))
# A whole half lasts about half a second, 10 windows. The first loop may be cut by the recording's start,
# the last by the run's end; every other first half must start a whole loop.
boucles = list(re.finditer(r"4{8,13}.{0,2}8{8,}", vu))
debuts = [m.start() for m in boucles]
echecs = ["the run ended with %s, not 0" % code] * (code != 0)
echecs += ["fewer than three whole loops, or none late"] * (len(boucles) < 3 or boucles[-1].end() < len(vu) / 2)
echecs += ["the first half at %.2f s is not followed by the second" % (m.start() / 20)
           for m in list(re.finditer(r"4{8,}", vu))[:-1] if m.start() not in debuts]
sys.exit("\n".join("FAIL: " + e for e in echecs) or None)  # 1 with its message, or 0
