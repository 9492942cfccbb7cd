#!/usr/bin/env python3
"""The help page that tools/mkhtml.py makes: its encoding, its structure, the
text escaped, and every line of the real help text on it.

Usage: help_page_test.py TOOLS_DIR HELP_TEXT
"""
import html
import os
import sys
import tempfile
import unittest

sys.path.insert(0, sys.argv.pop(1))
HELP_TEXT = sys.argv.pop(1)
import mkhtml  # noqa: E402


def page_of(text, version="9.99"):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "page.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return mkhtml.build(path, version).decode("cp932")


class HelpPage(unittest.TestCase):
    def test_structure_and_escaped_text(self):
        page = page_of("= 表 <a> & \"b\"\n\n# 見出し <h>\n1. 一 & 二\n2. ソ<br>\n"
                       "段落 1. でも A&B<p> でもない\n10. 十\nユーロ €\n")
        self.assertIn('<html lang="ja">', page)
        self.assertIn('content="text/html; charset=Shift_JIS"', page)
        self.assertIn("<title>表 &lt;a&gt; &amp; &quot;b&quot;</title>", page)
        self.assertIn("<h1>表 &lt;a&gt; &amp; &quot;b&quot;</h1>", page)
        self.assertIn("<main>\n<h2>見出し &lt;h&gt;</h2>\n<ol>\n"
                      '  <li value="1">一 &amp; 二</li>\n  <li value="2">ソ&lt;br&gt;</li>\n'
                      "</ol>\n<p>段落 1. でも A&amp;B&lt;p&gt; でもない</p>\n"
                      '<ol>\n  <li value="10">十</li>\n</ol>\n<p>ユーロ &#8364;</p>\n</main>',
                      page)
        self.assertIn("<footer>Fontsmith Ver9.99</footer>", page)
        self.assertNotIn("IPA", page)

    def test_indented_lines_are_code(self):
        page = page_of("= t\n例:\n  a <b>;\n    c;\n1. d\n  e\n")
        self.assertIn("<p>例:</p>\n<pre>a &lt;b&gt;;\n  c;</pre>\n"
                      '<ol>\n  <li value="1">d</li>\n</ol>\n<pre>e</pre>\n</main>', page)

    def test_a_blank_line_keeps_two_code_blocks_or_lists_apart(self):
        page = page_of("= t\n  a\n\n\n  b\n1. c\n\n2. d\n\n")
        self.assertIn('<main>\n<pre>a</pre>\n<pre>b</pre>\n<ol>\n  <li value="1">c</li>\n</ol>\n'
                      '<ol>\n  <li value="2">d</li>\n</ol>\n</main>', page)

    def test_every_line_of_the_help_text_is_on_the_page(self):
        page = mkhtml.build(HELP_TEXT, "1.00").decode("cp932")
        with open(HELP_TEXT, encoding="utf-8") as f:
            for line in filter(str.strip, f):
                text = line.rstrip("\n").removeprefix("= ").removeprefix("# ")
                text = text.removeprefix(mkhtml.CODE)
                item = mkhtml.NUMBERED.fullmatch(text)
                self.assertIn(html.escape(item[2] if item else text), page)


if __name__ == "__main__":
    unittest.main()
