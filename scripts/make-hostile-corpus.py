#!/usr/bin/env python3
"""Makes a corpus of broken and hostile pictures of every listed type from the
samples: truncated, bit-flipped headers, absurd dimensions, zero sizes,
metafiles with absurd record counts and sizes, TIFFs that lie, text under
picture names.
Nothing in it may crash or hang the screensaver.
    make-hostile-corpus.py SAMPLES_DIR OUTPUT_DIR"""
import os
import random
import struct
import sys
import zlib

echantillons, sortie = sys.argv[1], sys.argv[2]
os.makedirs(sortie, exist_ok=True)
for ancien in os.listdir(sortie):
    os.remove(os.path.join(sortie, ancien))
hasard = random.Random(20261206)


def ecrire(nom, octets):
    with open(os.path.join(sortie, nom), 'wb') as f:
        f.write(octets)


def lire(nom):
    with open(os.path.join(echantillons, nom), 'rb') as f:
        return bytearray(f.read())


def remplacer(octets, position, format_, *valeurs):
    copie = bytearray(octets)
    struct.pack_into(format_, copie, position, *valeurs)
    return bytes(copie)


SAMPLES = ['colline.bmp', 'bande.dib', 'vallee.gif', 'photo été 写真.jpg', 'dessin.wmf', 'schema.emf', 'rond.ico',
           'viseur.cur', 'vitrail.png']

# Truncations and bit flips of every type.
for nom in SAMPLES:
    base, ext = os.path.splitext(nom)
    base = base.split(' ')[0]
    o = lire(nom)
    for fraction in (0, 0.02, 0.1, 0.5, 0.9):
        ecrire('coupe-%d-%s%s' % (int(fraction * 100), base, ext), bytes(o[:max(1, int(len(o) * fraction))]))
    for i in range(6):
        copie = bytearray(o)
        for _ in range(3):
            position = hasard.randrange(min(len(copie), 128))
            copie[position] ^= 1 << hasard.randrange(8)
        ecrire('bits-%d-%s%s' % (i, base, ext), bytes(copie))

# Dimensions far beyond anything shown, and zero.
bmp = lire('colline.bmp')
for l, h, nom in ((60000, 60000, 'bmp-60000'), (70000, 70000, 'bmp-70000'), (0, 0, 'bmp-zero'),
                  (-5, 120, 'bmp-negative'), (2 ** 31 - 1, 1, 'bmp-max')):
    ecrire(nom + '.bmp', remplacer(bmp, 18, '<ii', l, h))
gif = lire('vallee.gif')
ecrire('gif-65535.gif', remplacer(gif, 6, '<HH', 65535, 65535))
ecrire('gif-zero.gif', remplacer(gif, 6, '<HH', 0, 0))
jpeg = lire('photo été 写真.jpg')
sof = next(i for i in range(len(jpeg) - 1) if jpeg[i] == 0xFF and jpeg[i + 1] in (0xC0, 0xC2))
for l, h, nom in ((60000, 60000, 'jpeg-60000'), (65535, 65535, 'jpeg-65535'), (0, 0, 'jpeg-zero')):
    ecrire(nom + '.jpg', remplacer(jpeg, sof + 5, '>HH', h, l))
ico = lire('rond.ico')
ecrire('ico-taille-geante.ico', remplacer(ico, 6 + 8, '<I', 0x7FFFFFFF))
ecrire('ico-decalage-dehors.ico', remplacer(ico, 6 + 12, '<I', 0x7FFFFFF0))
ecrire('ico-zero-images.ico', remplacer(ico, 4, '<H', 0))
ecrire('ico-65535-images.ico', remplacer(ico, 4, '<H', 65535))
ecrire('ico-dib-geant.ico', remplacer(ico, 22 + 4, '<ii', 60000, 120000))
png = lire('vitrail.png')
def png_entete(largeur, hauteur, entrelace):  # IHDR changed, its CRC mended: only the size lies
    entete = struct.pack('>IIBBBBB', largeur, hauteur, 8, 6, 0, 0, entrelace)
    return bytes(png[:16]) + entete + struct.pack('>I', zlib.crc32(b'IHDR' + entete)) + bytes(png[33:])
for l, h, entrelace, nom in ((2 ** 31 - 1, 2 ** 31 - 1, 0, 'png-max'), (60000, 60000, 1, 'png-60000-entrelace'),
                             (60000, 60000, 0, 'png-60000'), (0, 0, 0, 'png-zero')):
    ecrire(nom + '.png', png_entete(l, h, entrelace))
cur = lire('viseur.cur')
ecrire('cur-zero.cur', remplacer(cur, 22 + 4, '<ii', 0, 0))

