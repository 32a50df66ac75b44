#!/usr/bin/env python3
"""Pictures that only the system's codecs decode, for the tests, from one
picture seen upright (60 x 90: red, green / blue, yellow quarters):
- quarts.tif in strips, quarts-tuiles.tif in tiles, quarts-16.tif of 16 bits
  a sample, quarts-palette.tif, quarts-cmyk.tif, gris.tif (grey);
- quarts-o6.tif, stored turned a quarter with its orientation tag at 6;
- deux-pages.tif, a red page then a green one;
- grand.tif, 6000 x 4000 of 24 bits, that a screen's box reduces;
- quarts.dds, and quarts.tga from its top row down (Wine 8 shows a TGA
  stored from its bottom row upside down); essai.jxr, JPEG XR;
- the test codec's files (tests/wine/codec_essai.cpp): ok.pxe, blue; chute.pxe,
  bloque.pxe and memoire.pxe, that crash, hang and take all memory.

  make-systeme.py FOLDER
"""
import importlib.util
import os
import subprocess
import sys

# The photos' writer, for its upright test picture.
_spec = importlib.util.spec_from_file_location("photos", os.path.join(os.path.dirname(__file__), "make-photos.py"))
photos = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(photos)


def main():
    dossier = sys.argv[1]
    os.makedirs(dossier, exist_ok=True)
    droite = photos.photo_droite(dossier)
    chemin = lambda nom: os.path.join(dossier, nom)
    couleurs = ["-type", "TrueColor"]
    for nom, options in [("quarts.tif", couleurs + ["-compress", "LZW"]),
                         ("quarts-tuiles.tif", couleurs + ["-define", "tiff:tile-geometry=16x16"]),
                         ("quarts-16.tif", couleurs + ["-depth", "16"]), ("quarts-palette.tif", ["-type", "Palette"]),
                         ("quarts-cmyk.tif", ["-colorspace", "CMYK"]), ("gris.tif", ["-colorspace", "Gray"]),
                         ("quarts-o6.tif", ["-rotate", "-90", "-orient", "RightTop"]),
                         ("quarts.dds", ["-define", "dds:compression=none"]), ("quarts.tga", couleurs + ["-orient", "TopLeft"])]:
        subprocess.run(["convert", droite] + options + [chemin(nom)], check=True)
    subprocess.run(["convert", "-size", "40x30", "xc:red", "xc:lime", chemin("deux-pages.tif")], check=True)
    subprocess.run(["convert", "-size", "6000x4000", "gradient:navy-orange", "-depth", "8", chemin("grand.tif")],
                   check=True)
    subprocess.run(["convert", droite, "-type", "TrueColor", "BMP3:" + chemin("quarts.bmp")], check=True)
    subprocess.run(["JxrEncApp", "-i", chemin("quarts.bmp"), "-o", chemin("essai.jxr")], check=True,
                   stdout=subprocess.DEVNULL)
    os.remove(chemin("quarts.bmp"))
    for nom, mode in [("ok.pxe", b"O\xc8\x50\x1e"), ("chute.pxe", b"C\0\0\0"), ("bloque.pxe", b"B\0\0\0"),
                      ("memoire.pxe", b"M\0\0\0")]:
        with open(chemin(nom), "wb") as f:
            f.write(b"PXE1" + mode)
    os.remove(droite)


if __name__ == "__main__":
    main()
