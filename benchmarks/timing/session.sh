#!/usr/bin/env bash
# Inside xvfb-run (see run.sh): the two replays of one schedule to the probe.
set -euo pipefail
out="$XD_BENCH_OUT"
n="$XD_BENCH_ACTIONS"
export XD_E2E_WINTOOL="$XD_BENCH_WINTOOL" XD_E2E_PROBE="$XD_BENCH_PROBE" XD_E2E_OUT="$out"
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/lib.sh"

set_dpi 96

# The schedule: point x y and the wait after it, in ms. A fixed seed, so every run plays the same waits: many
# short ones, a body of medium ones and a tail up to 2 s, about 0.4 s on average.
awk -v n="$n" 'BEGIN {
  srand(20261208)
  for (i = 0; i < n; i++) {
    r = rand()
    if (r < 0.4) w = 20 + int(rand() * 80)
    else if (r < 0.85) w = 100 + int(rand() * 600)
    else w = 700 + int(rand() * 1301)
    printf "%d %d %d\n", 20 + int(rand() * 340), 20 + int(rand() * 220), w
  }
}' > "$out/schedule.txt"

clicks_in() { log_count "$1" '$2 ~ /^[0-9]+$/ && ($4 == "WM_LBUTTONDOWN" || $4 == "WM_NCLBUTTONDOWN")'; }
all_clicks_in() { (($(clicks_in "$1") >= n)); }
# While clicks are being timed, the log is looked at once a second only, to keep the machine quiet.
wait_all_clicks() { POLL_INTERVAL=1 wait_until "$2" all_clicks_in "$1"; }
probe() { start_probe "$1" || { echo "timing: the probe did not show" >&2; exit 1; }; }
total_ms=$(awk '{ s += $3 } END { print int(s) + 10000 }' "$out/schedule.txt")

# --- CPU time: the player's process, sampled when its playback starts and after its last click -------------
cpu_sample() { python3 "$(dirname "${BASH_SOURCE[0]}")/cputime.py" "$1" >> "$out/player-cpu.txt" || true; }

# --- 迅点小侠4: background clicks -------------------------------------------------------------------------
probe "$out/playback.log"
mkdir -p "$out/app"
cp "$XD_BENCH_EXE" "$out/app/"
APP_EXE="$out/app/$(basename "$XD_BENCH_EXE")"
APP_TIMEOUT=400
script="$out/timing.mkx"
{ printf '\xef\xbb\xbf'
  printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改" "配置.执行次数=1" "配置.前台模式=0" \
    "目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")"
  awk '{ printf "鼠标点击(1,%d,%d,1,%d)\r\n", $1, $2, $3 }' "$out/schedule.txt"
} > "$script"
start_app "$(winpath "$script")" || { echo "timing: no main window" >&2; exit 1; }
xdotool mousemove 1200 760 key F2
cpu_sample "$APP_EXE"
wait_all_clicks "$out/playback.log" "$total_ms" || echo "timing: the player's clicks did not all arrive" >&2
cpu_sample "$APP_EXE"
wait_until 10000 editor_enabled || true # the playback's end
close_app timing
stop_probes

# --- the clock alone: the pacer posts the same clicks at the same deadlines ------------------------------
if [[ -f "$XD_BENCH_PACER" ]]; then
  probe "$out/pacer-probe.log"
  timeout 400 wine "$XD_BENCH_PACER" "$(winpath "$out/schedule.txt")" "$(winpath "$out/pacer.log")" || true
  wait_all_clicks "$out/pacer-probe.log" 10000 || echo "timing: the pacer's clicks did not all arrive" >&2
  stop_probes
fi

# --- xdotool and shell sleeps: the same points and the same intervals ---------------------------------------
probe "$out/xdotool.log"
# What a script writer without the player would do: one xdotool call per click, a shell sleep for the wait
# (the pacing being measured).
while read -r x y w; do
  xdotool mousemove $((ORIGIN_X + x)) $((ORIGIN_Y + y)) click 1
  sleep "$(awk -v w="$w" 'BEGIN { printf "%.3f", w / 1000 }')"
done < "$out/schedule.txt"
wait_all_clicks "$out/xdotool.log" 10000 || echo "timing: xdotool's clicks did not all arrive" >&2
stop_probes
