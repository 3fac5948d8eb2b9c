#!/usr/bin/env python3
"""Reads the two built help documents back as their readers get them and checks what they hold.

- The text of every page (pdftotext): the page captions in both documents; in the manual every
  text the program shows, taken from the program's own text headers, so that a message added to
  the program and missing from the manual fails here; in the installation guide the MSI and zip
  steps and every zconf command.
- The pictures (pdfimages): every picture a document's source names is in the PDF, at the size
  of the PNG file in docs/pictures (a picture the converter could not find is silently left out);
  all of both documents printed at one scale, the widest one across the text.
- What a reader copies: every package name carries the project's version; every line of a code
  block is one whole line of the extracted text, and no word of inline code (a command, an
  option, a path) or "H.323" and its kin is broken between two lines.

usage: check_pdfs.py DOC_DIR SOURCE_DIR VERSION
"""
import re
import struct
import subprocess
import sys
from pathlib import Path

MANUAL = "Help.pdf"
SETUP = "Установка и настройка VELTO Gateway.pdf"
SOURCES = {MANUAL: ["help"], SETUP: ["setup", "setup-zconf", "setup-many"]}

# The text headers whose every string the manual must hold, and the constants that are no text
# the user reads as such: hints (the manual describes the fields instead of quoting them), the
# labels drawn on the sound diagram, the names the comparisons give fields (the manual's tables
# name them as the pages show them), resource names.
TEXT_HEADERS = [
    "config/messages.h",
    "config/page_fields.h",
    "config/page_texts.h",
    "config/change_texts.h",
    "ui/ui_texts.h",
    "app/app_texts.h",
    "blocks/block_texts.h",
    "service/service_texts.h",
]
NOT_QUOTED = re.compile(r"^k(Hint|Diagram|ProgressClip|Field)")

PAGE_CAPTIONS = ["kNavTrl", "kNavNetwork", "kNavVoice", "kNavAdd", "kNavService"]

# What the installation guide must tell: the MSI, silent, with its folder, the uninstall, the
# zip, the files that stay, and the whole command line of zconf.
SETUP_TEXTS = [
    "zurerizeda-{version}-x64.msi", "zurerizeda-{version}-x64.zip", "msiexec /i", "/qn", "INSTALLDIR=",
    "ADD_TO_PATH=0", "msiexec /fa", "msiexec /x", "zidezir.conf", "voice.ini", "Zurerizeda.ini",
    "Настройка шлюза VELTO Gateway",
]
PACKAGE_NAME = re.compile(r"zurerizeda-([^\s]*?)-x64\.(?:msi|zip)")
UNBREAKABLE_NAMES = re.compile(r"H\.\n(?:323|235|245)")
# The widest picture spans the text: A4 less the margins, as a share of the page's width.
TEXT_SHARE = 0.78
ZCONF_COMMANDS = [
    "get", "set", "check", "blocks", "block-add", "block-set", "block-remove", "units", "unit-add",
    "unit-remove", "dump", "save", "voice-rebuild", "remove-block", "service status", "service start",
    "service stop", "service restart", "service start-type", "help", "--version", "export", "apply",
]

TOKEN = re.compile(r'"(?:[^"\\\n]|\\.)*"|//[^\n]*|/\*.*?\*/', re.S)
CONSTANT = re.compile(r"\b(k\w+)\s*(?:=|\{)")
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "'": "'"}


def unescape(literal):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), literal[1:-1])


def header_texts(path):
    """{constant name: [texts]} of one header. Adjacent literals are one text; a literal belongs
    to the constant whose definition (kName = or kName{) it stands in, and literals outside any
    (inside a function) are listed under the empty name."""
    source = "\n".join(line for line in path.read_text(encoding="utf-8").splitlines()
                       if not line.lstrip().startswith("#"))
    texts, owner, pending, last_end = {}, "", None, 0

    def flush():
        nonlocal pending
        if pending is not None:
            texts.setdefault(pending[0], []).append(pending[1])
            pending = None

    for m in TOKEN.finditer(source):
        code = source[last_end:m.start()]
        last_end = m.end()
        if code.strip():
            flush()
        for i, statement in enumerate(code.split(";")):
            if i > 0:
                owner = ""
            names = CONSTANT.findall(statement)
            if names:
                owner = names[-1]
        if m.group().startswith('"'):
            text = unescape(m.group())
            pending = (owner, pending[1] + text) if pending is not None else (owner, text)
    flush()
    return texts


def normalized(text):
    # Compared without any blank: a line of the PDF may end after "H." or "RTS/" as well as
    # at a blank, and the words the checks look for are long enough to stay unambiguous.
    return re.sub(r"[\s\u00a0\u00ad]+", "", text)


def pdf_lines(pdf):
    """The text as extracted, one printed line a line, blanks collapsed."""
    raw = subprocess.run(["pdftotext", "-raw", "-enc", "UTF-8", str(pdf), "-"], check=True,
                         capture_output=True, text=True, encoding="utf-8").stdout
    return "\n".join(" ".join(line.split()) for line in raw.splitlines())


