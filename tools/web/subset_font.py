#!/usr/bin/python3
"""Makes the web edition's font: IPAGothic from Debian's fonts-ipafont-gothic cut down to the
glyphs the program's texts use plus ASCII and the full-width forms, renamed as the IPA Font
Licence asks of a derived font, with the licence beside it.

    subset_font.py TEXTS.txt OUT_DIR

TEXTS.txt holds every text of the catalog and of the lessons' descriptions (UTF-8). Writes
OUT_DIR/trevisk-gothic.woff2 and OUT_DIR/LICENSE-trevisk-gothic.txt.
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
COPYRIGHT = "/usr/share/doc/fonts-ipafont-gothic/copyright"
FAMILY = "Trevisk Gothic"
FILE = "trevisk-gothic.woff2"

# Always in: ASCII, the ideographic space and punctuation, the full-width and half-width forms
# a student types with the input method on.
RANGES = [(0x20, 0x7E), (0x3000, 0x303F), (0xFF01, 0xFF9F), (0xFFE0, 0xFFEE)]


def characters(texts_path):
    with open(texts_path, encoding="utf-8") as f:
        chars = set(f.read())
    for first, last in RANGES:
        chars.update(chr(c) for c in range(first, last + 1))
    return {c for c in chars if c.isprintable() or c == "\u3000"}


def rename(font):
    """The derived font may not carry the original's name (IPA Font Licence, 3.1 (4))."""
    names = {
        1: FAMILY,
        2: "Regular",
        3: f"{FAMILY}; subset for Trevisk",
        4: FAMILY,
        6: FAMILY.replace(" ", "-"),
        16: FAMILY,
        17: "Regular",
    }
    table = font["name"]
    for record in list(table.names):
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
            table.removeNames(nameID=record.nameID)
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)


def licence_text():
    """The IPA Font Licence Agreement v1.0 (Japanese and English) from Debian's copyright file."""
    lines = open(COPYRIGHT, encoding="utf-8").read().splitlines()
    start = len(lines) - lines[::-1].index("License: IPA-1")  # the stand-alone paragraph
    body = []
    for line in lines[start:]:
        if line.startswith("License:") or line.startswith("Files:"):
            break
        body.append("" if line.strip() == "." else line[1:] if line.startswith(" ") else line)
    return "\n".join(body).strip() + "\n"


def main():
    texts_path, out_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    font = TTFont(SOURCE)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(characters(texts_path))))
    subsetter.subset(font)
    rename(font)
    out = os.path.join(out_dir, FILE)
    subset.save_font(font, out, options)
    with open(os.path.join(out_dir, "LICENSE-trevisk-gothic.txt"), "w", encoding="utf-8") as f:
        f.write(
            "Trevisk Gothic (trevisk-gothic.woff2) is a derived program of IPAGothic\n"
            "(IPAゴシック, ipag.ttf, version 003.03, Debian package fonts-ipafont-gothic): the\n"
            "glyphs Trevisk's texts use, ASCII and the full-width forms, renamed. It is licensed\n"
            "under the IPA Font License Agreement v1.0 below.\n\n"
            "To use the original font instead, put ipag.ttf (from https://moji.or.jp/ipafont/ or\n"
            "Debian's fonts-ipafont-gothic) into this folder and change FONT_URL in js/main.js\n"
            "from 'fonts/trevisk-gothic.woff2' to 'fonts/ipag.ttf'. tools/web/subset_font.py in\n"
            "Trevisk's source makes this subset.\n\n"
            "----------------------------------------------------------------------------------\n\n"
        )
        f.write(licence_text())


if __name__ == "__main__":
    main()
