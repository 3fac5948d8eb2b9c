#!/usr/bin/env python3
"""The zip as an unpacker on Windows reads it: zip_test.py ZIP PROGRAM ZCONF DOC_DIR

It holds exactly the program, zconf and Doc\\ with the two documents, byte for byte as built,
and every name that is not plain ASCII carries the flag that says it is UTF-8 (without it
Windows shows the installation manual's Cyrillic name garbled).
"""
import pathlib
import sys
import zipfile

UTF8_NAME = 0x800


def main(zip_path, program, zconf, doc_dir):
    doc_dir = pathlib.Path(doc_dir)
    expected = {
        "zurerizeda.exe": pathlib.Path(program).read_bytes(),
        "zconf.exe": pathlib.Path(zconf).read_bytes(),
        "Doc/Help.pdf": (doc_dir / "Help.pdf").read_bytes(),
        "Doc/Установка и настройка VELTO Gateway.pdf":
            (doc_dir / "Установка и настройка VELTO Gateway.pdf").read_bytes(),
    }
    failures = []
    with zipfile.ZipFile(zip_path) as archive:
        entries = [e for e in archive.infolist() if not e.is_dir()]
        names = sorted(e.filename for e in entries)
        if names != sorted(expected):
            failures.append("files %s, expected %s" % (names, sorted(expected)))
        for entry in entries:
            if entry.filename in expected and archive.read(entry) != expected[entry.filename]:
                failures.append("%s differs from the built file" % entry.filename)
            if not entry.filename.isascii() and not entry.flag_bits & UTF8_NAME:
                failures.append("%s is not flagged as UTF-8" % entry.filename)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
