#!/usr/bin/python3
"""Gives a Windows Installer package built by wixl what a build can't draw
at random: its package code (the summary's revision number) and its dates
(created, last saved) from the commit. wixl draws the first and takes the
second from the clock. The summary stream is rewritten in place, at its own
size.
    dater_msi.py PACKAGE CODE EPOCH"""
import struct
import sys

import olefile

FLUX = "\x05SummaryInformation"
VT_LPSTR, VT_FILETIME = 30, 64
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13


def main(chemin, code, epoque):
    filetime = (int(epoque) + 11644473600) * 10_000_000
    with olefile.OleFileIO(chemin, write_mode=True) as msi:
        donnees = bytearray(msi.openstream(FLUX).read())
        # The property set's first section: its offset, then its properties.
        (section,) = struct.unpack_from("<I", donnees, 44)
        (nombre,) = struct.unpack_from("<I", donnees, section + 4)
        for i in range(nombre):
            pid, decalage = struct.unpack_from("<II", donnees, section + 8 + 8 * i)
            valeur = section + decalage
            (genre,) = struct.unpack_from("<I", donnees, valeur)
            if pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM) and genre == VT_FILETIME:
                struct.pack_into("<Q", donnees, valeur + 4, filetime)
            if pid == PID_REVNUMBER and genre == VT_LPSTR:
                (longueur,) = struct.unpack_from("<I", donnees, valeur + 4)
                texte = ("{%s}" % code.upper()).encode("ascii") + b"\0"
                if len(texte) != longueur:
                    sys.exit("dater_msi: the revision number is %d bytes, not %d" % (longueur, len(texte)))
                donnees[valeur + 8 : valeur + 8 + longueur] = texte
        msi.write_stream(FLUX, bytes(donnees))


if __name__ == "__main__":
    main(*sys.argv[1:])
