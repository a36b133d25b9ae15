#!/usr/bin/env bash
# Timing fidelity of playback: how closely the intervals between actions, as the target window receives
# them, follow the script's waits. 迅点小侠4.exe plays a script of 200 background clicks with waits from
# 20 ms to 2 s to probe.exe, which stamps every message with the performance counter; then the same
# schedule is replayed by our pacer (the clock alone, to tell late wake-ups from late deliveries) and with
# xdotool and shell sleeps to the same probe. About five minutes; not run by
# scripts/test.sh.
#   benchmarks/timing/run.sh [windows-build-dir]      (needs scripts/build.sh windows and scripts/wine-prefix.sh)
# Last line: timing: median=… p95=… p99=… max=… drift=… | xdotool: median=… p95=… p99=… max=… drift=… (ms)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/common.sh"
xd_wine_env

build="${1:-$XD_ROOT/build/windows}"
export XD_BENCH_EXE="$build/programs/script_edition/迅点小侠4.exe"
export XD_BENCH_WINTOOL="$build/tests/e2e/wintool.exe"
export XD_BENCH_PROBE="$build/tests/e2e/probe/probe.exe"
export XD_BENCH_PACER="$build/benchmarks/timing/pacer.exe"
export XD_BENCH_OUT="$XD_ROOT/build/benchmarks/timing"
export XD_BENCH_ACTIONS="${XD_BENCH_ACTIONS:-200}"
for f in "$XD_BENCH_EXE" "$XD_BENCH_WINTOOL" "$XD_BENCH_PROBE"; do
  [[ -f "$f" ]] || { echo "timing: missing $f (run scripts/build.sh windows)" >&2; exit 1; }
done
[[ -f "$WINEPREFIX/system.reg" ]] || { echo "timing: no Wine prefix (run scripts/wine-prefix.sh)" >&2; exit 1; }
rm -rf "$XD_BENCH_OUT"
mkdir -p "$XD_BENCH_OUT"

timeout -k 10 600 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/session.sh"
pacer_logs=()
[[ -f "$XD_BENCH_OUT/pacer.log" ]] && pacer_logs=("$XD_BENCH_OUT/pacer-probe.log" "$XD_BENCH_OUT/pacer.log")
python3 "$here/report.py" "$XD_BENCH_OUT/schedule.txt" "$XD_BENCH_OUT/playback.log" "$XD_BENCH_OUT/xdotool.log" \
  "${pacer_logs[@]}"
