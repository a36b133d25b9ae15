#!/usr/bin/env bash
# Timing fidelity of playback: how closely the intervals between actions, as the target window receives
# them, follow the script's waits. One schedule of 200 clicks with waits from 20 ms to 2 s goes to probe.exe,
# which stamps every message with the performance counter, in these runs (XD_BENCH_RUNS picks some, by name;
# all by default):
#   script      迅点小侠4.exe plays it as a script of background clicks
#   pacer       our pacer: the clock alone, to tell late wake-ups from late deliveries
#   xdotool     xdotool and shell sleeps, what one would do without the player
#   eventlist   迅点小侠.exe plays it as an event list (.mkx written by benchmarks/mkx.py) in the background
#   foreground  both editions again in the foreground: injected input (SendInput), the script edition's
#               pointer glide included; the interval error is still between consecutive presses' arrivals;
#               then the pacer injecting, for what the system's input path adds by itself
# About ten minutes for all; not run by scripts/test.sh.
#   benchmarks/timing/run.sh [windows-build-dir]      (needs scripts/build.sh windows and scripts/wine-prefix.sh)
#   XD_BENCH_RUNS="script" benchmarks/timing/run.sh   only 迅点小侠4's background run
#   XD_BENCH_ACTIONS=40 …                             a shorter schedule (its first 40 clicks)
# Lines at the end, each for a run that took place (ms; median, p95, p99 and max of the absolute interval
# errors, drift of the last press against the sum of the waits):
#   cpu: player=… (main thread …, runner and others …) pacer=… (of one core over the playback)
#   eventlist timing: median=… p95=… p99=… max=… drift=…
#   foreground: 迅点小侠4 median=… p95=… p99=… max=… drift=…
#   foreground: 迅点小侠 median=… p95=… p99=… max=… drift=…
#   foreground: pacer median=… p95=… p99=… max=… drift=…     (the clock alone, injecting)
#   timing: median=… p95=… p99=… max=… drift=… | xdotool: median=… p95=… p99=… max=… drift=…   (the last)
# The picture of every run's errors and drift: build/benchmarks/timing/timing.png; a run of all of them also
# copies it to docs/timing.png, which the README shows.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../setup.sh"
build="${1:-$XD_ROOT/build/windows}"
export XD_BENCH_PACER="$build/benchmarks/timing/pacer.exe"
export XD_BENCH_ACTIONS="${XD_BENCH_ACTIONS:-200}"
all_runs="script pacer xdotool eventlist foreground"
export XD_BENCH_RUNS="${XD_BENCH_RUNS:-$all_runs}"
bench_setup timing "$build" "$XD_ROOT/build/benchmarks/timing"

timeout -k 10 1800 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/session.sh"
# Debian's Python, which has python3-matplotlib for the picture (a python3 earlier on PATH may not see it).
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" "$here/report.py" "$XD_BENCH_OUT" "$XD_BENCH_OUT/timing.png"
# The README's picture shows every run: only a full run replaces it.
if [[ -f "$XD_BENCH_OUT/timing.png" && "$XD_BENCH_RUNS" == "$all_runs" ]]; then
  mkdir -p "$XD_ROOT/docs" && cp "$XD_BENCH_OUT/timing.png" "$XD_ROOT/docs/"
fi
