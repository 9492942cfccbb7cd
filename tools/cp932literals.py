#!/usr/bin/env python3
"""Writes a copy of a UTF-8 C++ source whose narrow string and character
literals hold code page 932 bytes, for compilers without -fexec-charset=CP932
(clang).

Every non-ASCII character inside a narrow literal becomes the octal escapes of
its code page 932 bytes ("表" -> "\\225\\134"). Octal escapes end after three
digits, so a following digit or letter never joins them, unlike \\x escapes.
Comments, wide and UTF literals and everything else are copied unchanged. A
#line directive keeps diagnostics pointing at the original file and lines.

Usage: cp932literals.py SOURCE OUTPUT
"""
import os
import sys

# Prefixes that make a literal something other than a plain narrow one.
OTHER_PREFIXES = {"L", "u", "U", "u8"}


class LiteralError(Exception):
    pass


def escaped(char):
    try:
        data = char.encode("cp932")
    except UnicodeEncodeError:
        raise LiteralError("U+%04X has no code page 932 form" % ord(char))
    return "".join("\\%03o" % b for b in data)


def literal_end(text, start, quote):
    """Index just past the literal whose opening quote is at start."""
    i = start + 1
    while i < len(text):
        if text[i] == "\\":
            i += 2
        elif text[i] == quote:
            return i + 1
        elif text[i] == "\n":
            break
        else:
            i += 1
    raise LiteralError("unterminated literal")


def raw_literal_end(text, start):
    """Index just past the raw string whose opening quote is at start."""
    open_paren = text.index("(", start)
    closing = ")" + text[start + 1:open_paren] + '"'
    end = text.find(closing, open_paren)
    if end < 0:
        raise LiteralError("unterminated raw string")
    return end + len(closing)


def convert(text):
    out = []
    i = 0
    while i < len(text):
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            if end < 0:
                raise LiteralError("unterminated comment")
            end += 2
        elif text[i] in "\"'":
            start = i
            while start > 0 and (text[start - 1].isalnum() or text[start - 1] == "_"):
                start -= 1
            prefix = text[start:i]
            raw = prefix.endswith("R")
            kind = prefix[:-1] if raw else prefix
            if prefix and kind not in OTHER_PREFIXES | {""}:
                # A digit separator (1'000) or a suffix-less identifier run.
                out.append(text[i])
                i += 1
                continue
            end = raw_literal_end(text, i) if raw else literal_end(text, i, text[i])
            body = text[i:end]
            if kind == "":
                if raw and any(ord(c) > 0x7F for c in body):
                    raise LiteralError("non-ASCII text in a narrow raw string")
                body = "".join(c if ord(c) <= 0x7F else escaped(c) for c in body)
            out.append(body)
            i = end
            continue
        else:
            end = i + 1
        out.append(text[i:end])
        i = end
    return "".join(out)


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def main():
    source, output = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    try:
        converted = convert(text)
    except LiteralError as error:
        sys.exit("%s: %s" % (source, error))
    os.makedirs(os.path.dirname(output) or ".", exist_ok=True)
    with open(output + ".tmp", "w", encoding="utf-8", newline="") as f:
        f.write('#line 1 "%s"\n' % source)
        f.write(converted)
    os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main()
