#!/usr/bin/env bash
# Soak: each edition plays a looping script of fast background clicks to probe.exe under Wine for a long time
# (XD_SOAK_SECONDS per edition, 600 by default: 50 000 clicks 12 ms apart), first 迅点小侠4.exe, then
# 迅点小侠.exe. The script is 50 or more clicks repeated a finite number of times (at most 1000 runs, the event
# list's limit), so the actions played are known: clicks × runs. Reported per edition:
#   - resources of the program's process after its first run and again in its last run, both while it plays, so
#     only growth across the loop shows: handles, GDI objects, user objects (wintool resources; n/a where the
#     system does not tell: Wine has no GDI or user object counts) and private memory (PrivateUsage, or under
#     Wine, which reads 0 there, the Linux process's resident anonymous memory, RssAnon);
#   - the presses the probe received against the actions played;
#   - the drift: the last press's arrival after the first, less the waits between them.
# About 2 × XD_SOAK_SECONDS plus a minute; not run by scripts/test.sh.
#   benchmarks/soak/run.sh [windows-build-dir]      (needs scripts/build.sh windows and scripts/wine-prefix.sh)
#   XD_SOAK_SECONDS=60 benchmarks/soak/run.sh       a short run
# Output: per edition its name, its two samples and a line "soak: actions=… received=… handles=… gdi=… user=…
# memory=… KB drift=… ms"; the last line is the same form for both together: actions and received summed,
# growth and drift the larger (worse) of the two.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../setup.sh"
export XD_SOAK_SECONDS="${XD_SOAK_SECONDS:-600}"
bench_setup soak "${1:-$XD_ROOT/build/windows}" "$XD_ROOT/build/benchmarks/soak"

timeout -k 10 $((2 * XD_SOAK_SECONDS + 900)) xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/session.sh"
python3 "$here/report.py" "$XD_BENCH_OUT"
