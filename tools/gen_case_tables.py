#!/usr/bin/env python3
"""Writes src/text/case_tables.inc: the upper-case mapping and the case folding of the Basic
Multilingual Plane that the program matches names by, as ranges {first, last, delta, stride}
(every stride-th character from first to last maps to itself plus delta).

A character maps where its upper-case form (its simple case folding) is one other character of
the BMP; a character whose upper-case form is two or more ("\u00DF" to "SS") stays as it is. The
mappings are Python's, from the Unicode character database it carries; the program carries them
as data and never asks the system, whose tables differ from system to system.

    tools/gen_case_tables.py [OUTPUT]
"""
import os
import sys
import unicodedata


def changes(mapping):
    """(character, delta) for every BMP character that `mapping` turns into one other one."""
    out = []
    for code in range(0x10000):
        if 0xD800 <= code <= 0xDFFF:
            continue
        mapped = mapping(chr(code))
        if len(mapped) == 1 and ord(mapped) != code and ord(mapped) <= 0xFFFF:
            out.append((code, ord(mapped) - code))
    return out


def ranges(found):
    """Runs of one delta at one distance: a capital and its small letter alternate in many
    blocks, so every second character maps alike."""
    out = []
    i = 0
    while i < len(found):
        first, delta = found[i]
        last, stride = first, 1
        j = i + 1
        if j < len(found) and found[j][1] == delta and found[j][0] - first in (1, 2):
            stride = found[j][0] - first
            while j < len(found) and found[j][1] == delta and found[j][0] - last == stride:
                last = found[j][0]
                j += 1
        out.append((first, last, delta, stride))
        i = j if last != first else i + 1
    return out


def simple_fold(text):
    """The case folding of one character where it is one character; else its lower case, which
    is the simple folding of a letter whose full folding is longer ("\u1E9E" to "\u00DF")."""
    folded = text.casefold()
    return folded if len(folded) == 1 else text.lower()


def table(name, rows):
    lines = [f"constexpr CaseRange {name}[] = {{"]
    lines += [f"    {{0x{a:04X}, 0x{b:04X}, {d}, {s}}}," for a, b, d, s in rows]
    return "\n".join(lines) + "\n};\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "text",
                                                                 "case_tables.inc")
    text = ("// case_tables.inc - Simple upper-case mapping and simple case folding of the BMP,\n"
            "// as ranges {first, last, delta, stride}. Generated from the Unicode "
            f"{unicodedata.unidata_version} character\n"
            "// database; a character outside every range maps to itself.\n"
            + table("kUpperRanges", ranges(changes(str.upper)))
            + table("kFoldRanges", ranges(changes(simple_fold))))
    with open(target, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
