#!/usr/bin/env bash
# Inside xvfb-run (see run.sh): the replays of one schedule to the probe that XD_BENCH_RUNS selects.
set -euo pipefail
out="$XD_BENCH_OUT"
n="$XD_BENCH_ACTIONS"
export XD_E2E_WINTOOL="$XD_BENCH_WINTOOL" XD_E2E_PROBE="$XD_BENCH_PROBE" XD_E2E_OUT="$out"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../tests/e2e/lib.sh"
source "$here/../common.sh"
runs=" $XD_BENCH_RUNS "
want() { [[ $runs == *" $1 "* ]]; }

set_dpi 96
write_schedule "$n" "$out/schedule.txt" "$XD_BENCH_SCHEDULE"
total_ms=$(awk '{ s += $3 } END { print int(s) + 10000 }' "$out/schedule.txt")
APP_TIMEOUT=$((total_ms / 1000 + 200))
PROBE_TIMEOUT=$APP_TIMEOUT

# --- CPU time: the player's process, sampled when its playback starts and after its last click -------------
cpu_sample() { python3 "$here/cputime.py" "$1" >> "$out/player-cpu.txt" || true; }

# One edition plays the schedule once to a fresh probe: edition, log name, foreground (0 or 1).
play_schedule() {
  local log="$out/$2.log" script="$out/$2.mkx"
  probe "$log"
  if [[ $1 == eventlist ]]; then event_list_script "$out/schedule.txt" "$script" "$3" 1
  else script_edition_script "$out/schedule.txt" "$script" "$3" 1; fi
  start_edition "$1" "$script" || exit 1
  # In the foreground the pointer starts on the first point: under Wine the X server reports a warp late, and
  # the first press must not land where the pointer stood before.
  local x y
  read -r x y _ < "$out/schedule.txt"
  # A foreground player's first press would also activate the probe, which the program just started has
  # taken the place of: the probe is brought to the front first, as a user's target window would be, with
  # a middle click, which the report does not count.
  if (($3)); then
    move_pointer $((ORIGIN_X + x)) $((ORIGIN_Y + y)) || true
    xdotool click 2
    wait_until 3000 grep -q "MBUTTONUP " "$log" || echo "bench: the probe did not see the middle click" >&2
    press_play $((ORIGIN_X + x)) $((ORIGIN_Y + y))
  else
    press_play
  fi
  [[ $2 == playback ]] && cpu_sample "$APP_EXE"
  wait_clicks "$log" "$n" "$total_ms" || echo "timing: $2: the player's clicks did not all arrive" >&2
  [[ $2 == playback ]] && cpu_sample "$APP_EXE"
  end_edition "$2"
  stop_probes
}

# --- 迅点小侠4: background clicks -------------------------------------------------------------------------
if want script; then play_schedule script playback 0; fi

# --- the clock alone: the pacer posts the same clicks at the same deadlines ------------------------------
if want pacer && [[ -f "$XD_BENCH_PACER" ]]; then
  probe "$out/pacer-probe.log"
  timeout 400 wine "$XD_BENCH_PACER" "$(winpath "$out/schedule.txt")" "$(winpath "$out/pacer.log")" || true
  wait_clicks "$out/pacer-probe.log" "$n" 10000 || echo "timing: the pacer's clicks did not all arrive" >&2
  stop_probes
fi

# --- xdotool and shell sleeps: the same points and the same intervals ---------------------------------------
if want xdotool; then
  probe "$out/xdotool.log"
  # What a script writer without the player would do: one xdotool call per click, a shell sleep for the wait
  # (the pacing being measured).
  while read -r x y w; do
    xdotool mousemove $((ORIGIN_X + x)) $((ORIGIN_Y + y)) click 1
    sleep "$(awk -v w="$w" 'BEGIN { printf "%.3f", w / 1000 }')"
  done < "$out/schedule.txt"
  wait_clicks "$out/xdotool.log" "$n" 10000 || echo "timing: xdotool's clicks did not all arrive" >&2
  stop_probes
fi

# --- 迅点小侠: the event list's background clicks -----------------------------------------------------------
if want eventlist; then play_schedule eventlist eventlist 0; fi

# --- both editions in the foreground: injected input, the script edition's glide included -------------------
if want foreground; then
  play_schedule script foreground-script 1
  play_schedule eventlist foreground-eventlist 1
  # The clock alone again, injecting: what the system's input path adds to any foreground player.
  if [[ -f "$XD_BENCH_PACER" ]]; then
    probe "$out/foreground-pacer.log"
    read -r x y _ < "$out/schedule.txt"
    xdotool mousemove $((ORIGIN_X + x)) $((ORIGIN_Y + y))
    timeout 400 wine "$XD_BENCH_PACER" "$(winpath "$out/schedule.txt")" "$(winpath "$out/foreground-pacer-times.log")" \
      foreground || true
    wait_clicks "$out/foreground-pacer.log" "$n" 10000 || echo "timing: the foreground pacer's clicks did not all arrive" >&2
    stop_probes
  fi
fi
