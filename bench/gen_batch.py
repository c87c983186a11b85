#!/usr/bin/env python3
"""gen_batch.py OUT [--files N] - N realistic source data files of our own for `gdfconv batch`,
made from the bundled examples: each has its own boring name, depths shifted by a few
centimetres, and every tenth file a layer name that the tables do not hold yet, so that the
tables grow as the batch goes. Writes OUT/sources/*.gdf, OUT/pattern (a copy of data/pattern)
and OUT/program."""
import argparse
import os
import random
import re
import shutil

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
parser = argparse.ArgumentParser()
parser.add_argument("out")
parser.add_argument("--files", type=int, default=1000)
args = parser.parse_args()

examples = []
for name in ("B-1.gdf", "B-2.gdf"):
    with open(os.path.join(ROOT, "data", "examples", name), "rb") as f:
        examples.append(f.read().decode("cp932").split("\r\n"))

NEW_NAMES = ["凝灰角礫岩", "安山岩質溶岩", "玄武岩", "花崗閃緑岩", "チャート", "石灰岩", "蛇紋岩",
             "砂質泥岩", "礫岩", "片麻岩", "頁岩", "粘板岩"]
DEPTH = re.compile(r"^\d+\.\d\d$")

sources = os.path.join(args.out, "sources")
os.makedirs(sources, exist_ok=True)
shutil.rmtree(os.path.join(args.out, "pattern"), ignore_errors=True)
shutil.copytree(os.path.join(ROOT, "data", "pattern"), os.path.join(args.out, "pattern"))
os.makedirs(os.path.join(args.out, "program"), exist_ok=True)

random.seed(8)
for i in range(1, args.files + 1):
    lines = list(examples[i % 2])
    lines[1] = "B-%04d" % i  # header line 1: the boring name
    shift = random.randint(0, 9) / 100.0
    in_layers = False
    layer_line = 0
    for k, line in enumerate(lines):
        if line.startswith("$"):
            in_layers = line.startswith("$A")
            layer_line = 0
            continue
        if DEPTH.match(line):
            lines[k] = "%.2f" % (float(line) + shift)
        if in_layers:
            layer_line += 1
            # Line 2 of the fourth layer record gets a new name in every tenth file.
            if layer_line == 3 * 9 + 2 and i % 10 == 0:
                lines[k] = NEW_NAMES[(i // 10) % len(NEW_NAMES)] + "%d" % (i // 10)
    with open(os.path.join(sources, "B-%04d.gdf" % i), "wb") as f:
        f.write("\r\n".join(lines).encode("cp932"))
print(args.out, args.files, "source files")
