#!/usr/bin/env python3
"""gen_layers.py - Generates a large boring for timing the layer section and its name tables.

Writes into OUT a pattern-data folder (L1, L2, L4, a KISHITU.TXT of --table-lines entries and a
small XKISHITU.TXT with high-code entries), an empty program folder, and a source data file
with a full header block and --layers layers, --new of them with names that neither table
holds (each used once) and the rest taken from KISHITU.TXT across its code ranges.

    bench/gen_layers.py OUT [--layers 2000] [--new 500] [--table-lines 20000]
    /usr/bin/time -v ./build/gdfconv convert --quiet --yes --pattern-dir OUT/pattern \
        --program-dir OUT/program OUT/bench.gdf OUT/target

The pattern folder is changed by every run: generate it afresh before each timing.
"""
import argparse
import os
import random
import shutil

BASES = ["砂礫", "礫混じり砂", "シルト質砂", "砂質シルト", "粘土", "シルト", "有機質土", "腐植土",
         "凝灰岩", "泥岩", "砂岩", "礫岩", "頁岩", "花崗岩", "安山岩", "玄武岩", "ローム", "埋土"]
MODIFIERS = ["細粒", "中粒", "粗粒", "風化", "強風化", "弱風化", "含水", "硬質", "軟質", "褐色",
             "灰色", "暗灰色", "黄褐色", "青灰色", "礫混じり", "貝殻混じり"]
FULL_DIGITS = str.maketrans("0123456789", "０１２３４５６７８９")


def table_name(i):
    """A distinct name of the main table: a modifier, a base name and a serial number."""
    return (MODIFIERS[i % len(MODIFIERS)] + BASES[(i // len(MODIFIERS)) % len(BASES)]
            + "第" + str(i).translate(FULL_DIGITS) + "層")


def table_code(i):
    """Codes spread over ranges A (5000-5499), B (1000-3999) and C (1-999)."""
    kind = i % 3
    if kind == 0:
        return "%04d" % (5000 + i % 500)
    if kind == 1:
        return "%04d" % (1000 + i % 1000)
    return "%04d" % (1 + i % 999)


def write(path, lines):
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--layers", type=int, default=2000)
    parser.add_argument("--new", type=int, default=500)
    parser.add_argument("--table-lines", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if args.new > args.layers:
        parser.error("--new cannot exceed --layers")
    random.seed(args.seed)

    shutil.rmtree(args.out, ignore_errors=True)
    pattern = os.path.join(args.out, "pattern")
    os.makedirs(pattern)
    os.makedirs(os.path.join(args.out, "program"))
    write(os.path.join(pattern, "L1.TXT"), ["1,GM-150", "2,GM-300L", "3,RC-2L"])
    write(os.path.join(pattern, "L2.TXT"), ["1,ロータリー式オイルフィード型", "2,二重管式"])
    write(os.path.join(pattern, "L4.TXT"), ["%d,%s" % (i + 1, k) for i, k in enumerate("ABCDEFM")])
    write(os.path.join(pattern, "KISHITU.TXT"),
          ["%s,%s,S%d,S%d,    ,0000" % (table_code(i), table_name(i), i % 7, i % 7)
           for i in range(args.table_lines)])
    write(os.path.join(pattern, "XKISHITU.TXT"),
          ["2000,礫混じりシルト質砂,Ssg,Ssg,    ,0000", "2001,シルト混じり細砂,Sfm,Sfm,    ,0000",
           "4000,岩盤（区分不明）,R,R,1101,0000", "4001,転石,Bd,Bd,1102,0000"])

    # Names of the layers: the new ones once each, the known ones drawn from the whole table.
    names = ["新規" + BASES[i % len(BASES)] + "試料" + str(i).translate(FULL_DIGITS)
             for i in range(args.new)]
    names += [table_name(random.randrange(args.table_lines)) for _ in range(args.layers - args.new)]
    random.shuffle(names)

    header = ["B-bench", "x", "上総層群調査", "千葉県", "県道改良工事", "15", "5", "12", "15", "6",
              "20", " gm-150 ", "+35.20", "x", "x", "12.50", "%.2f" % (args.layers * 0.5),
              "山田", "佐藤", "NP-40", "ｵｲﾙ", "40.5", "自動落下"] + ["x"] * 7 + ["35.6", "140.1", "1"]
    lines = ["$Z%d" % len(header)] + header + ["$A%d" % args.layers]
    for n, name in enumerate(names):
        lines += ["%.2f" % ((n + 1) * 0.5), name, "", "-", "A%d" % (n % 5), "-", "-", "-", "-"]
    write(os.path.join(args.out, "bench.gdf"), lines)
    print("wrote %s: %d layers (%d new names), KISHITU.TXT of %d lines"
          % (args.out, args.layers, args.new, args.table_lines))


if __name__ == "__main__":
    main()
