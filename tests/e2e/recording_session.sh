#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): recording end to end. F3 typed with xdotool starts 迅点小侠4.exe's
# recording, xdotool clicks, drags and turns the wheel over probe.exe (a window that logs every mouse message
# it receives), F3 stops. The script is read from the editor with WM_GETTEXT and held against what the probe
# itself saw; then it is played back and the probe's log must show the same gestures again.
#   needs XD_E2E_EXE, XD_E2E_WINTOOL, XD_E2E_PROBE, XD_E2E_OUT
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$XD_E2E_OUT/recording"
rm -rf "$work"
mkdir -p "$work"
APP_TIMEOUT=240

# A fresh wineserver on this display, at 96 DPI, so script pixels are screen pixels.
set_dpi 96

# --- two probes, two processes: A on the left of the main window, B on the right --------------------
# The probes' windows: x (A at 10, B further right by PROBE_B_SHIFT) 100 380 300.
PROBE_B_SHIFT=880
launch_probes() { # names: A first, then B
  launch_probe "$work/$1.log" 10 100 380 300
  [[ -z ${2:-} ]] || launch_probe "$work/$2.log" $((10 + PROBE_B_SHIFT)) 100 380 300
}
# Screen point of the button's client origin in probe A; B's is the same shifted by the windows' distance.
BUTTON_X=0
BUTTON_Y=0
find_probe_a() { # how many probes run
  wait_until 30000 probes_shown "$1" || return 1
  local facts l t
  facts="$(tool find "$PROBE_CLASS" "$PROBE_TITLE")" || return 1
  # Both probes share class and title; the one left of the middle is A.
  read -r l t _ < <(child_rect "$PROBE_PANEL" "$facts")
  [[ -n "$l" ]] || return 1
  ((l < SCREEN_WIDTH / 2)) || l=$((l - PROBE_B_SHIFT))
  BUTTON_X=$((l + 20 + 1))
  BUTTON_Y=$((t + 30 + 1))
}

# Log lines: "<µs> <control id> <msg> <name> <wParam> <lParam> <x> <y> [hit]"; control 101 is the button.
# "x y" of the n-th message of this name at the button, from line `from` of the log on.
nth_at_button() {
  log_range "$1" "${4:-1}" | awk -v n="$2" -v id="$PROBE_BUTTON" '$2 == id && $4 == n { print $7, $8 }' | sed -n "$3p"
}
log_lines() { wc -l < "$work/$1.log"; }
# Lines [from, to) of a log; to defaults to the end.
log_range() { awk -v a="$2" -v b="${3:-0}" 'NR >= a && (b == 0 || NR < b)' "$work/$1.log"; }
wheel_notches_from() { (($(log_range "$1" "$2" | awk '$4 == "WM_MOUSEWHEEL"' | wc -l) >= $3)); }

# --- the program ------------------------------------------------------------------------------------
new_app_folder() {
  local app="$work/$1"
  mkdir -p "$app"
  cp "$XD_E2E_EXE" "$app/"
  APP_EXE="$app/$(basename "$XD_E2E_EXE")"
}
# The editor is disabled while a recording or a playback runs.
recording() { editor_disabled; }
stopped() { editor_enabled; }
# How many pixels of the 80 x 80 square around a screen point differ between two screenshots.
square_at() { import -window root -crop "80x80+$(($2 - 40))+$(($3 - 40))" +repage "$1"; }
# compare exits with 1 when the images differ: that is an answer here, not a failure.
pixels_changed() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
# The square around a point, once no ring grows there: the same in two captures in a row.
square_settled() { # file x y
  [[ -f "$1" ]] && mv "$1" "$1.prev.png"
  square_at "$1" "$2" "$3"
  [[ -f "$1.prev.png" && "$(pixels_changed "$1.prev.png" "$1")" == 0 ]]
}
settled_square() { rm -f "$1" "$1.prev.png"; wait_until 5000 square_settled "$@"; }
# A ring drawn at a point: the square differs from the settled one in 20 pixels or more (6400 is all of it).
RING_PIXELS=0
ring_shows() { # before after x y
  square_at "$2" "$3" "$4"
  RING_PIXELS="$(pixels_changed "$1" "$2")"
  between "${RING_PIXELS%.*}" 20 6400
}
park_pointer() { xdotool mousemove 640 760; }


# The gesture lines of the script: everything after the header's last 配置 line.
body_of() { awk '/^配置\./ { body = ""; next } { body = body $0 "\n" } END { printf "%s", body }' | tr -d '\r'; }
# The n-th argument of a script line.
arg() { sed 's/^[^(]*(//; s/)$//' <<<"$1" | cut -d, -f"$2"; }
between() { [[ "$1" =~ ^-?[0-9]+$ ]] && (($1 >= $2 && $1 <= $3)); }

