#!/usr/bin/env python3
"""Folders of many files, for the listing's tests and benchmark:
   make-folders.py DEST PICTURE COUNT...
DEST/N holds N files: the first a copy of PICTURE (so a tick has something
to show), the others empty pictures in name only."""
import os
import shutil
import sys


def main():
    dest, image = sys.argv[1], sys.argv[2]
    for compte in map(int, sys.argv[3:]):
        dossier = os.path.join(dest, str(compte))
        if os.path.isdir(dossier) and len(os.listdir(dossier)) == compte:
            continue
        shutil.rmtree(dossier, ignore_errors=True)
        os.makedirs(dossier)
        shutil.copy(image, os.path.join(dossier, "000000.bmp"))
        for n in range(1, compte):
            open(os.path.join(dossier, "%06d.bmp" % n), "wb").close()


if __name__ == "__main__":
    main()
