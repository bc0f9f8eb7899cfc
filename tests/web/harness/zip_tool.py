#!/usr/bin/env python3
"""Zip files for the upload stories, made and read with Python's own zipfile
module, so the page's zip library is checked against another one:
  zip_tool.py list IN.zip            JSON {name: sha256} of every entry
  zip_tool.py empty N OUT.zip        N empty .alg entries
  zip_tool.py lying OUT.zip          one entry inflating to 64 MiB whose
                                     headers claim 1,000 bytes
  zip_tool.py large OUT.zip          40 entries of 4 MiB each (160 MiB)
  zip_tool.py names OUT.zip          names with folders, '..', odd characters
  zip_tool.py folder DIR OUT.zip     every file below DIR, by its path there
"""
import hashlib
import json
import os
import struct
import sys
import zipfile

ALG = b"*************************************\r\n*    Quovadrin Algorithmus Datei    *\r\n" \
      b"*************************************\r\n\r\nZeichne Kreis\r\n"


def list_entries(path):
    with zipfile.ZipFile(path) as archive:
        print(json.dumps({info.filename: hashlib.sha256(archive.read(info)).hexdigest()
                          for info in archive.infolist() if not info.is_dir()}))


def empty(count, path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
        for number in range(count):
            archive.writestr("e%06d.alg" % number, b"")


def lying(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("klein.alg", b"\r\n" * (32 << 20))
    data = bytearray(open(path, "rb").read())
    # The uncompressed size: offset 22 of the local header, 24 of the
    # central directory's entry.
    struct.pack_into("<I", data, 22, 1000)
    central = data.rindex(b"PK\x01\x02")
    struct.pack_into("<I", data, central + 24, 1000)
    open(path, "wb").write(data)


def large(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for number in range(40):
            archive.writestr("gross%02d.alg" % number, b"\r\n" * (2 << 20))


def names(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("../../boese.alg", ALG)
        archive.writestr("ordner/unter/tief.alg", ALG)
        archive.writestr("a<b>|c.alg", ALG)
        archive.writestr("CON.alg", ALG)
        archive.writestr("__MACOSX/._tief.alg", b"\0\5\26\7")
        archive.writestr("ordner/bild.png", b"kein Bild")
        archive.writestr("notiz.txt", b"Hallo")


def folder(top, path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for at, _, names in sorted(os.walk(top)):
            for name in sorted(names):
                whole = os.path.join(at, name)
                archive.write(whole, os.path.relpath(whole, top))


def main():
    command = sys.argv[1]
    if command == "list":
        list_entries(sys.argv[2])
    elif command == "folder":
        folder(sys.argv[2], sys.argv[3])
    elif command == "empty":
        empty(int(sys.argv[2]), sys.argv[3])
    else:
        {"lying": lying, "large": large, "names": names}[command](sys.argv[2])


if __name__ == "__main__":
    main()
