"""Runs a test program under Wine and counts, for each process, the GDI handles
that Wine's +gdi trace shows made (alloc_gdi_handle) and freed
(free_gdi_handle).

usage: gdi_count.py EMULATOR... TEST.exe [ARGS...]

The programs a test starts with WINEDEBUG=+pid,+gdi inherit the test's
standard error and write their trace there. It comes here through a pipe and
is counted as it streams by: a long run traces some hundred megabytes. The
test asks for a count by writing "gdi-count PID SEQ" to its standard error,
after everything it wants counted has happened; the pipe keeps the order, so
the answer "SEQ MADE FREED" counts every line written before the question.
The answer replaces the file that GDI_COUNT_FILE names (a Windows path).
Lines that are neither trace of gdi nor questions go on to standard output.
"""
import collections
import os
import shutil
import subprocess
import sys
import tempfile
import threading

QUESTION = b'gdi-count '
GDI_TRACE = b':trace:gdi:'
MADE = b'alloc_gdi_handle '
FREED = b'free_gdi_handle '


def count(trace_path, answer_path):
    counts = collections.defaultdict(lambda: [0, 0])  # pid -> [made, freed]
    with open(trace_path, 'rb') as trace:
        for line in trace:
            # The +pid prefix: "0114:0118:trace:gdi:alloc_gdi_handle ...", in
            # hexadecimal.
            at = line.find(GDI_TRACE, 0, 40)
            if at > 0:
                at += len(GDI_TRACE)
                if line.startswith(MADE, at):
                    counts[int(line[:line.index(b':')], 16)][0] += 1
                elif line.startswith(FREED, at):
                    counts[int(line[:line.index(b':')], 16)][1] += 1
            elif line.startswith(QUESTION):
                pid, seq = line[len(QUESTION):].split()
                made, freed = counts[int(pid, 16)]
                with open(answer_path + '.new', 'w') as answer:
                    answer.write('%d %d %d\n' % (int(seq), made, freed))
                os.replace(answer_path + '.new', answer_path)
            else:
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
                   GDI_COUNT_FILE='Z:' + answer.replace('/', '\\'))
        test = subprocess.Popen(command, env=env)
        # Wine's background processes may hold the pipe open after the test
        # has ended, so the reader is not waited for.
        threading.Thread(target=count, args=(trace, answer), daemon=True).start()
        return test.wait()
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