# --- exclusive mode (the default): record, check the script, play it back ------------------------------
record_and_play() {
  echo "--- recording click, drag and wheel, then the round trip"
  new_app_folder single
  launch_probes single
  start_app || { fail "[record] no main window"; return; }
  find_probe_a 1 || { fail "[record] probe A did not show"; return; }
  # The full window, so the editor shows the lines as they come.
  show_editor_view || fail "[record] the Editor button shows no full window"

  park_pointer
  xdotool key F3
  check_within "[record] F3 starts recording: the editor is disabled" 5000 recording
  local a_start
  a_start=$(($(log_lines single) + 1))

  # Pacing: the pauses between the gestures are what the recorded waits must cover.
  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.8
  drag_at 10 8 85 30 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.7
  wheel_at 60 20 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6
  # The program's own toolbar: Save, disabled while recording, so the click changes nothing either.
  click_toolbar "$TB_SAVE"
  sleep 0.5 # pacing: the wheel's wait runs on to the stop, a second or more after it
  snap "$work/recording.png"
  park_pointer
  xdotool key F3

  check_within "[record] F3 stops recording: the editor is enabled again" 5000 stopped
  local text body
  text="$(editor_text)"
  printf '%s\n' "$text" | tr -d '\r' > "$work/single.mkx.txt"
  body="$(body_of <<<"$text")"
  echo "      recorded:"
  sed 's/^/        /' <<<"$body"
  check "[record] the script starts with the header" grep -q "^'岚榕迅点小侠脚本，版本：" <<<"$text"
  check "[record] the header plays in the background (前台模式=0)" grep -q "^配置.前台模式=0" <<<"$text"

  local lines=()
  mapfile -t lines <<<"$body"
  check "[record] four lines: target window, click, drag, wheel (the toolbar click absent)" \
    test "${#lines[@]}" -eq 4
  check "[record] 目标窗口 names the probe's title, class and the button's child path 1,1" \
    test "${lines[0]:-}" == "目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"1,1\")"

  # What the probe received from xdotool is the measure of the recorded positions.
  local seen_click seen_drag0 seen_drag1
  seen_click="$(nth_at_button single WM_LBUTTONDOWN 1 "$a_start")"
  seen_drag0="$(nth_at_button single WM_LBUTTONDOWN 2 "$a_start")"
  seen_drag1="$(nth_at_button single WM_LBUTTONUP 2 "$a_start")"
  echo "      the probe saw: click at $seen_click, drag $seen_drag0 -> $seen_drag1"
  local click="${lines[1]:-}" drag="${lines[2]:-}" wheel="${lines[3]:-}"
  check "[record] click: 鼠标点击 left button at the client point the probe saw ($seen_click), once" \
    test "${click%%(*}|$(arg "$click" 1)|$(arg "$click" 2) $(arg "$click" 3)|$(arg "$click" 4)" \
    == "鼠标点击|1|$seen_click|1"
  check "[record] click: the wait covers the pause before the drag ($(arg "$click" 5) ms)" \
    between "$(arg "$click" 5)" 800 3000
  check "[record] drag: 鼠标拖移 left button from $seen_drag0 to $seen_drag1" \
    test "${drag%%(*}|$(arg "$drag" 1)|$(arg "$drag" 2) $(arg "$drag" 3)|$(arg "$drag" 4) $(arg "$drag" 5)" \
    == "鼠标拖移|1|$seen_drag0|$seen_drag1"
  check "[record] drag: held for $(arg "$drag" 6) ms" between "$(arg "$drag" 6)" 250 2000
  check "[record] drag: the wait covers the pause before the wheel ($(arg "$drag" 7) ms)" \
    between "$(arg "$drag" 7)" 600 3000
  check "[record] wheel: 鼠标滚轮 three notches of +120 at (60,20)" \
    test "${wheel%%(*}|$(arg "$wheel" 1)|$(arg "$wheel" 2) $(arg "$wheel" 3)|$(arg "$wheel" 4)" \
    == "鼠标滚轮|120|60 20|3"
  check "[record] wheel: the last wait runs to the stop ($(arg "$wheel" 5) ms)" \
    between "$(arg "$wheel" 5)" 1000 6000

  round_trip "$a_start"
  close_app record discard
  stop_probes
}

