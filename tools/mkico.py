#!/usr/bin/env python3
"""Turn a text picture into a 32 x 32, 16-colour Windows icon (.ico).

Text format:
  lines "color C RRGGBB" give character C a palette colour (at most 16 colours);
  "color C none" makes C transparent (the icon's mask);
  lines starting with "#" are comments;
  32 further lines of 32 characters each are the picture, top row first.
"""
import struct
import sys

SIZE = 32


def parse(path):
    colours, transparent, rows = {}, set(), []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            if line.startswith("color "):
                _, ch, value = line.split()
                if value == "none":
                    transparent.add(ch)
                else:
                    colours[ch] = int(value, 16)
                continue
            rows.append(line)
    if len(colours) > 16:
        sys.exit(f"{path}: more than 16 colours")
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        sys.exit(f"{path}: the picture must be {SIZE} rows of {SIZE} characters")
    for r in rows:
        for ch in r:
            if ch not in colours and ch not in transparent:
                sys.exit(f"{path}: character {ch!r} has no colour")
    return colours, transparent, rows


def build(colours, transparent, rows):
    order = list(colours)
    index = {ch: i for i, ch in enumerate(order)}
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0)
                       for c in colours.values())
    palette += b"\0" * (64 - len(palette))
    xor = b""
    mask = b""
    for r in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = [index.get(ch, 0) for ch in r]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for ch in r:
            bits = (bits << 1) | (1 if ch in transparent else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return icondir + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: mkico.py picture.txt out.ico")
    data = build(*parse(sys.argv[1]))
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
