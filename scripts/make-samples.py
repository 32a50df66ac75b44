#!/usr/bin/python3
"""Makes the sample pictures in samples/: a few of every type the screensaver
lists (bitmap, DIB, GIF, JPEG, Windows metafile, enhanced metafile, cursor,
icon, PNG), small enough to commit. Needs Debian's python3-pil for GIF and JPEG."""
import math
import os
import struct

from PIL import Image, ImageDraw

ICI = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'samples')


def paysage(largeur, hauteur, teinte):
    """A sky, a sun and hills: easy to tell apart and to see when cropped."""
    image = Image.new('RGB', (largeur, hauteur))
    d = ImageDraw.Draw(image)
    for y in range(hauteur):
        t = y / hauteur
        d.line([(0, y), (largeur, y)], fill=(int(60 + 120 * t), int(120 + 80 * t), int(255 - 60 * t * teinte)))
    r = min(largeur, hauteur) // 8
    d.ellipse([largeur * 0.7 - r, hauteur * 0.25 - r, largeur * 0.7 + r, hauteur * 0.25 + r], fill=(255, 220, 0))
    points = [(x, hauteur * (0.65 + 0.12 * math.sin(x / largeur * 6.3 * teinte))) for x in range(0, largeur + 1, 4)]
    d.polygon(points + [(largeur, hauteur), (0, hauteur)], fill=(40, int(140 - 30 * teinte), 60))
    d.rectangle([0, 0, largeur - 1, hauteur - 1], outline=(255, 255, 255), width=max(1, largeur // 100))
    return image


def vitrail(taille):
    """A PNG's own: a disc of stained glass, half see-through, on nothing at all."""
    image = Image.new('RGBA', (taille, taille), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    for i, teinte in enumerate([(220, 40, 40), (40, 160, 60), (40, 80, 220), (240, 200, 0)]):
        d.pieslice([0, 0, taille - 1, taille - 1], 90 * i, 90 * (i + 1), fill=teinte + (160 + 30 * i,))
    d.ellipse([taille // 3, taille // 3, 2 * taille // 3, 2 * taille // 3], fill=(255, 255, 255, 255))
    return image


def wmf(chemin, unites_par_pouce=1440):
    """A placeable metafile, 3 x 2 inches: a frame, a disc and a triangle."""
    def enregistrement(fonction, *mots):
        return struct.pack('<IH', 3 + len(mots), fonction) + struct.pack('<%dh' % len(mots), *mots)

    largeur, hauteur = 3 * unites_par_pouce, 2 * unites_par_pouce
    corps = b''.join([
        enregistrement(0x0103, 8),                                   # SetMapMode MM_ANISOTROPIC
        enregistrement(0x020B, 0, 0),                                # SetWindowOrg
        enregistrement(0x020C, hauteur, largeur),                    # SetWindowExt
        enregistrement(0x02FC, 0, 0x6633, 0x00CC, 0),                # CreateBrushIndirect solid
        enregistrement(0x012D, 0),                                   # SelectObject
        enregistrement(0x041B, hauteur, largeur, 0, 0),              # Rectangle
        enregistrement(0x02FC, 0, 0x00FF, 0x00FF, 0),                # yellow brush
        enregistrement(0x012D, 1),
        enregistrement(0x0418, hauteur * 3 // 4, largeur // 2, hauteur // 4, largeur // 5),  # Ellipse
        enregistrement(0x0324, 3, largeur // 2, hauteur - 100, largeur - 100, hauteur - 100,
                       largeur * 3 // 4, hauteur // 3),               # Polygon
        enregistrement(0x01F0, 0),                                   # DeleteObject
        enregistrement(0x01F0, 1),
    ])
    fin = struct.pack('<IH', 3, 0)
    mots = (18 + len(corps) + len(fin)) // 2
    entete = struct.pack('<HHHIHIH', 1, 9, 0x300, mots, 2, 8, 0)
    placable = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, 0, 0, largeur, hauteur, unites_par_pouce, 0)
    somme = 0
    for (mot,) in struct.iter_unpack('<H', placable):
        somme ^= mot
    placable += struct.pack('<H', somme)
    with open(chemin, 'wb') as f:
        f.write(placable + entete + corps + fin)


def emf(chemin, largeur_mm, hauteur_mm):
    """An enhanced metafile of the given frame: a frame, a disc, a rectangle."""
    px = lambda mm: int(mm * 96 / 25.4)
    l, h = px(largeur_mm), px(hauteur_mm)
    enr = lambda type_, donnees: struct.pack('<II', type_, 8 + len(donnees)) + donnees
    corps = b''.join([
        enr(39, struct.pack('<IIII', 1, 0, 0x00336699, 0)),          # CreateBrushIndirect
        enr(37, struct.pack('<I', 1)),                               # SelectObject
        enr(43, struct.pack('<iiii', 0, 0, l, h)),                   # Rectangle
        enr(39, struct.pack('<IIII', 2, 0, 0x0000CCFF, 0)),
        enr(37, struct.pack('<I', 2)),
        enr(42, struct.pack('<iiii', l // 5, h // 4, l // 2, h * 3 // 4)),  # Ellipse
        enr(43, struct.pack('<iiii', l * 3 // 5, h // 3, l * 9 // 10, h * 9 // 10)),
        enr(40, struct.pack('<I', 1)),                               # DeleteObject
        enr(40, struct.pack('<I', 2)),
    ])
    fin = enr(14, struct.pack('<III', 0, 16, 20))                    # EOF
    taille_entete = 88
    total = taille_entete + len(corps) + len(fin)
    entete = struct.pack('<II4i4iIIIIHHIII2i2i', 1, taille_entete, 0, 0, l - 1, h - 1,
                         0, 0, largeur_mm * 100, hauteur_mm * 100, 0x464D4520, 0x10000, total, 11, 3, 0, 0, 0, 0,
                         1920, 1080, 508, 286)
    with open(chemin, 'wb') as f:
        f.write(entete + corps + fin)


def icone(chemin, taille, curseur=None):
    """A 32-bit icon or cursor with its AND mask; round, so the mask matters."""
    pixels = b''
    masque = b''
    for y in reversed(range(taille)):
        ligne_masque = 0
        for x in range(taille):
            dx, dy = x - taille / 2 + 0.5, y - taille / 2 + 0.5
            dedans = dx * dx + dy * dy < (taille / 2 - 1) ** 2
            if dedans:
                pixels += struct.pack('<BBBB', 40, int(255 * x / taille), int(255 * y / taille), 255)
            else:
                pixels += b'\0\0\0\0'
                ligne_masque |= 1 << (taille - 1 - x)
        octets = ligne_masque.to_bytes(taille // 8, 'big')
        masque += octets + b'\0' * (-len(octets) % 4)
    dib = struct.pack('<IiiHHIIiiII', 40, taille, taille * 2, 1, 32, 0, 0, 0, 0, 0, 0) + pixels + masque
    type_, a, b = (2, *curseur) if curseur else (1, 1, 32)
    with open(chemin, 'wb') as f:
        f.write(struct.pack('<HHH', 0, type_, 1) +
                struct.pack('<BBBBHHII', taille % 256, taille % 256, 0, 0, a, b, len(dib), 22) + dib)


if __name__ == '__main__':
    os.makedirs(ICI, exist_ok=True)
    paysage(160, 120, 1.0).save(os.path.join(ICI, 'colline.bmp'))
    paysage(120, 160, 2.0).save(os.path.join(ICI, 'portrait.bmp'))
    paysage(200, 100, 1.5).save(os.path.join(ICI, 'bande.dib'), format='BMP')
    paysage(240, 180, 0.5).quantize(64).save(os.path.join(ICI, 'vallee.gif'))
    paysage(1600, 1200, 1.0).save(os.path.join(ICI, 'grand paysage.jpg'), quality=70)
    paysage(320, 240, 2.5).save(os.path.join(ICI, 'photo été 写真.jpg'), quality=85)
    paysage(300, 300, 3.0).save(os.path.join(ICI, 'carre.JPEG'), quality=85)
    wmf(os.path.join(ICI, 'dessin.wmf'))
    emf(os.path.join(ICI, 'schema.emf'), 80, 50)
    icone(os.path.join(ICI, 'rond.ico'), 48)
    icone(os.path.join(ICI, 'viseur.cur'), 32, curseur=(16, 16))
    vitrail(200).save(os.path.join(ICI, 'vitrail.png'), optimize=True)
    with open(os.path.join(ICI, 'lisez-moi.txt'), 'w', encoding='utf-8') as f:
        f.write('Images d\'exemple de PixavueSCR, faites par scripts/make-samples.py.\n'
                'Ce fichier texte n\'est pas une image : la liste de l\'écran de veille le laisse de côté.\n')