# The recorded script played back in the background: the probe must see the same gestures, in order.
round_trip() {
  local a_start=$1
  # One repetition: the repeat slider's right arrow, as a user would set it.
  refresh
  repeat_slider_step
  wait_until 5000 slider_at 1 || fail "[round trip] the repeat slider did not move to 1"
  park_pointer
  local from=$(($(log_lines single) + 1))
  xdotool key F2
  # Recorded waits add up to a few seconds; the playback ends on its own after one repetition.
  wait_until 20000 wheel_notches_from single "$from" 3 || true
  wait_until 10000 stopped || true
  shot played "$work"
  # The order of the button messages and the points, as recorded and as played.
  local recorded played
  recorded="$(log_range single "$a_start" "$from" |
    awk '$2 == 101 && ($4 == "WM_LBUTTONDOWN" || $4 == "WM_LBUTTONUP") { print $4, $7, $8 }')"
  played="$(log_range single "$from" |
    awk '$2 == 101 && ($4 == "WM_LBUTTONDOWN" || $4 == "WM_LBUTTONUP") { print $4, $7, $8 }')"
  echo "      recorded button messages: $(tr '\n' ';' <<<"$recorded")"
  echo "      played button messages:   $(tr '\n' ';' <<<"$played")"
  check "[round trip] the button got the same presses and releases at the same client points, in order" \
    test -n "$recorded" -a "$recorded" == "$played"
  local wheel_rec wheel_play
  wheel_rec="$(log_range single "$a_start" "$from" |
    awk '$4 == "WM_MOUSEWHEEL" { print $5, $6 }')"
  wheel_play="$(log_range single "$from" | awk '$4 == "WM_MOUSEWHEEL" { print $5, $6 }')"
  check "[round trip] three wheel notches, same delta and screen point as recorded" \
    test "$(wc -l <<<"$wheel_play")" -eq 3 -a "$wheel_rec" == "$wheel_play"
  check "[round trip] order: the click and the drag come before the wheel" \
    test "$(log_range single "$from" | awk '$4 == "WM_LBUTTONUP" && $2 == 101 { n++ } $4 == "WM_MOUSEWHEEL" { print n; exit }')" == 2
  check "[round trip] the playback ended by itself: the editor is enabled" stopped
}

# --- two probes, two processes: exclusive mode (the default) keeps to the first one ------------------
record_exclusive() {
  echo "--- recording over two programs in exclusive mode"
  new_app_folder exclusive
  launch_probes exclusive-a exclusive-b
  start_app || { fail "[exclusive] no main window"; return; }
  find_probe_a 2 || { fail "[exclusive] probe A did not show"; return; }
  # The click demonstration (演示点击, on by default) shows the effect for a press anywhere, also while idle:
  # a ring grows around the point on the probe's plain client area.
  # First on the active probe, then with a press that activates the probe (raising it must not bury the ring).
  local px=$((BUTTON_X - 221 + 60)) py=$((BUTTON_Y - 131 + 200))
  xdotool mousemove "$px" "$py" click 1
  # Before: the square once that press's ring has come and gone.
  settled_square "$work/demo-before.png" "$px" "$py" || fail "[demo] the square at the press never settles"
  xdotool click 1
  check_within "[demo] a press on another program while idle draws the click effect" 3000 \
    ring_shows "$work/demo-before.png" "$work/demo-after.png" "$px" "$py"
  echo "      $RING_PIXELS pixels changed"
  snap "$work/demo-click.png"
  xdotool mousemove $((px + PROBE_B_SHIFT)) "$py" click 1
  settled_square "$work/demo-activate-before.png" "$px" "$py" || fail "[demo] the square at A never settles"
  xdotool mousemove "$px" "$py" click 1
  check_within "[demo] the press that activates a window shows its click effect above it" 3000 \
    ring_shows "$work/demo-activate-before.png" "$work/demo-activate-after.png" "$px" "$py"
  echo "      $RING_PIXELS pixels changed"
  snap "$work/demo-activate.png"
  # The demonstration's ring is over before the recording starts.
  settled_square "$work/demo-done.png" "$px" "$py" || fail "[demo] the ring at A never ends"
  park_pointer
  xdotool key F3
  wait_until 5000 recording || fail "[exclusive] F3 starts no recording"
  local b_start
  b_start=$(($(log_lines exclusive-b) + 1))
  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6 # pacing between recorded gestures
  click_at 40 12 $((BUTTON_X + PROBE_B_SHIFT)) "$BUTTON_Y"
  sleep 0.6 # pacing
  park_pointer
  xdotool key F3
  wait_until 5000 stopped || fail "[exclusive] F3 does not stop the recording"
  local body lines=()
  body="$(editor_text | body_of)"
  echo "      recorded:"
  sed 's/^/        /' <<<"$body"
  mapfile -t lines <<<"$body"
  check_within "[exclusive] probe B got its click" 3000 eval \
    '[[ "$(nth_at_button exclusive-b WM_LBUTTONDOWN 1 "$b_start")" == "40 12" ]]'
  check "[exclusive] only probe A's target window and click were recorded" \
    test "${#lines[@]}|${lines[0]:-}|$(arg "${lines[1]:-x}" 2),$(arg "${lines[1]:-x}" 3)" \
    == "2|目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"1,1\")|30,15"
  close_app exclusive discard
  stop_probes
}

