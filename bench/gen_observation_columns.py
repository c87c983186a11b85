#!/usr/bin/env python3
"""gen_observation_columns.py - Generates a large "$S" section for timing the observation columns.

Writes into OUT a pattern-data folder (L1, L2, an L4 of letter keys, empty KISHITU.TXT and
XKISHITU.TXT, and the code tables L13..L17 and L19 with --table-lines entries each), an empty
program folder, and a source data file with one "$S" section of --rows rows in which all seven
columns are filled: column 1 with letter groups, now and then joined into ranges, columns 2 to 7
with values that their tables hold, and --new values that none holds, spread over the six
tables (each used several times, so that later rows find them).

    bench/gen_observation_columns.py OUT [--rows 20000] [--new 90] [--table-lines 30]
    /usr/bin/time -v ./build/gdfconv convert --quiet --yes --pattern-dir OUT/pattern \
        --program-dir OUT/program OUT/bench.gdf OUT/target

The code tables are changed by every run: generate the folder afresh before each timing.
"""
import argparse
import os
import random
import shutil

TABLES = ["L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L17.TXT", "L19.TXT"]
WORDS = ["風化", "変質", "亀裂", "開口", "密着", "粘土", "砂状", "礫状", "棒状", "片状", "硬質",
         "軟質", "褐色", "灰色", "破砕", "鏡肌"]
FULL_DIGITS = str.maketrans("0123456789", "０１２３４５６７８９")


def write(path, lines):
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def value(table, i):
    """A distinct value of one table: a word and a serial number in full width."""
    return WORDS[(table * 5 + i) % len(WORDS)] + str(table * 100 + i).translate(FULL_DIGITS)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--rows", type=int, default=20000)
    parser.add_argument("--new", type=int, default=90)
    parser.add_argument("--table-lines", type=int, default=30)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if args.table_lines + (args.new + len(TABLES) - 1) // len(TABLES) >= 100:
        parser.error("the tables would run out of two-digit codes")
    random.seed(args.seed)

    shutil.rmtree(args.out, ignore_errors=True)
    pattern = os.path.join(args.out, "pattern")
    os.makedirs(pattern)
    os.makedirs(os.path.join(args.out, "program"))
    write(os.path.join(pattern, "L1.TXT"), ["1,GM-150"])
    write(os.path.join(pattern, "L2.TXT"), ["1,二重管式"])
    keys = "ABCDEFGHJKLMNPRSTW"
    write(os.path.join(pattern, "L4.TXT"), ["%d,%s" % (i + 1, k) for i, k in enumerate(keys)])
    write(os.path.join(pattern, "KISHITU.TXT"), [])
    write(os.path.join(pattern, "XKISHITU.TXT"), [])
    for t, name in enumerate(TABLES):
        if name == "L17.TXT":
            lines = ["%d,C%02d,%s" % (i + 1, i + 1, value(t, i)) for i in range(args.table_lines)]
        else:
            lines = ["%d,%s" % (i + 1, value(t, i)) for i in range(args.table_lines)]
        write(os.path.join(pattern, name), lines)

    # The new values: table t gets every len(TABLES)-th of them, numbered after its own lines.
    new_values = [[] for _ in TABLES]
    for n in range(args.new):
        t = n % len(TABLES)
        new_values[t].append(value(t, args.table_lines + len(new_values[t])))
    # Rows where a new value first appears, spread over the whole section.
    first_use = {}
    for t, values in enumerate(new_values):
        for v in values:
            first_use.setdefault(random.randrange(args.rows), []).append((t, v))

    lines = ["$S%d" % args.rows]
    for row in range(args.rows):
        if row % 50 == 10:
            column1 = "～"  # joins the rows before and after into a range
        else:
            column1 = "".join(random.choice(keys) for _ in range(random.randint(1, 3)))
        columns = []
        for t in range(len(TABLES)):
            pool = new_values[t][:max(1, row * len(new_values[t]) // args.rows)]
            if pool and random.random() < 0.05:
                columns.append(random.choice(pool))  # a new value met again
            else:
                columns.append(value(t, random.randrange(args.table_lines)))
        for t, v in first_use.get(row, []):
            columns[t] = v
        lines += ["%.2f" % ((row + 1) * 0.05), column1] + columns + ["-"]
    write(os.path.join(args.out, "bench.gdf"), lines)
    print("wrote %s: %d rows, %d new values over %d tables of %d lines"
          % (args.out, args.rows, args.new, len(TABLES), args.table_lines))


if __name__ == "__main__":
    main()
