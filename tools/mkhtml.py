#!/usr/bin/env python3
"""Make Fontsmith.html, the help page for Windows without WinHelp, from the
text page that mkhlp.py turns into Fontsmith.hlp.

Usage: mkhtml.py page.txt out.html VERSION

The title line becomes the page's header, "# Heading" lines its headings,
runs of numbered lines ("1. ...") ordered lists with the numbers as written,
runs of lines indented by two spaces code blocks, and every other line a
paragraph. A blank line ends a list or a code block, so the next one starts
anew. The page is written in code page 932 and
says so; VERSION goes into its footer.
"""
import html
import re
import sys

from mkhlp import parse

NUMBERED = re.compile(r"(\d+)\.\s+(.*)")
CODE = "  "

HEAD = """<!DOCTYPE html>
<html lang="ja">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">
<title>{title}</title>
<style>
  body {{ font-family: "メイリオ", Meiryo, "Yu Gothic UI", sans-serif; margin: 0; color: #222; background: #fff; line-height: 1.6; }}
  header {{ background: #1f4e8c; color: #fff; padding: 16px 32px; }}
  header h1 {{ margin: 0; font-size: 24px; }}
  main {{ padding: 8px 32px 32px; max-width: 880px; }}
  h2 {{ border-left: 6px solid #1f4e8c; padding-left: 8px; margin-top: 32px; font-size: 19px; }}
  pre {{ font-family: "ＭＳ ゴシック", monospace; background: #f7f7f7; border: 1px solid #ddd; padding: 8px 12px; overflow-x: auto; }}
  footer {{ color: #666; font-size: 13px; padding: 16px 32px; border-top: 1px solid #ddd; }}
</style>
</head>
<body>
<header>
  <h1>{title}</h1>
</header>
<main>
"""
FOOT = """</main>
<footer>Fontsmith Ver{version}</footer>
</body>
</html>
"""


def body(paragraphs):
    lines, in_list, in_code = [], False, False
    for kind, text in paragraphs:
        item = NUMBERED.fullmatch(text) if kind == 1 else None
        code = kind == 1 and text.startswith(CODE)
        if in_code and not code:
            lines[-1] += "</pre>"
        if in_list and not item:
            lines.append("</ol>")
        if item and not in_list:
            lines.append("<ol>")
        in_list = bool(item)
        if item:
            lines.append(f'  <li value="{item[1]}">{html.escape(item[2])}</li>')
        elif code:
            lines.append(("" if in_code else "<pre>") + html.escape(text[len(CODE):]))
        elif kind == 2:
            lines.append(f"<h2>{html.escape(text)}</h2>")
        elif kind == 1 and text:
            lines.append(f"<p>{html.escape(text)}</p>")
        # kind 0, the title, is the header already; an empty paragraph, a
        # blank line, has only ended a list or a code block.
        in_code = code
    if in_list:
        lines.append("</ol>")
    if in_code:
        lines[-1] += "</pre>"
    return "".join(line + "\n" for line in lines)


def build(path, version):
    title, paragraphs = parse(path)
    page = HEAD.format(title=html.escape(title)) + body(paragraphs) + FOOT.format(
        version=html.escape(version))
    # A character that code page 932 lacks is written as a character reference.
    return page.encode("cp932", errors="xmlcharrefreplace")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    data = build(sys.argv[1], sys.argv[3])
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