def pdf_images(pdf):
    """(width, height, x-ppi) of every picture, and the page's width in inches."""
    out = subprocess.run(["pdfimages", "-list", str(pdf)], check=True, capture_output=True, text=True).stdout
    images = []
    for line in out.splitlines()[2:]:
        cols = line.split()
        if len(cols) > 12 and cols[2] == "image":
            images.append((int(cols[3]), int(cols[4]), int(cols[12])))
    info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout
    points = float(re.search(r"Page size:\s+([\d.]+)", info).group(1))
    return images, points / 72


def png_size(path):
    data = path.read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG file")
    return struct.unpack(">II", data[16:24])


def source_code(md, version):
    """The lines of the code blocks and the words of the inline code of a Markdown source, with
    the version put in as the documents' build puts it."""
    md = md.replace("@VERSION@", version)
    blocks = re.findall(r"^```[^\n]*\n(.*?)^```", md, re.M | re.S)
    lines = [" ".join(line.split()) for block in blocks for line in block.splitlines() if line.strip()]
    prose = re.sub(r"^```[^\n]*\n.*?^```", "", md, flags=re.M | re.S)
    words = {word for code in re.findall(r"`([^`\n]+)`", prose) for word in code.split() if len(word) > 1}
    return lines, words


def main(doc_dir, root, version):
    failures, checks = [], 0

    def expect(condition, what):
        nonlocal checks
        checks += 1
        if not condition:
            failures.append(what)

    texts, printed = {}, []
    for name in (MANUAL, SETUP):
        pdf = doc_dir / name
        if not pdf.is_file() or pdf.read_bytes()[:5] != b"%PDF-":
            failures.append(f"{pdf}: missing or not a PDF file")
            continue
        lines = pdf_lines(pdf)
        texts[name] = normalized(lines)

        pictures = []
        for source in SOURCES[name]:
            md = (root / "docs" / "manual" / f"{source}.md").read_text(encoding="utf-8")
            pictures += re.findall(r"\]\((pictures/[^)\s]+\.png)\)", md)
            code_lines, code_words = source_code(md, version)
            for line in code_lines:
                expect(line in lines.split("\n"), f"{name}: the code line \"{line}\" is not one whole line")
            for word in sorted(code_words):
                broken = [word[:i] + "\n" + word[i:] for i in range(1, len(word))]
                expect(not any(b in lines for b in broken), f"{name}: \"{word}\" is broken between two lines")
        names = UNBREAKABLE_NAMES.findall(lines)
        expect(not names, f"{name}: {names} broken between two lines")
        packages = PACKAGE_NAME.findall(texts[name])
        expect(all(v == version for v in packages),
               f"{name}: package names of versions {sorted(set(packages))}, not {version}")

        expect(pictures, f"{name}: its sources name no picture of the program")
        in_pdf, page_inches = pdf_images(pdf)
        printed += [(name, w, ppi, page_inches) for w, _, ppi in in_pdf]
        for picture in sorted(set(pictures)):
            path = root / "docs" / picture
            if not path.is_file():
                failures.append(f"{name}: the picture {picture} is not in docs/")
                continue
            expect(png_size(path) in [(w, h) for w, h, _ in in_pdf],
                   f"{name}: the picture {picture} {png_size(path)} is not in the PDF")

    # One scale (pixels per inch, to the rounding of pdfimages), the widest picture across the text.
    if printed:
        scales = {ppi for _, _, ppi, _ in printed}
        expect(max(scales) - min(scales) <= 1,
               f"pictures printed at different scales: {sorted(scales)} pixels per inch")
        name, width, ppi, page = max(printed, key=lambda p: p[1])
        expect(width / ppi >= TEXT_SHARE * page,
               f"{name}: the widest picture is {width / ppi:.2f} in wide on a page of {page:.2f} in")

    if len(texts) == 2:
        headers = {h: header_texts(root / h) for h in TEXT_HEADERS}
        pages = headers["config/page_texts.h"]
        for constant in PAGE_CAPTIONS:
            caption = normalized(pages[constant][0])
            for name in (MANUAL, SETUP):
                expect(caption in texts[name], f'{name}: the page caption "{caption}" ({constant}) is missing')

        manual = texts[MANUAL]
        expect(normalized("Руководство пользователя") in manual, f"{MANUAL}: not the user's manual")
        for header, constants in headers.items():
            for constant, values in constants.items():
                if NOT_QUOTED.match(constant):
                    continue
                for value in values:
                    shown = value.replace("&", "").strip()
                    expect(normalized(shown) in manual, f'{MANUAL}: "{shown}" ({header}, {constant or "in a function"}) is missing')

        setup = texts[SETUP]
        expect(normalized("Установка и настройка VELTO Gateway") in setup, f"{SETUP}: not the installation guide")
        for text in SETUP_TEXTS:
            text = text.format(version=version)
            expect(normalized(text) in setup, f'{SETUP}: "{text}" is missing')
        for command in ZCONF_COMMANDS:
            expect(normalized(f"zconf {command}") in setup, f'{SETUP}: the command "zconf {command}" is missing')

    for failure in failures:
        print("FAILED:", failure)
    print(f"{checks - len(failures) if checks >= len(failures) else 0} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]))
