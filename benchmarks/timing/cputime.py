"""Prints the wall clock and the CPU time used so far by the Wine process of a Windows program, read from /proc
(a Wine process is a Linux process whose first argument is the program's own path):

    <wall ns> <user + system CPU ns>

    cputime.py <program path>       the path the program was started from, as wine was given it

Exits with 1 when no such process runs. Two samples, at a playback's start and end, give its CPU share.
"""
import os
import sys
import time


def find(program):
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                argv0 = f.read().split(b"\0", 1)[0]
        except OSError:
            continue
        if argv0 == os.fsencode(program):
            return pid
    return None


def main():
    program = os.path.abspath(sys.argv[1])
    pid = find(program)
    if pid is None:
        return 1
    with open(f"/proc/{pid}/stat") as f:
        # The name in parentheses may hold spaces: count fields from after it. utime, stime are fields 14, 15.
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])
    cpu_ns = ticks * 1_000_000_000 // os.sysconf("SC_CLK_TCK")
    print(time.monotonic_ns(), cpu_ns)
    return 0


if __name__ == "__main__":
    sys.exit(main())
