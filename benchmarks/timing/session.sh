#!/usr/bin/env bash
# Inside xvfb-run (see run.sh): the two replays of one schedule to the probe.
set -euo pipefail
out="$XD_BENCH_OUT"
n="$XD_BENCH_ACTIONS"
tool() { timeout 60 wine "$XD_BENCH_WINTOOL" "$@"; }
winpath() { printf 'Z:%s' "${1//\//\\}"; }

timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
timeout 30 wineserver -k || true
timeout 30 wineserver -w || true

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

start_probe() {
  timeout 500 wine "$XD_BENCH_PROBE" "$(winpath "$1")" 50 50 400 300 &
  PROBE_PID=$!
  local facts
  facts="$(tool find XdProbe_Main 迅点探针 30000)"
  read -r ORIGIN_X ORIGIN_Y < <(sed -n 's/^child=XdProbe_Panel id=100 .* rect=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/p' <<<"$facts")
  ORIGIN_X=$((ORIGIN_X - 200))
  ORIGIN_Y=$((ORIGIN_Y - 100))
}
stop_probe() {
  tool close XdProbe_Main 迅点探针 >/dev/null || true
  wait "$PROBE_PID" 2>/dev/null || true
}
clicks_in() { awk '$2 ~ /^[0-9]+$/ && ($4 == "WM_LBUTTONDOWN" || $4 == "WM_NCLBUTTONDOWN")' "$1" | wc -l; }
wait_clicks() {
  local log=$1 want=$2 limit=$3 waited=0
  while (($(clicks_in "$log") < want && waited < limit)); do sleep 1; waited=$((waited + 1)); done
}

# --- CPU time: the player's process, sampled when its playback starts and after its last click -------------
cpu_sample() { python3 "$(dirname "${BASH_SOURCE[0]}")/cputime.py" "$1" >> "$out/player-cpu.txt" || true; }

# --- 迅点小侠4: background clicks -------------------------------------------------------------------------
start_probe "$out/playback.log"
mkdir -p "$out/app"
cp "$XD_BENCH_EXE" "$out/app/"
script="$out/timing.mkx"
{ printf '\xef\xbb\xbf'
  printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改" "配置.执行次数=1" "配置.前台模式=0" \
    '目标窗口("迅点探针","XdProbe_Main","0")'
  awk '{ printf "鼠标点击(1,%d,%d,1,%d)\r\n", $1, $2, $3 }' "$out/schedule.txt"
} > "$script"
timeout 400 wine "$out/app/$(basename "$XD_BENCH_EXE")" "$(winpath "$script")" &
app=$!
tool find 迅点小侠4_Form1 "*" 60000 >/dev/null
sleep 1.5
xdotool mousemove 1200 760 key F2
cpu_sample "$out/app/$(basename "$XD_BENCH_EXE")"
total_s=$(awk '{ s += $3 } END { print int(s / 1000) + 10 }' "$out/schedule.txt")
wait_clicks "$out/playback.log" "$n" "$total_s"
cpu_sample "$out/app/$(basename "$XD_BENCH_EXE")"
sleep 1
tool close 迅点小侠4_Form1 "*" >/dev/null || true
wait "$app" 2>/dev/null || true
stop_probe

# --- the clock alone: the pacer posts the same clicks at the same deadlines ------------------------------
if [[ -f "$XD_BENCH_PACER" ]]; then
  start_probe "$out/pacer-probe.log"
  timeout 400 wine "$XD_BENCH_PACER" "$(winpath "$out/schedule.txt")" "$(winpath "$out/pacer.log")" || true
  sleep 1
  stop_probe
fi

# --- xdotool and shell sleeps: the same points and the same intervals ---------------------------------------
start_probe "$out/xdotool.log"
# What a script writer without the player would do: one xdotool call per click, a shell sleep for the wait.
while read -r x y w; do
  xdotool mousemove $((ORIGIN_X + x)) $((ORIGIN_Y + y)) click 1
  sleep "$(awk -v w="$w" 'BEGIN { printf "%.3f", w / 1000 }')"
done < "$out/schedule.txt"
sleep 1
stop_probe