# --- exclusive mode off: the other program's clicks are recorded under their own 目标窗口 line ----------
record_two_programs() {
  echo "--- recording over two programs with 专用模式=0"
  new_app_folder shared
  printf '[选项]\r\n专用模式=0\r\n' | iconv -f UTF-8 -t GBK > "$work/shared/巧手配置.INI"
  launch_probes shared-a shared-b
  start_app || { fail "[shared] no main window"; return; }
  find_probe_a 2 || { fail "[shared] probe A did not show"; return; }
  show_editor_view || fail "[shared] the Editor button shows no full window"
  park_pointer
  xdotool key F3
  wait_until 5000 recording || fail "[shared] F3 starts no recording"
  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6 # pacing between recorded gestures
  click_at 40 12 $((BUTTON_X + PROBE_B_SHIFT)) "$BUTTON_Y"
  sleep 0.6 # pacing
  park_pointer
  # Esc stops a recording as F3 does.
  xdotool key Escape
  check_within "[shared] Esc stops recording: the editor is enabled again" 5000 stopped
  local body lines=()
  body="$(editor_text | body_of)"
  echo "      recorded:"
  sed 's/^/        /' <<<"$body"
  mapfile -t lines <<<"$body"
  local target="目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"1,1\")"
  check "[shared] four lines: target A, click, target B, click" test "${#lines[@]}" -eq 4
  check "[shared] a 目标窗口 line precedes each program's click" \
    test "${lines[0]:-}|${lines[2]:-}" == "$target|$target"
  check "[shared] the click in probe B is at its own client point (40,12)" \
    test "$(arg "${lines[3]:-x}" 2),$(arg "${lines[3]:-x}" 3)" == "40,12"

  # 继续录制 (Command6) goes on in the same script: no new header, the next gesture under a fresh 目标窗口.
  check "[shared] 继续录制 is enabled once a recording exists" child_enabled "$F1_CONTINUE_BUTTON"
  click_child "$F1_CONTINUE_BUTTON"
  check_within "[shared] 继续录制 starts recording: the editor is disabled" 5000 recording
  click_at 50 25 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6 # pacing: the click's recorded wait
  park_pointer
  xdotool key F3
  wait_until 5000 stopped || fail "[shared] F3 does not stop the continued recording"
  local text
  text="$(editor_text)"
  body="$(body_of <<<"$text")"
  mapfile -t lines <<<"$body"
  check "[shared] continued: still one header" test "$(grep -c "^'岚榕迅点小侠脚本" <<<"$text")" -eq 1
  check "[shared] continued: the first four lines kept, then 目标窗口 and the new click at (50,25)" \
    test "${#lines[@]}|${lines[4]:-}|$(arg "${lines[5]:-x}" 2),$(arg "${lines[5]:-x}" 3)" == "6|$target|50,25"
  close_app shared discard
  stop_probes
}

# --- Esc with the button still held: only the placeholder line goes -----------------------------------
# The script holds a zero byte; everything after it must survive the stop and the save.
held_press_at_esc() {
  echo "--- Esc while a button is held, in a script holding a zero byte"
  local path="$work/零.mkx" expected="$work/held-expected.mkx" header
  new_app_folder held
  launch_probes held
  start_app || { fail "[held] no main window"; return; }
  header="$(editor_text)"
  close_app held
  { printf '\xef\xbb\xbf%s' "$header"; printf "\r\n'a\0b\r\n'after the zero"; } > "$path"
  { cat "$path"; printf '\r\n目标窗口("%s","%s","1,1")' "$PROBE_TITLE" "$PROBE_CLASS"; } > "$expected"
  start_app "$(winpath "$path")" || { fail "[held] no main window for the script"; return; }
  find_probe_a 1 || { fail "[held] probe A did not show"; return; }
  show_editor_view || fail "[held] the Editor button shows no full window"
  click_child "$F1_CONTINUE_BUTTON"
  check_within "[held] 继续录制 on the opened script starts recording" 5000 recording
  xdotool mousemove $((BUTTON_X + 30)) $((BUTTON_Y + 15))
  sleep 0.2 # pacing: the pointer arrives before the press
  xdotool mousedown 1
  sleep 0.8 # pacing: the button is held when Esc comes
  xdotool key Escape
  check_within "[held] Esc stops recording with the button still down" 5000 stopped
  xdotool mouseup 1
  park_pointer
  click_toolbar "$TB_SAVE"
  check_within "[held] saved: the script past its zero byte kept, the target line added, no placeholder line" \
    10000 cmp -s "$path" "$expected"
  close_app held
  stop_probes
}

groups="${XD_E2E_GROUPS:-record_and_play record_exclusive record_two_programs held_press_at_esc}"
for g in $groups; do "$g"; done

if ((failures > 0)); then
  echo "recording_session: $failures check(s) failed"
  exit 1
fi
echo "recording_session: all checks passed"
