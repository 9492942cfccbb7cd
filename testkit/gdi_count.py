"""Runs a test program under Wine and counts, for each process, the GDI objects
that Wine's trace shows made and freed: those the program made itself, by
type, and Wine's own, by type.

usage: gdi_count.py EMULATOR... TEST.exe [ARGS...]

The programs a test starts under testkit::GdiTraceOn inherit the test's
standard error and write their trace there: +gdi names the type of each
object as it is made and freed ("allocated NTGDI_OBJ_FONT 0x..."), and +relay
shows each call the program's own module makes to the functions of
RELAY_INCLUDE, with the handle it returned. An object such a call returned is
the program's; every other one, such as a window's cached device context, the
pixels Wine keeps for a closed window or a brush of a system colour, is
Wine's. The trace comes here through a pipe and is counted as it streams by.

The test asks for the counts by writing "gdi-count PID SEQ" to its standard
error, after everything it wants counted has happened; the pipe keeps the
order, so the answer "SEQ KIND MADE FREED KIND MADE FREED ..." counts every
line written before the question. Wine's kinds are named "wine-TYPE". The
answer replaces the file that GDI_COUNT_FILE names (a Windows path). Lines
that are neither trace nor questions go on to standard output.
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading

# The calls that make GDI objects, traced where the program makes them; the
# test puts them in Wine's RelayInclude setting (GDI_RELAY_INCLUDE).
RELAY_INCLUDE = ';'.join('gdi32.' + name for name in (
    'CreateFontA', 'CreateFontW', 'CreateFontIndirectA', 'CreateFontIndirectW',
    'CreateSolidBrush', 'CreateBrushIndirect', 'CreateHatchBrush', 'CreatePatternBrush',
    'CreatePen', 'CreatePenIndirect', 'ExtCreatePen',
    'CreateDCA', 'CreateDCW', 'CreateICA', 'CreateICW', 'CreateCompatibleDC',
    'CreateBitmap', 'CreateCompatibleBitmap', 'CreateDIBSection',
    'CreateRectRgn', 'CreateRectRgnIndirect', 'CreateEllipticRgn', 'CreateRoundRectRgn'))
QUESTION = b'gdi-count '
# With +pid each line starts with the process and thread, in hexadecimal:
# "0114:0118:trace:gdi:alloc_gdi_handle allocated NTGDI_OBJ_FONT 0x1234 7/...",
# "0114:0118:Ret  gdi32.CreateFontIndirectA() retval=00001234 ret=140001e4a".
OBJECT = re.compile(rb'([0-9a-f]+):[0-9a-f]+:trace:gdi:\w+ (allocated|freed) (?:NTGDI_)?OBJ_(\w+) 0x([0-9a-f]+)')
RETURNED = re.compile(rb'([0-9a-f]+):[0-9a-f]+:Ret  gdi32\.\w+\(\) retval=([0-9a-f]+)')


class Process:
    def __init__(self):
        self.counts = collections.defaultdict(lambda: [0, 0])  # kind -> [made, freed]
        self.live = {}  # handle -> kind

    def made(self, kind, handle):
        self.live[handle] = 'wine-' + kind
        self.counts['wine-' + kind][0] += 1

    def freed(self, kind, handle):
        self.counts[self.live.pop(handle, 'wine-' + kind)][1] += 1

    def returned(self, handle):
        # The object was counted as Wine's when made, inside the call.
        kind = self.live.get(handle, '')
        if kind.startswith('wine-'):
            self.counts[kind][0] -= 1
            self.live[handle] = kind[len('wine-'):]
            self.counts[self.live[handle]][0] += 1

    def answer(self):
        return ' '.join('%s %d %d' % (kind, made, freed)
                        for kind, (made, freed) in sorted(self.counts.items()))


def count(trace_path, answer_path):
    processes = collections.defaultdict(Process)
    with open(trace_path, 'rb') as trace:
        for line in trace:
            match = OBJECT.match(line)
            if match:
                pid, verb, kind, handle = match.groups()
                process = processes[int(pid, 16)]
                (process.made if verb == b'allocated' else process.freed)(kind.decode(), int(handle, 16))
                continue
            match = RETURNED.match(line)
            if match:
                pid, handle = match.groups()
                processes[int(pid, 16)].returned(int(handle, 16))
            elif line.startswith(QUESTION):
                pid, seq = line[len(QUESTION):].split()
                with open(answer_path + '.new', 'w') as answer:
                    answer.write('%d %s\n' % (int(seq), processes[int(pid, 16)].answer()))
                os.replace(answer_path + '.new', answer_path)
            elif b':trace:' not in line[:40] and b':Call ' not in line[:40] and b':Ret  ' not in line[:40]:
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
