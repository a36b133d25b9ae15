# Shared by the timing and soak sessions (inside xvfb-run): the schedule, each edition's script for it, starting
# an edition and playing it, and counting the presses the probe received. Sourced after tests/e2e/lib.sh.
#   needs XD_BENCH_OUT (the output folder), XD_BENCH_SCRIPT_EXE (迅点小侠4.exe), XD_BENCH_EVENT_EXE (迅点小侠.exe)
bench_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# The schedule: point x y (the probe's client area) and the wait after it, in ms. A fixed seed, so every run
# plays the same waits, and a shorter schedule is the start of the longer one. The standard kind: many short
# waits, a body of medium ones and a tail up to 2 s, about 0.4 s on average. The dense kind: waits of 20 to
# 300 ms, half of them under 100, about 0.13 s on average, for the many intervals a p99.9 needs.
write_schedule() { # clicks file [standard|dense]
  awk -v n="$1" -v kind="${3:-standard}" 'BEGIN {
    srand(kind == "dense" ? 20261209 : 20261208)
    for (i = 0; i < n; i++) {
      r = rand()
      if (kind == "dense") w = r < 0.5 ? 20 + int(rand() * 80) : 100 + int(rand() * 201)
      else if (r < 0.4) w = 20 + int(rand() * 80)
      else if (r < 0.85) w = 100 + int(rand() * 600)
      else w = 700 + int(rand() * 1301)
      printf "%d %d %d\n", 20 + int(rand() * 340), 20 + int(rand() * 220), w
    }
  }' > "$2"
}

# Left presses in a probe log: on the probe or its children, client area or border, single or double.
clicks_in() {
  log_count "$1" '$2 ~ /^[0-9]+$/ && ($4 == "WM_LBUTTONDOWN" || $4 == "WM_NCLBUTTONDOWN" || $4 == "WM_LBUTTONDBLCLK")'
}
clicks_at_least() { (($(clicks_in "$1") >= $2)); }
# While clicks are being timed, the log is looked at once a second only, to keep the machine quiet.
wait_clicks() { POLL_INTERVAL=1 wait_until "$3" clicks_at_least "$1" "$2"; } # log count ms
probe() { start_probe "$1" || { echo "bench: the probe did not show" >&2; exit 1; }; }

# --- the two editions' scripts for a schedule, aimed at the probe that is showing ----------------------------
script_edition_script() { # schedule out foreground repeat
  { printf '\xef\xbb\xbf'
    printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改" "配置.执行次数=$4" "配置.前台模式=$3" \
      "目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")"
    awk '{ printf "鼠标点击(1,%d,%d,1,%d)\r\n", $1, $2, $3 }' "$1"
  } > "$2"
}
event_list_script() { # schedule out foreground repeat
  local wl wt
  IFS=, read -r wl wt _ < <(field window "$(tool find "$PROBE_CLASS" "$PROBE_TITLE")")
  python3 "$bench_here/mkx.py" "$1" "$2" "$ORIGIN_X" "$ORIGIN_Y" "$wl" "$wt" "$4" "$3"
}

# --- an edition: started on a script of its own folder's copy, played with F2 ----------------------------------
EDITION=""
APP_SCRIPT_TITLE=""
# The script edition has loaded when its editor holds the script; the event-list edition when its caption names it.
app_loaded() {
  if [[ $EDITION == eventlist ]]; then title_is "$APP_SCRIPT_TITLE"; else [[ -n "$(editor_text)" ]]; fi
}
# Idle again after a playback: the editor (script edition) or the list (event-list edition) is enabled.
edition_idle() { refresh; child_enabled "$([[ $EDITION == eventlist ]] && echo 120 || echo "$F1_EDITOR")"; }

start_edition() { # script|eventlist script-file
  EDITION=$1
  local exe=$XD_BENCH_SCRIPT_EXE
  APP_CLASS=$MAIN_CLASS
  if [[ $EDITION == eventlist ]]; then exe=$XD_BENCH_EVENT_EXE APP_CLASS=$EL_MAIN_CLASS; fi
  mkdir -p "$XD_BENCH_OUT/app-$EDITION"
  cp "$exe" "$XD_BENCH_OUT/app-$EDITION/"
  APP_EXE="$XD_BENCH_OUT/app-$EDITION/$(basename "$exe")"
  APP_SCRIPT_TITLE="$(basename "$2" .mkx)"
  start_app "$(winpath "$2")" || { echo "bench: $EDITION shows no main window" >&2; return 1; }
}
# The play key with the pointer at a point (default: out of the probe's way).
press_play() { move_pointer "${1:-1200}" "${2:-760}" || true; xdotool key F2; }
end_edition() { # label
  wait_until 15000 edition_idle || echo "bench: $1 did not return to idle" >&2
  close_app "$1" discard
}
