#!/usr/bin/env python3
"""Draws the pointing-hand cursor (main.cur) and the dialog's icon
(options.ico), 16 colours each, beside this script. The outputs are committed;
run this again only to change their pixels."""
import math
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
NOIR, VERT, GRIS, JAUNE, BLEU, CYAN, BLANC = 0, 2, 8, 11, 12, 14, 15

# The hand: '#' outline, 'o' fill, '.' transparent. The finger tip is (12, 1).
MAIN = """
................................
...........##...................
..........#oo#..................
..........#oo#..................
..........#oo#..................
..........#oo#..................
..........#oo###................
..........#oo#oo###.............
..........#oo#oo#oo##...........
..........#oo#oo#oo#o#..........
.......##.#oo#oo#oo#oo#.........
.......#o##ooooooooooo#.........
.......#oo#ooooooooooo#.........
........#ooooooooooooo#.........
........#ooooooooooooo#.........
.........#oooooooooooo#.........
.........#ooooooooooo#..........
..........#oooooooooo#..........
..........#ooooooooo#...........
...........#oooooooo#...........
...........#oooooooo#...........
...........##########...........
""".split()


def image_dib(pixels, masque):
    """A 4-bit DIB as icons and cursors hold it: header, palette, colours, AND mask."""
    taille = len(pixels)
    entete = struct.pack('<IiiHHIIiiII', 40, taille, taille * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    couleurs = b''
    for ligne in reversed(pixels):
        octets = bytes((ligne[i] << 4) | ligne[i + 1] for i in range(0, taille, 2))
        couleurs += octets + b'\0' * (-len(octets) % 4)
    et = b''
    for ligne in reversed(masque):
        bits = 0
        for x, transparent in enumerate(ligne):
            bits |= transparent << (taille - 1 - x)
        octets = bits.to_bytes(taille // 8, 'big')
        et += octets + b'\0' * (-len(octets) % 4)
    return entete + palette + couleurs + et


def fichier(type_, images):
    """images: (pixels, masque, champ1, champ2); the fields are planes and bit
    count for an icon, the hot spot for a cursor."""
    sortie = struct.pack('<HHH', 0, type_, len(images))
    decalage = 6 + 16 * len(images)
    corps = b''
    for pixels, masque, a, b in images:
        dib = image_dib(pixels, masque)
        taille = len(pixels)
        sortie += struct.pack('<BBBBHHII', taille % 256, taille % 256, 16, 0, a, b, len(dib), decalage + len(corps))
        corps += dib
    return sortie + corps


def curseur():
    lignes = MAIN + ['.' * 32] * (32 - len(MAIN))
    pixels = [[NOIR if c == '#' else BLANC if c == 'o' else NOIR for c in ligne] for ligne in lignes]
    masque = [[1 if c == '.' else 0 for c in ligne] for ligne in lignes]
    return fichier(2, [(pixels, masque, 12, 1)])


def icone(taille):
    """A framed landscape: sky, sun, two hills."""
    pixels = []
    for y in range(taille):
        ligne = []
        for x in range(taille):
            u, v = x / taille, y / taille
            if x in (0, taille - 1) or y in (0, taille - 1):
                c = NOIR
            elif x in (1, taille - 2) or y in (1, taille - 2):
                c = GRIS
            elif v > 0.55 + 0.25 * math.sin(u * 3.1) or v > 0.85 - 0.3 * u:
                c = VERT
            elif (u - 0.7) ** 2 + (v - 0.3) ** 2 < 0.02:
                c = JAUNE
            else:
                c = CYAN
            ligne.append(c)
        pixels.append(ligne)
    return pixels, [[0] * taille for _ in range(taille)], 1, 4


if __name__ == '__main__':
    ici = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(ici, 'main.cur'), 'wb') as f:
        f.write(curseur())
    with open(os.path.join(ici, 'options.ico'), 'wb') as f:
        f.write(fichier(1, [icone(32), icone(16)]))
