#!/usr/bin/env bash
# Timing fidelity of playback: how closely the intervals between actions, as the target window receives
# them, follow the script's waits. One schedule goes to probe.exe, which stamps every message with the
# performance counter: 200 clicks with waits from 20 ms to 2 s, or with XD_BENCH_SCHEDULE=dense 1000 clicks
# with waits from 20 to 300 ms (enough intervals for a p99.9). In these runs (XD_BENCH_RUNS picks some, by
# name; all by default):
#   script      迅点小侠4.exe plays it as a script of background clicks
#   pacer       our pacer: the clock alone, to tell late wake-ups from late deliveries
#   xdotool     xdotool and shell sleeps, what one would do without the player
#   eventlist   迅点小侠.exe plays it as an event list (.mkx written by benchmarks/mkx.py) in the background
#   foreground  both editions again in the foreground: injected input (SendInput), the script edition's
#               pointer glide included; the interval error is still between consecutive presses' arrivals;
#               then the pacer injecting, for what the system's input path adds by itself
# About ten minutes for all (the dense schedule: about twenty); not run by scripts/test.sh.
#   benchmarks/timing/run.sh [windows-build-dir]      (needs scripts/build.sh windows and scripts/wine-prefix.sh)
#   XD_BENCH_RUNS="script" benchmarks/timing/run.sh   only 迅点小侠4's background run
#   XD_BENCH_ACTIONS=40 …                             a shorter schedule (its first 40 clicks)
#   XD_BENCH_SCHEDULE=dense …                         the dense schedule
# Presses are paired with actions by time (matching.py). Lines at the end, each for a run that took place
# (ms; median, p95, p99, max and p99.9 of the absolute interval errors, drift of the last paired press against
# the schedule; then counts: intervals off by more than 1 and 3 ms, actions whose press never arrived, presses
# that belong to no action):
#   cpu: player=… (main thread …, runner and others …) pacer=… (of one core over the playback)
#   eventlist timing: median=… p95=… p99=… max=… drift=… p99.9=… over1ms=… over3ms=… lost=… extra=…
#   foreground: 迅点小侠4 median=… (the same figures)
#   foreground: 迅点小侠 median=…
#   foreground: pacer median=…     (the clock alone, injecting)
#   timing: median=… p95=… p99=… max=… drift=… p99.9=… … | xdotool: median=… …   (the last)
# The picture of every run's errors and drift: timing.png in the output folder, build/benchmarks/timing (the
# dense schedule: build/benchmarks/timing-dense); a run of all of them over the whole schedule also copies it
# to docs/timing.png, which the README shows (the dense schedule's to docs/timing-dense.png).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../setup.sh"
build="${1:-$XD_ROOT/build/windows}"
export XD_BENCH_PACER="$build/benchmarks/timing/pacer.exe"
export XD_BENCH_SCHEDULE="${XD_BENCH_SCHEDULE:-standard}"
case "$XD_BENCH_SCHEDULE" in
  standard) name=timing clicks=200 limit=1800 ;;
  dense) name=timing-dense clicks=1000 limit=3600 ;;
  *) echo "timing: XD_BENCH_SCHEDULE is standard or dense, not $XD_BENCH_SCHEDULE" >&2; exit 2 ;;
esac
export XD_BENCH_ACTIONS="${XD_BENCH_ACTIONS:-$clicks}"
all_runs="script pacer xdotool eventlist foreground"
export XD_BENCH_RUNS="${XD_BENCH_RUNS:-$all_runs}"
# Each schedule keeps its own output folder, so a dense run leaves the last standard one to compare with.
bench_setup timing "$build" "$XD_ROOT/build/benchmarks/$name"

timeout -k 10 "$limit" xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/session.sh"
# Debian's Python, which has python3-matplotlib for the picture (a python3 earlier on PATH may not see it).
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" -B "$here/report.py" "$XD_BENCH_OUT" "$XD_BENCH_OUT/timing.png"
# The README's pictures show every run over the whole schedule: only such a run replaces one.
if [[ -f "$XD_BENCH_OUT/timing.png" && "$XD_BENCH_RUNS" == "$all_runs" && "$XD_BENCH_ACTIONS" == "$clicks" ]]; then
  mkdir -p "$XD_ROOT/docs" && cp "$XD_BENCH_OUT/timing.png" "$XD_ROOT/docs/$name.png"
fi
