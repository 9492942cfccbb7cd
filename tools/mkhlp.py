#!/usr/bin/env python3
"""Make Fontsmith.hlp, a WinHelp 3.1 file with one topic, from a text page.

Usage: mkhlp.py page.txt out.hlp [--check]   (--check: compare, do not write)

Text page (UTF-8, written to the file in code page 932):
  "= Title"   the help file's title and the topic's heading;
  "# Heading" a heading in bold;
  other lines are paragraphs; a run of blank lines between two of them is
  one empty paragraph, which keeps two code blocks or two lists apart.

The file holds the internal files |CONTEXT, |FONT, |SYSTEM and |TOPIC,
uncompressed, with no phrase table. The one topic's records run on from one
4 KiB topic block into the next, past each block's header.
"""
import struct
import sys

BLOCK = 0x1000          # topic block size of an uncompressed 3.1 file
BLOCK_HEADER = 12       # TOPICBLOCKHEADER at the start of each block
CHARSET_SHIFTJIS = 128
FACE = "ＭＳ ゴシック"
FONTS = [(0x01, 24), (0x00, 20), (0x01, 20)]  # (bold flag, half points): title, text, heading
BLANK = (1, "")  # the paragraph a blank line gives: empty, in the text font


def cp932(text):
    # Characters whose second byte is 0x5C, 0x7B or 0x7D (表, 構, ソ) go in as
    # they are: the help viewer shows them whole.
    try:
        return text.encode("cp932")
    except UnicodeEncodeError as e:
        sys.exit(f"text holds {text[e.start]!r}, which code page 932 lacks: {text!r}")


def parse(path):
    title, paragraphs = None, []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line.strip():
                # A run of blank lines gives one empty paragraph; those before
                # the first line and after the last give none.
                if paragraphs and paragraphs[-1] != BLANK:
                    paragraphs.append(BLANK)
                continue
            if line.startswith("= "):
                title = line[2:]
                paragraphs.append((0, title))
            elif line.startswith("# "):
                paragraphs.append((2, line[2:]))
            else:
                paragraphs.append((1, line))
    if title is None:
        sys.exit(f"{path}: no title line")
    if paragraphs and paragraphs[-1] == BLANK:
        paragraphs.pop()
    return title, paragraphs


def internal_file(data):
    # FILEHEADER: reserved space (with header), used space, flags.
    return struct.pack("<IIB", len(data) + 9, len(data), 4) + data


def btree(structure, page_size, entries, flags):
    """A B+ tree with a single leaf page."""
    leaf = b"".join(entries)
    unused = page_size - 8 - len(leaf)
    assert unused >= 0
    page = struct.pack("<HhhH", unused, len(entries), -1, 0xFFFF) + leaf + b"\0" * unused
    header = struct.pack("<HHH16sHHHhHHI", 0x293B, flags, page_size,
                         structure.encode().ljust(16, b"\0"), 0, 0, 0, -1, 1, 1, len(entries))
    return header + page


def system_file(title):
    header = struct.pack("<HHHIH", 0x036C, 21, 1, 0, 0)  # version 1.21, uncompressed 4k blocks
    records = struct.pack("<HH", 1, len(title) + 1) + title + b"\0"
    records += struct.pack("<HHB", 11, 1, CHARSET_SHIFTJIS)
    return header + records


def font_file():
    face = FACE.encode("cp932").ljust(32, b"\0")
    head_size = 8
    descriptors = b"".join(struct.pack("<BBBH3B3B", bold, half_points, 0x01, 0, 0, 0, 0, 255, 255, 255)
                           for bold, half_points in FONTS)
    return struct.pack("<HHHH", 1, len(FONTS), head_size, head_size + len(face)) + face + descriptors


def topic_link(record_type, link_data1, link_data2, prev_ref, next_ref):
    data_len1 = 21 + len(link_data1)
    block_size = data_len1 + len(link_data2)
    return struct.pack("<IIIIIB", block_size, len(link_data2), prev_ref, next_ref, data_len1,
                       record_type) + link_data1 + link_data2


def compressed_ushort(value):
    return bytes([value * 2]) if value < 0x80 else struct.pack("<H", value * 2 + 1)


def display_record(paragraphs):
    # Formatting: before each command the next text string is emitted.
    texts, commands = [], b""
    for font, text in paragraphs:
        texts.append(b"")
        commands += struct.pack("<BH", 0x80, font)
        texts.append(cp932(text))
        commands += b"\x82"
    texts.append(b"")
    commands += b"\xff"
    link_data2 = b"".join(t + b"\0" for t in texts)
    text_length = sum(len(t) for t in texts) + len(paragraphs)
    link_data1 = (struct.pack("<H", 0x8000)                  # topic size (compressed long)
                  + compressed_ushort(text_length)          # characters in the paragraph
                  + b"\x00\x80\x00\x00"                     # unknown bytes, id
                  + struct.pack("<H", 0)                     # paragraph bits: none
                  + commands)
    return link_data1, link_data2


def topic_file(title, paragraphs):
    link_data1, link_data2 = display_record(paragraphs)
    # Topic positions count from the start of the first block, its header
    # included; both links start in that block.
    header_ref = BLOCK_HEADER
    header_len = 21 + 28 + len(title) + 1
    display_ref = header_ref + header_len
    display = topic_link(0x20, link_data1, link_data2, header_ref, 0xFFFFFFFF)
    # TOPICHEADER: block size, browse back and forth, topic number, non-scroll,
    # scroll, next topic.
    topic_header = struct.pack("<IIIIiIi", header_len + len(display), 0xFFFFFFFF, 0xFFFFFFFF, 0,
                               -1, display_ref, -1)
    header = topic_link(0x02, topic_header, title + b"\0", 0xFFFFFFFF, display_ref)
    assert len(header) == header_len
    body = header + display
    # Each block starts with its header: the last topic link begun before
    # its end, the first one begun in it (none after the first block), and
    # the last topic header. The rest of the body runs on in the next block.
    room = BLOCK - BLOCK_HEADER
    out = b""
    for start in range(0, len(body), room):
        first = header_ref if start == 0 else 0xFFFFFFFF
        block = struct.pack("<IIi", display_ref, first, header_ref) + body[start:start + room]
        out += block + b"\0" * (BLOCK - len(block))
    return out


def build(path):
    title_text, paragraphs = parse(path)
    title = cp932(title_text)
    files = {
        "|CONTEXT": btree("L4", 0x800, [], 0x0002),
        "|FONT": font_file(),
        "|SYSTEM": system_file(title),
        "|TOPIC": topic_file(title, paragraphs),
    }
    out = bytearray(16)
    offsets = {}
    for name in sorted(files):
        offsets[name] = len(out)
        out += internal_file(files[name])
    entries = [name.encode() + b"\0" + struct.pack("<I", offsets[name]) for name in sorted(files)]
    directory_start = len(out)
    out += internal_file(btree("z4", 0x400, entries, 0x0402))
    out[0:16] = struct.pack("<IIiI", 0x00035F3F, directory_start, -1, len(out))
    return bytes(out)


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    data = build(sys.argv[1])
    if sys.argv[3:] == ["--check"]:
        with open(sys.argv[2], "rb") as f:
            if f.read() != data:
                sys.exit(f"{sys.argv[2]} is not what {sys.argv[1]} gives: run mkhlp.py again")
        return
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