# Metafiles: absurd counts and sizes, missing headers.
wmf = lire('dessin.wmf')
ecrire('wmf-sans-placable.wmf', bytes(wmf[22:]))
ecrire('wmf-unite-zero.wmf', remplacer(wmf, 14, '<H', 0))
ecrire('wmf-boite-vide.wmf', remplacer(wmf, 6, '<hhhh', 0, 0, 0, 0))
ecrire('wmf-objets-65535.wmf', remplacer(wmf, 22 + 10, '<H', 65535))
ecrire('wmf-taille-geante.wmf', remplacer(wmf, 22 + 6, '<I', 0x7FFFFFFF))
ecrire('wmf-record-geant.wmf', remplacer(wmf, 40, '<I', 0x7FFFFFFF))
ecrire('wmf-record-nul.wmf', remplacer(wmf, 40, '<I', 0))
polygone = 22 + 18 + 8 + 10 + 10 + 14 + 8 + 14 + 14 + 8 + 14
ecrire('wmf-polygone-65535.wmf', remplacer(wmf, polygone + 6, '<H', 65535))
emf = lire('schema.emf')
ecrire('emf-octets-geants.emf', remplacer(emf, 48, '<I', 0x7FFFFFFC))
ecrire('emf-records-geants.emf', remplacer(emf, 52, '<I', 0xFFFFFFFF))
ecrire('emf-poignees-zero.emf', remplacer(emf, 56, '<H', 0))
ecrire('emf-cadre-vide.emf', remplacer(emf, 24, '<iiii', 0, 0, 0, 0))
ecrire('emf-record-impair.emf', remplacer(emf, 88 + 4, '<I', 26))
ecrire('emf-record-geant.emf', remplacer(emf, 88 + 4, '<I', 0x7FFFFFF0))
ecrire('emf-objet-dehors.emf', remplacer(emf, 88 + 24 + 8, '<I', 1000))

# Valid but hostile: as many records as the limits allow, each cheap to
# check and costly to draw.
def emf_hostile(nombre):
    enr = lambda t, d: struct.pack('<II', t, 8 + len(d)) + d
    corps = b''.join(enr(42, struct.pack('<iiii', i % 300, i % 200, 300 - i % 300, 200 - i % 200))
                     for i in range(nombre))
    fin = enr(14, struct.pack('<III', 0, 16, 20))
    total = 88 + len(corps) + len(fin)
    entete = struct.pack('<II4i4iIIIIHHIII2i2i', 1, 88, 0, 0, 300, 200, 0, 0, 8000, 5000, 0x464D4520,
                         0x10000, total, nombre + 2, 1, 0, 0, 0, 0, 1920, 1080, 508, 286)
    return entete + corps + fin

ecrire('emf-199999-ellipses.emf', emf_hostile(199_999))
ecrire('emf-trop-de-records.emf', emf_hostile(250_000))

# TIFFs from the corpus's own writer, which only the system's codecs read:
# an 8 x 8 grey strip, then sizes that lie, cuts, offsets past the end, a
# chain of pages that loops.
def tiff(largeur=8, hauteur=8, debut_bande=None, octets_bande=64, suivante=0, ifd=8):
    entrees = [(256, 4, largeur), (257, 4, hauteur), (258, 3, 8), (259, 3, 1), (262, 3, 1),
               (273, 4, debut_bande if debut_bande is not None else 8 + 2 + 12 * 8 + 4), (278, 4, hauteur),
               (279, 4, octets_bande)]
    repertoire = struct.pack('<H', len(entrees)) + b''.join(
        struct.pack('<HHII', etiquette, genre, 1, valeur) if genre == 4 else struct.pack('<HHIHH', etiquette, genre, 1,
                                                                                            valeur, 0)
        for etiquette, genre, valeur in entrees) + struct.pack('<I', suivante)
    return b'II*\0' + struct.pack('<I', ifd) + repertoire + bytes(range(64))

ecrire('tiff-bon.tif', tiff())
for nom, octets in (('tiff-max', tiff(2 ** 31 - 1, 2 ** 31 - 1)), ('tiff-60000', tiff(60000, 60000)),
                    ('tiff-zero', tiff(0, 0)), ('tiff-bande-dehors', tiff(debut_bande=1 << 30)),
                    ('tiff-bande-enorme', tiff(octets_bande=0xFFFFFFF0)), ('tiff-ifd-dehors', tiff(ifd=1 << 30)),
                    ('tiff-boucle', tiff(suivante=8)), ('tiff-coupe', tiff()[:60]), ('tiff-entete', tiff()[:8])):
    ecrire(nom + '.tif', octets)

# Not pictures at all.
texte = 'Ceci est du texte, pas une image.\n'.encode() * 40
for ext in ('jpg', 'bmp', 'gif', 'wmf', 'emf', 'ico', 'cur', 'dib', 'png', 'tif'):
    ecrire('texte.' + ext, texte)
    ecrire('vide.' + ext, b'')
