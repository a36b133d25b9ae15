"""Prints the wall clock and the CPU time used so far by the Wine process of a Windows program, read from /proc
(a Wine process is a Linux process whose first argument is the program's own path):

    <wall ns> <user + system CPU ns> <of which the main thread's>

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


def cpu_ns(stat_path):
    with open(stat_path) as f:
        # The name in parentheses may hold spaces: count fields from after it. utime, stime are fields 14, 15.
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1_000_000_000 // os.sysconf("SC_CLK_TCK")


def main():
    program = os.path.abspath(sys.argv[1])
    pid = find(program)
    if pid is None:
        return 1
    wall = time.monotonic_ns()
    # The process's figure includes the threads that have ended, such as a finished runner's; the main
    # thread's task has the process's id.
    print(wall, cpu_ns(f"/proc/{pid}/stat"), cpu_ns(f"/proc/{pid}/task/{pid}/stat"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
