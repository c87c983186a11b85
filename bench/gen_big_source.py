#!/usr/bin/env python3
"""gen_big_source.py OUT MEGABYTES - a large source data file of our own: a header block, then
"$S" rows of Japanese observation text, until the file reaches the size asked for."""
import sys

out, megabytes = sys.argv[1], float(sys.argv[2])
target = int(megabytes * 1024 * 1024)
rows = []
header = ["B-LARGE"] + ["ヘッダ%d" % i for i in range(2, 34)]
row = lambda i: ["%.2f" % (i * 0.05), "CM", "弱風化", "Ｂ", "Ⅱ", "密着", "棒状", "なし", "備考：砂礫混じり"]
body = bytearray()
i = 1
chunk = []
size = 0
while size < target:
    rec = "\r\n".join(row(i)) + "\r\n"
    b = rec.encode("cp932")
    chunk.append(b)
    size += len(b)
    i += 1
count = i - 1
with open(out, "wb") as f:
    f.write(("$Z33\r\n" + "\r\n".join(header) + "\r\n").encode("cp932"))
    # The count of a tag line is 16-bit: the rows go in as several "$S"-like blocks, of which
    # only the first is read by a run; the search still scans every line.
    f.write(("$S%d\r\n" % min(count, 32767)).encode("cp932"))
    for b in chunk:
        f.write(b)
print(out, count, "rows")
