#!/usr/bin/env python3
"""Writes the character names that the glyph search reaches beyond its catalogue, at build time.

Sources:
  UnicodeData.txt and NameAliases.txt of the Unicode Character Database (Debian's unicode-data package);
  annotations/en/annotations.json of the npm package cldr-annotations-full (resources/cldr/): the English
  short names ("tts") and keywords ("default") of emoji and symbols.

NAMES holds one line per named character, its fields split by tabs, lists by "|", all in upper case:
  CODE POINT (hex)  NAME  ABBREVIATION  ALIASES (corrections, control names, alternates, CLDR short name)  KEYWORDS
in pieces of about 32 KiB, each compressed on its own so that a search holds one piece at a time in memory:
for each piece its first code point and its compressed size (32-bit little-endian), then the piece as Qt's
qUncompress reads it (its size, 32-bit big-endian, then a zlib stream). BLOCKS holds one line per block of
characters whose names follow from their code point:
  FIRST  LAST  CJK|TANGUT|HANGUL
Surrogates, private use and unassigned code points have no line.

Usage: generate-unicode-names.py UNICODE_DATA NAME_ALIASES CLDR_ANNOTATIONS NAMES BLOCKS
"""
import json
import struct
import sys
import zlib

PIECE = 32 * 1024

RANGES = {"CJK Ideograph": "CJK", "Tangut Ideograph": "TANGUT", "Hangul Syllable": "HANGUL"}


def main():
    data_path, aliases_path, cldr_path, names_path, blocks_path = sys.argv[1:6]
    names = {}
    ranges = []
    first = None
    for line in open(data_path, encoding="utf-8"):
        fields = line.rstrip("\n").split(";")
        code, name, category = int(fields[0], 16), fields[1], fields[2]
        if category in ("Cs", "Co"):
            continue
        if name.endswith(", First>"):
            first = code
        elif name.endswith(", Last>"):
            kind = next((k for prefix, k in RANGES.items() if name[1:].startswith(prefix)), None)
            if kind:
                ranges.append((first, code, kind))
        else:
            names[code] = "" if name == "<control>" else name

    abbreviations, aliases = {}, {}
    for line in open(aliases_path, encoding="utf-8"):
        line = line.split("#")[0].strip()
        if not line:
            continue
        code, alias, kind = line.split(";")
        code = int(code, 16)
        if code not in names or kind == "figment":
            continue
        if kind == "abbreviation":
            # The shortest names the character best in a small box: BOM rather than ZWNBSP.
            if code not in abbreviations or len(alias) < len(abbreviations[code]):
                abbreviations[code] = alias
        aliases.setdefault(code, []).append(alias)
        # A control has no name of its own: its first alias stands in.
        if not names[code]:
            names[code] = alias

    keywords = {}
    annotations = json.load(open(cldr_path, encoding="utf-8"))["annotations"]["annotations"]
    for text, entry in annotations.items():
        points = [ord(c) for c in text if c != "\ufe0f"]
        if len(points) != 1 or points[0] not in names:
            continue
        code = points[0]
        for short in entry.get("tts", []):
            if short.upper() != names[code] and short.upper() not in aliases.get(code, []):
                aliases.setdefault(code, []).append(short.upper())
        keywords[code] = [k.upper() for k in entry.get("default", [])]

    pieces, piece, first_code = [], b"", None
    for code in sorted(names):
        fields = [f"{code:04X}", names[code], abbreviations.get(code, ""),
                  "|".join(aliases.get(code, [])), "|".join(keywords.get(code, []))]
        if not piece:
            first_code = code
        piece += ("\t".join(fields) + "\n").encode("utf-8")
        if len(piece) >= PIECE:
            pieces.append((first_code, piece))
            piece = b""
    if piece:
        pieces.append((first_code, piece))
    with open(names_path, "wb") as out:
        for code, text in pieces:
            packed = struct.pack(">I", len(text)) + zlib.compress(text, 9)
            out.write(struct.pack("<II", code, len(packed)) + packed)
    with open(blocks_path, "w", encoding="utf-8", newline="\n") as out:
        for first, last, kind in ranges:
            out.write(f"{first:04X}\t{last:04X}\t{kind}\n")


if __name__ == "__main__":
    main()
