#!/usr/bin/env python3
"""gen_merge_sections.py - Generates a boring with large "$H" and "$B" sections for timing the
depth-list merges, the R72 code tables and the N8, G71, G73 and G81 files.

Writes into OUT a pattern-data folder (L1, L2, L4, empty KISHITU.TXT and XKISHITU.TXT, and
L18.txt and L18b.txt of --table-lines names each), an empty program folder, and a source data
file with a header block, a "$H" section and a "$B" section of --records records each (a count
is 16-bit, so at most 32 767), and a "$U" section of --u-records records. Every column is
blank on about a third of the records; "$B" columns 6 to 10 hold ranges now and then, and the
"$H" names are drawn from more names than the tables can take, so that the tables fill to 99.

    bench/gen_merge_sections.py OUT [--records 20000] [--u-records 0] [--table-lines 30]
    /usr/bin/time -f '%e s %M kB' ./build/gdfconv convert --quiet --yes \
        --pattern-dir OUT/pattern --program-dir OUT/program OUT/bench.gdf OUT/target

The code tables are changed by every run: generate the folder afresh before each timing.
"""
import argparse
import os
import random
import shutil

ROCKS = ["泥岩", "砂岩", "礫岩", "頁岩", "凝灰岩", "花崗岩", "安山岩", "玄武岩", "石灰岩", "チャート",
         "粘板岩", "片岩"]
STATES = ["新鮮", "風化", "強風化", "弱風化", "亀裂多", "破砕", "変質", "硬質"]
FULL_DIGITS = str.maketrans("0123456789", "０１２３４５６７８９")


def name(words, i):
    """A distinct name: a word of the list and a serial number in full-width digits."""
    return words[i % len(words)] + str(i // len(words)).translate(FULL_DIGITS)


def write(path, lines):
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def maybe(value, blank=0.33):
    """The value, or a blank line about a third of the time."""
    return "" if random.random() < blank else value


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--records", type=int, default=20000)
    parser.add_argument("--u-records", type=int, default=0)
    parser.add_argument("--table-lines", type=int, default=30)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if not 0 < args.records <= 32767 or not 0 <= args.u_records <= 32767:
        parser.error("a section holds 1 to 32 767 records")
    random.seed(args.seed)

    shutil.rmtree(args.out, ignore_errors=True)
    pattern = os.path.join(args.out, "pattern")
    os.makedirs(pattern)
    os.makedirs(os.path.join(args.out, "program"))
    write(os.path.join(pattern, "L1.TXT"), ["1,GM-150", "2,GM-300L"])
    write(os.path.join(pattern, "L2.TXT"), ["1,ロータリー式オイルフィード型"])
    write(os.path.join(pattern, "L4.TXT"), ["%d,%s" % (i + 1, k) for i, k in enumerate("ABCDEFM")])
    write(os.path.join(pattern, "KISHITU.TXT"), [])
    write(os.path.join(pattern, "XKISHITU.TXT"), [])
    write(os.path.join(pattern, "L18.txt"),
          ["%02d,%s" % (i + 1, name(ROCKS, i)) for i in range(args.table_lines)])
    write(os.path.join(pattern, "L18b.txt"),
          ["%02d,%s" % (i + 1, name(STATES, i)) for i in range(args.table_lines)])

    header = ["B-bench", "x", "上総層群調査", "千葉県", "県道改良工事", "10", "5", "12", "10", "6",
              "20", " gm-150 "]
    lines = ["$Z%d" % len(header)] + header

    # Depths 0.01 apart, all well inside the bounds of the merge.
    def depth(n):
        return "%.2f" % ((n + 1) * 0.01)

    lines.append("$H%d" % args.records)
    for n in range(args.records):
        names = name(ROCKS, random.randrange(150)) + "/" + name(STATES, random.randrange(150))
        lines += [depth(n), maybe(str(random.randrange(1, 500))), maybe("h%d" % (n % 97)),
                  maybe(names)]

    lines.append("$B%d" % args.records)
    open_ranges = [False] * 5
    for n in range(args.records):
        record = [depth(n), "", "", "", ""]
        if n % 10 == 0:
            record[1] = "%d/%d" % (1 + n // 10 % 12, 1 + n % 28)
        if n % 5 == 0:
            record[2:5] = [depth(n), "%.2f" % ((n + 1) * 0.01 + random.random()),
                           str(random.randrange(1, 120))]
        for column in range(5):
            if open_ranges[column] or random.random() < 0.9:
                value = maybe("c%d-%d" % (column + 6, n % 53))
                open_ranges[column] = False
            else:
                value = "～"
                open_ranges[column] = True
            record.append(value)
        lines += record

    if args.u_records:
        lines.append("$U%d" % args.u_records)
        for n in range(args.u_records):
            lines += ["%.3f" % ((n + 1) * 0.01 * args.records / args.u_records), "u%d" % n]

    write(os.path.join(args.out, "bench.gdf"), lines)
    print("wrote %s: \"$H\" and \"$B\" of %d records each, \"$U\" of %d"
          % (args.out, args.records, args.u_records))


if __name__ == "__main__":
    main()
