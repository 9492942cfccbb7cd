"""Runs a test program under Wine and counts, for each process, the GDI objects
made and freed by type, telling the program's own from Wine's.

usage: gdi_count.py EMULATOR... TEST.exe [ARGS...]

The programs a test starts under testkit::TraceGdiOf trace to the test's
standard error, which comes here through a pipe: +gdi names the type of each
object made and freed, +relay each handle that the program's own module got
from a call of RELAY_INCLUDE. Such an object is the program's ("FONT"), any
other Wine's ("wine-FONT"): a cached window context, a system colour's brush.
A window's device context that the program's module takes (GetDC, GetDCEx,
GetWindowDC; BeginPaint) is the program's too, until it gives it back
(ReleaseDC; EndPaint): "window-DC" and "paint-DC", taken and given back.
The test writes "gdi-count PID SEQ" to its standard error; as the pipe keeps
the order, the answer "SEQ KIND MADE FREED ..." counts every line before it.
It replaces the file GDI_COUNT_FILE names. Other lines go to standard output.
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading

# The calls that make GDI objects; the test puts them in Wine's RelayInclude
# setting (GDI_RELAY_INCLUDE).
RELAY_INCLUDE = ';'.join('gdi32.Create' + name for name in (
    'FontA FontW FontIndirectA FontIndirectW SolidBrush BrushIndirect HatchBrush PatternBrush '
    'Pen PenIndirect DCA DCW ICA ICW CompatibleDC Bitmap CompatibleBitmap DIBSection '
    'RectRgn RectRgnIndirect EllipticRgn RoundRectRgn').split())
# The calls by which the program takes a window's device context and gives it
# back, by the kind they count; a call that returns 0 took or gave back none.
WINDOW_DCS = {'GetDC': ('window-DC', 0), 'GetDCEx': ('window-DC', 0), 'GetWindowDC': ('window-DC', 0),
              'ReleaseDC': ('window-DC', 1), 'BeginPaint': ('paint-DC', 0), 'EndPaint': ('paint-DC', 1)}
RELAY_INCLUDE += ''.join(';user32.' + name for name in WINDOW_DCS)
QUESTION = b'gdi-count '
# +pid starts each line with the process and thread, in hexadecimal:
# "0114:0118:trace:gdi:alloc_gdi_handle allocated NTGDI_OBJ_FONT 0x1234 7/...",
# "0114:0118:Ret  gdi32.CreateFontIndirectA() retval=00001234 ret=140001e4a".
OBJECT = re.compile(rb'([0-9a-f]+):[0-9a-f]+:trace:gdi:\w+ (allocated|freed) (?:NTGDI_)?OBJ_(\w+) 0x([0-9a-f]+)')
RETURNED = re.compile(rb'([0-9a-f]+):[0-9a-f]+:Ret  gdi32\.\w+\(\) retval=([0-9a-f]+)')
# "0114:0118:Ret  user32.ReleaseDC() retval=00000001 ret=140001e4a".
WINDOW_DC = re.compile(rb'([0-9a-f]+):[0-9a-f]+:Ret  user32\.(\w+)\(\) retval=([0-9a-f]+)')
TRACE = re.compile(rb'[0-9a-f]+:[0-9a-f]+:(trace:|Call |Ret  )')


def count(trace_path, answer_path):
    counts = collections.defaultdict(lambda: collections.defaultdict(lambda: [0, 0]))  # pid -> kind -> [made, freed]
    live = collections.defaultdict(dict)  # pid -> handle -> kind
    with open(trace_path, 'rb') as trace:
        for line in trace:
            match = OBJECT.match(line)
            if match:
                pid, kind, handle = int(match[1], 16), 'wine-' + match[3].decode(), int(match[4], 16)
                if match[2] == b'allocated':
                    live[pid][handle] = kind
                    counts[pid][kind][0] += 1
                else:
                    counts[pid][live[pid].pop(handle, kind)][1] += 1
                continue
            match = RETURNED.match(line)
            if match:
                # Made inside the program's call, the object was counted as Wine's.
                pid, handle = int(match[1], 16), int(match[2], 16)
                kind = live[pid].get(handle, '')
                if kind.startswith('wine-'):
                    counts[pid][kind][0] -= 1
                    live[pid][handle] = kind = kind[len('wine-'):]
                    counts[pid][kind][0] += 1
                continue
            match = WINDOW_DC.match(line)
            if match:
                kind, column = WINDOW_DCS[match[2].decode()]
                if int(match[3], 16):
                    counts[int(match[1], 16)][kind][column] += 1
            elif line.startswith(QUESTION):
                pid, seq = line[len(QUESTION):].split()
                with open(answer_path + '.new', 'w') as answer:
                    answer.write('%d %s\n' % (int(seq), ' '.join(
                        '%s %d %d' % (kind, made, freed) for kind, (made, freed) in sorted(counts[int(pid, 16)].items()))))
                os.replace(answer_path + '.new', answer_path)
            elif not TRACE.match(line):
                sys.stdout.buffer.write(line)
                sys.stdout.flush()


def main(command):
    # In the working folder, in the build tree: a runtime from a root sees that
    # at the same path, but not the host's /tmp.
    work = tempfile.mkdtemp(prefix='gdi-count-', dir=os.getcwd())
    try:
        trace = os.path.join(work, 'trace')
        answer = os.path.join(work, 'counts')
        os.mkfifo(trace)
        # scripts/wine-exec sends the test's standard error to the pipe.
        env = dict(os.environ, WINE_EXEC_STDERR=trace,
                   GDI_COUNT_FILE='Z:' + answer.replace('/', '\\'),
                   GDI_RELAY_INCLUDE=RELAY_INCLUDE)
        test = subprocess.Popen(command, env=env)
        # Wine's background processes may hold the pipe open after the test
        # has ended, so the reader is not waited for.
        threading.Thread(target=count, args=(trace, answer), daemon=True).start()
        return test.wait()
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
