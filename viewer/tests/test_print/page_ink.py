"""Checks a printed test page by its ink: four text bands top to bottom, at
x = 10 device units, their lines one and a half cell heights apart.

usage: page_ink.py PAGE.pgm PRINTER.txt
PAGE.pgm is the page at the printer's resolution (one pixel per device unit);
PRINTER.txt holds the printer's metrics for the chosen font as key=value lines.
"""
import sys

INK = 128  # grey levels below this are ink


def read_pgm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b'P5' or int(fields[3]) > 255:
        raise ValueError('not an 8-bit binary PGM')
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height]
    return width, [pixels[y * width:(y + 1) * width] for y in range(height)]


def read_info(path):
    info = {}
    with open(path, encoding='cp932') as f:
        for line in f:
            key, _, value = line.rstrip('\n').partition('=')
            info[key] = value
    return info


# 1 for ink, 0 for paper, per byte.
TO_INK = bytes(1 if v < INK else 0 for v in range(256))


def bands(rows, merge_gap):
    """(top, bottom, left, right) of each run of inked rows; runs closer than
    merge_gap rows count as one (the dot of an i above its stem)."""
    found = []
    for y, row in enumerate(rows):
        marks = row.translate(TO_INK)
        left = marks.find(1)
        if left < 0:
            continue
        right = marks.rfind(1)
        if found and y - found[-1][1] <= merge_gap:
            top, _, l, r = found[-1]
            found[-1] = (top, y, min(l, left), max(r, right))
        else:
            found.append((y, y, left, right))
    return found


def check(failures, ok, message):
    if not ok:
        failures.append(message)


def main(pgm, info_path):
    info = read_info(info_path)
    num = {k: int(v) for k, v in info.items() if k != 'face'}
    width, rows = read_pgm(pgm)
    tm_height = num['tmHeight']
    step = tm_height + tm_height // 2
    origin_x = num['offsetX'] + 10
    origin_y = num['offsetY'] + 10
    found = bands(rows, tm_height // 4)
    print('font %s lfHeight %d tmHeight %d step %d; page %dx%d at %d dpi'
          % (info.get('face'), num['lfHeight'], tm_height, step, width, len(rows), num['dpiY']))
    for i, (top, bottom, left, right) in enumerate(found):
        print('band %d: rows %d-%d, columns %d-%d' % (i + 1, top, bottom, left, right))

    failures = []
    check(failures, abs(width - num['pageWidth']) <= 2 and abs(len(rows) - num['pageHeight']) <= 2,
          'picture size differs from the physical page: the unit conversion is off')
    check(failures, len(found) == 4, 'expected 4 bands of ink, found %d' % len(found))
    if len(found) == 4:
        tops = [b[0] for b in found]
        bottoms = [b[1] for b in found]
        # The first line's cell starts at y = 10; its ink a little lower.
        check(failures, origin_y <= tops[0] <= origin_y + tm_height // 2,
              'first line top %d not just below y = 10 (%d)' % (tops[0], origin_y))
        # Glyph tops differ by line (digits, ascenders, capitals, kana).
        for i in range(3):
            gap = tops[i + 1] - tops[i]
            check(failures, abs(gap - step) <= tm_height // 5,
                  'lines %d and %d are %d apart, not about %d' % (i + 1, i + 2, gap, step))
        # Digits and capitals stand on the baseline: exactly two steps apart.
        baseline_gap = bottoms[2] - bottoms[0]
        check(failures, abs(baseline_gap - 2 * step) <= max(3, tm_height // 30),
              'baselines of lines 1 and 3 are %d apart, not %d' % (baseline_gap, 2 * step))
        # x = 10: no ink left of it, and the first glyphs start close to it.
        lefts = [b[2] for b in found]
        check(failures, min(lefts) >= origin_x - 1,
              'ink at column %d, left of x = 10 (%d)' % (min(lefts), origin_x))
        check(failures, max(lefts) <= origin_x + num['tmAveCharWidth'] // 2,
              'a line starts at column %d, far right of x = 10 (%d)' % (max(lefts), origin_x))
        # Widths tell the lines apart: 10, 14 and 14 narrow characters, then
        # 23 wide ones.
        widths = [b[3] - b[2] for b in found]
        check(failures, widths[0] < widths[1] and widths[0] < widths[2] and widths[3] > 2 * widths[2],
              'band widths %s are not digits, lower case, capitals, Japanese' % widths)
    for f in failures:
        print('FAIL: ' + f)
    if not failures:
        print('the page shows the four lines as laid out')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
