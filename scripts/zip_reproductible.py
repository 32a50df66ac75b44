#!/usr/bin/python3
"""Writes a ZIP again so that the same files give the same bytes: its
entries in name order, each dated from the commit (UTC), with no extra
field (CPack's libarchive records each file's access and change times
there, which no build can fix).
    zip_reproductible.py ZIP EPOCH"""
import sys
import time
import zipfile


def main(chemin, epoque):
    date = time.gmtime(max(int(epoque), 315532800))[:6]  # a ZIP's dates start in 1980
    with zipfile.ZipFile(chemin) as ancien:
        entrees = [(i, ancien.read(i)) for i in sorted(ancien.infolist(), key=lambda i: i.filename)]
    with zipfile.ZipFile(chemin, "w") as nouveau:
        for ancienne, octets in entrees:
            entree = zipfile.ZipInfo(ancienne.filename, date)
            entree.create_system = 3
            entree.external_attr = ancienne.external_attr
            entree.compress_type = zipfile.ZIP_DEFLATED
            nouveau.writestr(entree, octets, compresslevel=9)


if __name__ == "__main__":
    main(*sys.argv[1:])
