#!/usr/bin/env python3
"""The floors of the code: each folder includes only from its own floor and those below it, and
the portable part of a folder includes no Windows header (zconf keeps its own behind _WIN32).

    floors_check.py SOURCE_DIR

Prints every include that breaks the rule (file, line, the header) and ends with 1 when there
is one.
"""
import pathlib
import re
import sys

# What each floor may include. zconf takes blocks/' portable rules, not its windows.
ALLOWED = {
    "config": {"config"},
    "service": {"config", "service"},
    "ui": {"config", "ui"},
    "blocks": {"config", "ui", "blocks"},
    "app": {"config", "service", "ui", "blocks", "app"},
    "tools/zconf": {"config", "service", "blocks", "tools/zconf"},
}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+([<"])([^">]+)[">]', re.M)
WINDOWS_HEADERS = {"windows.h", "commctrl.h", "commdlg.h", "winsvc.h", "shellapi.h", "oleacc.h"}


def floor_of(path):
    for floor in sorted(ALLOWED, key=len, reverse=True):
        if path.startswith(floor + "/"):
            return floor
    return None


def windows_only(path):
    return "/win32/" in path or path.endswith("_win32.cpp") or path.startswith("ui/")


def main(root):
    root = pathlib.Path(root)
    sources = sorted(p.relative_to(root).as_posix() for p in root.rglob("*") if p.suffix in (".h", ".cpp"))
    sources = [s for s in sources if floor_of(s)]
    wrong = []
    for source in sources:
        floor = floor_of(source)
        text = (root / source).read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            line = text.count("\n", 0, match.start()) + 1
            bracket, name = match.groups()
            if bracket == "<":
                if name.lower() in WINDOWS_HEADERS and floor != "tools/zconf" and not windows_only(source):
                    wrong.append(f"{source}:{line}: <{name}> in a portable file")
                continue
            here = (pathlib.PurePosixPath(source).parent / name).as_posix()
            found = [s for s in sources if s == here] or [s for s in sources if s == name or s.endswith("/" + name)]
            for header in found[:1]:
                theirs = floor_of(header)
                if theirs not in ALLOWED[floor] or (floor == "tools/zconf" and windows_only(header)
                                                    and theirs == "blocks"):
                    wrong.append(f"{source}:{line}: includes {header}, not on {floor}/'s floor or below")
    print("\n".join(wrong) if wrong else f"{len(sources)} sources: every include on its floor or below")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
