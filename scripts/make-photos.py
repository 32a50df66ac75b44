#!/usr/bin/env python3
"""Test photos made from one picture seen upright (60 x 90: red, green /
blue, yellow quarters):
- o6.jpg, o7.jpg: stored turned a quarter, and transposed then turned, as a
  camera would store it, each with an APP1 segment that names its
  orientation (the parser's unit tests take every other orientation and
  every damaged tag);
- cmyk.jpg: the picture as a print workflow stores it, in CMYK with Adobe's
  inverted convention;
- geant-progressif.jpg: a progressive JPEG whose header says 22,500 x 33,300;
- sans-couleurs.gif: a GIF with neither a global nor a local colour table;
- grande.jpg: 24 megapixels, long enough to decode that a run can end meanwhile;
- alpha-nul.bmp, alpha-partiel.bmp: red 60 x 40 version 5 bitmaps of 32 bits
  with an alpha mask, every alpha 0 in the first, the right half's only in
  the second.

  make-photos.py FOLDER
"""
import os
import struct
import subprocess
import sys

# How each orientation stores the upright picture, in ImageMagick's words.
STOCKAGE = {6: ["-rotate", "-90"], 7: ["-transverse"]}


def app1(orientation, ordre):
    """An Exif APP1 segment whose first directory holds the orientation tag."""
    magie = b"II" if ordre == "<" else b"MM"
    tiff = magie + struct.pack(ordre + "HI", 42, 8)
    tiff += struct.pack(ordre + "H", 1) + struct.pack(ordre + "HHIHH", 0x0112, 3, 1, orientation, 0)
    tiff += struct.pack(ordre + "I", 0)
    corps = b"Exif\0\0" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(corps) + 2) + corps


def avec_segment(jpeg, segment):
    assert jpeg[:2] == b"\xff\xd8"
    return jpeg[:2] + segment + jpeg[2:]


def bmp_v5(largeur, hauteur, pixel):
    """A top-down version 5 bitmap of 32 bits, BGRA fields; pixel(x, y) gives (b, g, r, a)."""
    entete = struct.pack("<IiiHHIIiiII", 124, largeur, -hauteur, 1, 32, 3, largeur * hauteur * 4, 2835, 2835, 0, 0)
    entete += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000) + b"sRGB" + bytes(124 - 60)
    pixels = b"".join(bytes(pixel(x, y)) for y in range(hauteur) for x in range(largeur))
    return b"BM" + struct.pack("<IHHI", 14 + len(entete) + len(pixels), 0, 0, 14 + len(entete)) + entete + pixels


def photo_droite(dossier):
    """The upright test picture, 60 x 90: red, green / blue, yellow quarters."""
    droite = os.path.join(dossier, "droite.png")
    subprocess.run(["convert", "-size", "60x90", "xc:yellow", "-fill", "red", "-draw", "rectangle 0,0 29,44",
                    "-fill", "lime", "-draw", "rectangle 30,0 59,44", "-fill", "blue", "-draw",
                    "rectangle 0,45 29,89", droite], check=True)
    return droite


def main():
    dossier = sys.argv[1]
    os.makedirs(dossier, exist_ok=True)
    droite = photo_droite(dossier)
    for orientation, operations in STOCKAGE.items():
        brut = subprocess.run(["convert", droite] + operations + ["-quality", "95", "jpg:-"], check=True,
                              capture_output=True).stdout
        # Big-endian for the odd ones, little-endian for the even ones: both orders are read.
        ordre = ">" if orientation % 2 else "<"
        with open(os.path.join(dossier, "o%d.jpg" % orientation), "wb") as f:
            f.write(avec_segment(brut, app1(orientation, ordre)))
    subprocess.run(["convert", droite, "-colorspace", "CMYK", "-quality", "95", os.path.join(dossier, "cmyk.jpg")],
                   check=True)
    progressif = subprocess.run(["convert", "-size", "64x64", "xc:gray", "-interlace", "JPEG", "jpg:-"], check=True,
                                capture_output=True).stdout
    sof = progressif.index(b"\xff\xc2")
    geant = progressif[:sof + 5] + struct.pack(">HH", 33300, 22500) + progressif[sof + 9:]
    with open(os.path.join(dossier, "geant-progressif.jpg"), "wb") as f:
        f.write(geant)
    petit = subprocess.run(["convert", "-size", "8x8", "xc:red", "gif:-"], check=True, capture_output=True).stdout
    drapeaux = petit[10]
    table = 3 << ((drapeaux & 7) + 1) if drapeaux & 0x80 else 0
    with open(os.path.join(dossier, "sans-couleurs.gif"), "wb") as f:
        f.write(petit[:10] + bytes([drapeaux & 0x7F]) + petit[11:13] + petit[13 + table:])
    subprocess.run(["convert", "-size", "6000x4000", "gradient:navy-orange", "-quality", "90",
                    os.path.join(dossier, "grande.jpg")], check=True)
    rouge_sans_alpha = lambda x, y: (0, 0, 255, 0)
    moitie_rouge = lambda x, y: (0, 0, 255, 255) if x < 30 else (0, 0, 0, 0)
    for nom, pixel in (("alpha-nul.bmp", rouge_sans_alpha), ("alpha-partiel.bmp", moitie_rouge)):
        with open(os.path.join(dossier, nom), "wb") as f:
            f.write(bmp_v5(60, 40, pixel))
    os.remove(droite)


if __name__ == "__main__":
    main()
