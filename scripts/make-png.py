#!/usr/bin/env python3
"""Test PNGs, written by hand chunk by chunk:
- c{type}-{depth}[-i][-t].png: 13 x 11 pictures in every colour type and bit
  depth the format allows, interlaced (-i) or not, with transparency (-t: a
  tRNS chunk for grey, colour and palette pictures; an alpha that varies for
  the others, which are opaque without it);
- point-i.png, trois-i.png: interlaced 1 x 1 and 3 x 2, whose passes are
  mostly empty;
- anime.png: an animation whose default image is red and whose one frame
  is green;
- crc-faux.png: a red picture whose image data has a bad CRC;
- geant.png: 9,000 x 8,000 in grey, 288 MB at four bytes a pixel;
- geant-entrelace.png: the same size, interlaced, its data a stub.

  make-png.py FOLDER
"""
import os
import struct
import sys
import zlib

CANAUX = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
PROFONDEURS = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))


def morceau(type_, corps, crc_faux=False):
    crc = zlib.crc32(type_ + corps) ^ (1 if crc_faux else 0)
    return struct.pack(">I", len(corps)) + type_ + corps + struct.pack(">I", crc)


def ligne(echantillons, profondeur):
    """One row's samples packed as the format stores them, behind filter 0."""
    if profondeur == 16:
        return b"\0" + b"".join(struct.pack(">H", v) for v in echantillons)
    if profondeur == 8:
        return b"\0" + bytes(echantillons)
    octets, acc, bits = bytearray(b"\0"), 0, 0
    for v in echantillons:
        acc, bits = acc << profondeur | v, bits + profondeur
        if bits == 8:
            octets.append(acc)
            acc, bits = 0, 0
    if bits:
        octets.append(acc << (8 - bits))
    return bytes(octets)


def donnees(largeur, hauteur, profondeur, pixel, entrelace):
    """The filtered rows, pass by pass when interlaced."""
    passes = ADAM7 if entrelace else ((0, 0, 1, 1),)
    brut = b""
    for x0, y0, dx, dy in passes:
        colonnes = range(x0, largeur, dx)
        if not colonnes:
            continue
        for y in range(y0, hauteur, dy):
            brut += ligne([v for x in colonnes for v in pixel(x, y)], profondeur)
    return brut


def png(largeur, hauteur, profondeur, type_, idat, avant=b"", entrelace=False, apres=b""):
    entete = struct.pack(">IIBBBBB", largeur, hauteur, profondeur, type_, 0, 0, 1 if entrelace else 0)
    return (b"\x89PNG\r\n\x1a\n" + morceau(b"IHDR", entete) + avant + morceau(b"IDAT", idat) + apres +
            morceau(b"IEND", b""))


def echantillon(x, y, k, maximum):
    return (x * k + y * (k // 3 + 1)) * 2654435761 % (maximum + 1)


def cas(type_, profondeur, entrelace, transparent):
    maximum = (1 << profondeur) - 1
    avant = b""
    if type_ == 3:
        couleurs = min(1 << profondeur, 200)
        avant = morceau(b"PLTE", bytes((i * 97 % 256, i * 41 % 256, 255 - i * 13 % 256)[c] for i in range(couleurs)
                                       for c in range(3)))
        if transparent:  # a few entries, each a different alpha; the rest opaque
            avant += morceau(b"tRNS", bytes(i * 85 % 256 for i in range(min(couleurs, 3))))
        pixel = lambda x, y: (echantillon(x, y, 7, maximum) % couleurs,)
    else:
        pixel = lambda x, y: tuple(echantillon(x, y, 5 + 6 * c, maximum) for c in range(CANAUX[type_]))
        if transparent and type_ in (0, 2):  # the colour of one pixel, wherever it appears
            avant = morceau(b"tRNS", b"".join(struct.pack(">H", v) for v in pixel(1, 1)))
        elif not transparent and type_ in (4, 6):
            opaque = pixel
            pixel = lambda x, y: opaque(x, y)[:-1] + (maximum,)
    return png(13, 11, profondeur, type_, zlib.compress(donnees(13, 11, profondeur, pixel, entrelace)), avant,
               entrelace)


def main():
    dossier = sys.argv[1]
    os.makedirs(dossier, exist_ok=True)

    def ecrire(nom, octets):
        with open(os.path.join(dossier, nom), "wb") as f:
            f.write(octets)

    for type_, profondeurs in PROFONDEURS.items():
        for profondeur in profondeurs:
            for entrelace in (False, True):
                for transparent in (False, True):
                    nom = "c%d-%d%s%s.png" % (type_, profondeur, "-i" if entrelace else "", "-t" if transparent else "")
                    ecrire(nom, cas(type_, profondeur, entrelace, transparent))
    for nom, largeur, hauteur in (("point-i.png", 1, 1), ("trois-i.png", 3, 2)):
        pixel = lambda x, y: (255 * (x % 2), 128, 255 * (y % 2), 200)
        ecrire(nom, png(largeur, hauteur, 8, 6, zlib.compress(donnees(largeur, hauteur, 8, pixel, True)), b"", True))

    rouge = zlib.compress(donnees(8, 8, 8, lambda x, y: (255, 0, 0), False))
    vert = zlib.compress(donnees(8, 8, 8, lambda x, y: (0, 255, 0), False))
    controle = morceau(b"acTL", struct.pack(">II", 1, 0))
    image = morceau(b"fcTL", struct.pack(">IIIIIHHBB", 0, 8, 8, 0, 0, 1, 10, 0, 0))
    ecrire("anime.png", png(8, 8, 8, 2, rouge, controle, apres=image + morceau(b"fdAT", struct.pack(">I", 1) + vert)))
    ecrire("crc-faux.png", png(8, 8, 8, 2, rouge).replace(morceau(b"IDAT", rouge), morceau(b"IDAT", rouge, True)))

    largeur, hauteur = 9000, 8000
    compression = zlib.compressobj(9)
    rangee = b"\0" + bytes(x * 255 // largeur for x in range(largeur))
    idat = b"".join(compression.compress(rangee) for _ in range(hauteur)) + compression.flush()
    ecrire("geant.png", png(largeur, hauteur, 8, 0, idat))
    ecrire("geant-entrelace.png", png(largeur, hauteur, 8, 6, zlib.compress(b"\0" * 64), entrelace=True))


if __name__ == "__main__":
    main()
