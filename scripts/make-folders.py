#!/usr/bin/env python3
"""Folders of many files, and trees, for the listing's tests and benchmark:
   make-folders.py DEST PICTURE WHAT...
each WHAT one of:
- N: DEST/N holds N files: the first a copy of PICTURE (so a tick has
  something to show), the others empty pictures in name only;
- FxN: DEST/FxN holds F folders of N such files, ten folders in each of
  F / 10 folders;
- arbre: DEST/arbre, a tree of 8 x 8 bitmaps of one colour each: red a.bmp
  at its top, green 2019/b.bmp beside 2019/lien, a link back to the top,
  blue zz/c.bmp, and yellow .cache/d.bmp, in a folder a dot hides."""
import os
import shutil
import struct
import sys


def bitmap(chemin, bleu, vert, rouge):
    pixels = bytes([bleu, vert, rouge]) * 64
    with open(chemin, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, 8, 8, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)


def fichiers(dossier, image, compte):
    os.makedirs(dossier)
    shutil.copy(image, os.path.join(dossier, "000000.bmp"))
    for n in range(1, compte):
        open(os.path.join(dossier, "%06d.bmp" % n), "wb").close()


def arbre(dossier):
    for sous in ("2019", "zz", ".cache"):
        os.makedirs(os.path.join(dossier, sous))
    bitmap(os.path.join(dossier, "a.bmp"), 0, 0, 255)
    bitmap(os.path.join(dossier, "2019", "b.bmp"), 0, 255, 0)
    bitmap(os.path.join(dossier, "zz", "c.bmp"), 255, 0, 0)
    bitmap(os.path.join(dossier, ".cache", "d.bmp"), 0, 255, 255)
    os.symlink("..", os.path.join(dossier, "2019", "lien"))


def main():
    dest, image = sys.argv[1], sys.argv[2]
    for quoi in sys.argv[3:]:
        dossier = os.path.join(dest, quoi)
        if os.path.isfile(os.path.join(dossier, ".fait")):
            continue
        shutil.rmtree(dossier, ignore_errors=True)
        if quoi == "arbre":
            arbre(dossier)
        elif "x" in quoi:
            nombre, compte = map(int, quoi.split("x"))
            for i in range(nombre):
                fichiers(os.path.join(dossier, "%02d" % (i // 10), "%03d" % i), image, compte)
        else:
            fichiers(dossier, image, int(quoi))
        open(os.path.join(dossier, ".fait"), "w").close()


if __name__ == "__main__":
    main()
