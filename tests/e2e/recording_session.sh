#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): recording end to end. F3 typed with xdotool starts 迅点小侠4.exe's
# recording, xdotool clicks, drags and turns the wheel over probe.exe (a window that logs every mouse message
# it receives), F3 stops. The script is read from the editor with WM_GETTEXT and held against what the probe
# itself saw; then it is played back and the probe's log must show the same gestures again.
#   needs XD_E2E_EXE, XD_E2E_WINTOOL, XD_E2E_PROBE, XD_E2E_OUT
set -euo pipefail

CLASS="迅点小侠4_Form1"
PROBE_CLASS="XdProbe_Main"
PROBE_TITLE="迅点探针"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"


work="$XD_E2E_OUT/recording"
rm -rf "$work"
mkdir -p "$work"

# A fresh wineserver on this display, at 96 DPI, so script pixels are screen pixels.
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
timeout 30 wineserver -k || true
timeout 30 wineserver -w || true

# --- two probes, two processes: A on the left of the main window, B on the right --------------------
# probe <log> x y width height; the panel sits at client (200,100), the bordered button at (20,30) in it.
PROBE_PIDS=()
start_probe() {
  local name=$1 x=$2
  timeout 300 wine "$XD_E2E_PROBE" "$(winpath "$work/$name.log")" "$x" 100 380 300 &
  PROBE_PIDS+=($!)
}
# The probe makes its log as it starts; its window follows within moments.
wait_for_probe_logs() {
  local name waited
  for name in "$@"; do
    waited=0
    until [[ -f "$work/$name.log" ]] || ((waited >= 300)); do sleep 0.1; waited=$((waited + 1)); done
  done
  sleep 0.5
}
stop_probes() {
  local p
  for _ in "${PROBE_PIDS[@]}"; do
    tool close "$PROBE_CLASS" "$PROBE_TITLE" >/dev/null 2>&1 || true
  done
  for p in "${PROBE_PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  PROBE_PIDS=()
}
# Screen point of the button's client origin in probe A; B's is the same shifted by the windows' distance.
BUTTON_X=0
BUTTON_Y=0
find_probe_a() {
  local facts l t
  facts="$(tool find "$PROBE_CLASS" "$PROBE_TITLE" 30000)" || return 1
  # Both probes share class and title; the one left of the middle is A.
  read -r l t < <(sed -n 's/^child=XdProbe_Panel id=100 .* rect=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/p' <<<"$facts")
  [[ -n "$l" ]] || return 1
  ((l < 640)) || l=$((l - PROBE_B_SHIFT))
  BUTTON_X=$((l + 20 + 1))
  BUTTON_Y=$((t + 30 + 1))
}
PROBE_B_SHIFT=880

# Log lines: "<µs> <control id> <msg> <name> <wParam> <lParam> <x> <y> [hit]"; control 101 is the button.
log_of() { cat "$work/$1.log"; }
# "x y" of the n-th message of this name at the button, from line `from` of the log on.
nth_at_button() { log_range "$1" "${4:-1}" | awk -v n="$2" '$2 == 101 && $4 == n { print $7, $8 }' | sed -n "$3p"; }
log_lines() { log_of "$1" | wc -l; }
# Lines [from, to) of a log; to defaults to the end.
log_range() { awk -v a="$2" -v b="${3:-0}" 'NR >= a && (b == 0 || NR < b)' "$work/$1.log"; }

# --- the program ------------------------------------------------------------------------------------
APP_PID=""
FACTS=""
start_app() {
  local app=$1
  timeout 240 wine "$app/$(basename "$XD_E2E_EXE")" "${@:2}" &
  APP_PID=$!
  tool find "$CLASS" "*" 60000 >/dev/null || { fail "no main window"; return 1; }
  sleep 1.5
  FACTS="$(tool find "$CLASS" "*")"
}
refresh() { FACTS="$(tool find "$CLASS" "*")"; }
close_app() {
  tool close "$CLASS" "*" >/dev/null || true
  # Closing with a recorded, unsaved script asks first: 否 discards it.
  if tool msgbox "迅点小侠" 3000 >/dev/null; then xdotool key n; sleep 0.5; fi
  tool gone "$CLASS" "*" 15000 || { fail "main window still there after WM_CLOSE"; tool msgbox "迅点小侠" 0 || true; }
  wait "$APP_PID" 2>/dev/null || true
}
child_rect() {
  sed -n "s/^child=[^ ]* id=$1 .* rect=\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\) .*/\1 \2 \3 \4/p" <<<"$FACTS"
}
# Clicks the centre of a toolbar button given in 96-DPI units on the strip.
click_toolbar() {
  local l t r b
  read -r l t r b < <(child_rect 118)
  xdotool mousemove $((l + $1)) $((t + $2)) click 1
  sleep 0.7
}
editor_text() { tool text "$CLASS" "*" 111; }
# How many pixels of the 80 x 80 square around a screen point differ between two screenshots.
square_at() { import -window root -crop "80x80+$(($2 - 40))+$(($3 - 40))" +repage "$1"; }
# compare exits with 1 when the images differ: that is an answer here, not a failure.
pixels_changed() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
editor_enabled() { refresh; grep -q '^child=Scintilla id=111 .*enabled=1' <<<"$FACTS"; }
editor_disabled() { refresh; grep -q '^child=Scintilla id=111 .*enabled=0' <<<"$FACTS"; }
park_pointer() { xdotool mousemove 640 760; }
new_app_folder() {
  local app="$work/$1"
  mkdir -p "$app"
  cp "$XD_E2E_EXE" "$app/"
  echo "$app"
}

# Gestures on probe A's button, client coordinates.
click_at() { xdotool mousemove $(($1 + $3)) $(($2 + $4)); sleep 0.2; xdotool click 1; }
drag_at() {
  local x0=$(($1 + $5)) y0=$(($2 + $6)) x1=$(($3 + $5)) y1=$(($4 + $6)) i
  xdotool mousemove "$x0" "$y0"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5; do
    sleep 0.06
    xdotool mousemove $((x0 + (x1 - x0) * i / 5)) $((y0 + (y1 - y0) * i / 5))
  done
  sleep 0.1
  xdotool mouseup 1
}
wheel_at() { xdotool mousemove $(($1 + $3)) $(($2 + $4)); sleep 0.2; xdotool click --repeat 3 --delay 60 4; }

# The gesture lines of the script: everything after the header's last 配置 line.
body_of() { awk '/^配置\./ { body = ""; next } { body = body $0 "\n" } END { printf "%s", body }' | tr -d '\r'; }
field() { sed 's/^[^(]*(//; s/)$//' <<<"$1" | cut -d, -f"$2"; }
between() { [[ "$1" =~ ^-?[0-9]+$ ]] && (($1 >= $2 && $1 <= $3)); }

# --- exclusive mode (the default): record, check the script, play it back ------------------------------
record_and_play() {
  echo "--- recording click, drag and wheel, then the round trip"
  local app
  app="$(new_app_folder single)"
  start_probe single 10
  start_app "$app" || return
  wait_for_probe_logs single
  find_probe_a || { fail "[record] probe A did not show"; return; }
  # The full window, so the editor shows the lines as they come.
  click_toolbar 207 17
  refresh

  park_pointer
  xdotool key F3
  sleep 0.8
  check "[record] F3 starts recording: the editor is disabled" editor_disabled
  local a_start
  a_start=$(($(log_lines single) + 1))

  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.8
  drag_at 10 8 85 30 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.7
  wheel_at 60 20 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6
  # The program's own toolbar: Save, disabled while recording, so the click changes nothing either.
  click_toolbar 132 17
  sleep 0.5
  import -window root "$work/recording.png" && pass "screenshot $work/recording.png (while recording)"
  park_pointer
  xdotool key F3
  sleep 1

  check "[record] F3 stops recording: the editor is enabled again" editor_enabled
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
    test "${click%%(*}|$(field "$click" 1)|$(field "$click" 2) $(field "$click" 3)|$(field "$click" 4)" \
    == "鼠标点击|1|$seen_click|1"
  check "[record] click: the wait covers the pause before the drag ($(field "$click" 5) ms)" \
    between "$(field "$click" 5)" 800 3000
  check "[record] drag: 鼠标拖移 left button from $seen_drag0 to $seen_drag1" \
    test "${drag%%(*}|$(field "$drag" 1)|$(field "$drag" 2) $(field "$drag" 3)|$(field "$drag" 4) $(field "$drag" 5)" \
    == "鼠标拖移|1|$seen_drag0|$seen_drag1"
  check "[record] drag: held for $(field "$drag" 6) ms" between "$(field "$drag" 6)" 250 2000
  check "[record] drag: the wait covers the pause before the wheel ($(field "$drag" 7) ms)" \
    between "$(field "$drag" 7)" 600 3000
  check "[record] wheel: 鼠标滚轮 three notches of +120 at (60,20)" \
    test "${wheel%%(*}|$(field "$wheel" 1)|$(field "$wheel" 2) $(field "$wheel" 3)|$(field "$wheel" 4)" \
    == "鼠标滚轮|120|60 20|3"
  check "[record] wheel: the last wait runs to the stop ($(field "$wheel" 5) ms)" \
    between "$(field "$wheel" 5)" 1000 6000

  round_trip "$a_start"
  close_app
  stop_probes
}

# The recorded script played back in the background: the probe must see the same gestures, in order.
round_trip() {
  local a_start=$1
  # One repetition: the repeat slider's right arrow, as a user would set it.
  local l t r b
  read -r l t r b < <(child_rect 112)
  xdotool mousemove $((r - 6)) $(((t + b) / 2)) click 1
  sleep 0.5
  park_pointer
  local from=$(($(log_lines single) + 1))
  xdotool key F2
  local waited=0
  # Recorded waits add up to a few seconds; the playback ends on its own after one repetition.
  until [[ "$(log_range single "$from" | awk '$4 == "WM_MOUSEWHEEL"' | wc -l)" -ge 3 ]]; do
    ((waited >= 20000)) && break
    sleep 0.2
    waited=$((waited + 200))
  done
  sleep 0.5
  import -window root "$work/played.png" && pass "screenshot $work/played.png (after the playback)"
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
  sleep 1
  check "[round trip] the playback ended by itself: the editor is enabled" editor_enabled
}

# --- two probes, two processes: exclusive mode (the default) keeps to the first one ------------------
record_exclusive() {
  echo "--- recording over two programs in exclusive mode"
  local app
  app="$(new_app_folder exclusive)"
  start_probe exclusive-a 10
  start_probe exclusive-b $((10 + PROBE_B_SHIFT))
  start_app "$app" || return
  wait_for_probe_logs exclusive-a exclusive-b
  find_probe_a || { fail "[exclusive] probe A did not show"; return; }
  # The click demonstration (演示点击, on by default) shows the effect for a press anywhere, also while idle:
  # a ring grows around the point on the probe's plain client area.
  # First on the active probe, then with a press that activates the probe (raising it must not bury the ring).
  local px=$((BUTTON_X - 221 + 60)) py=$((BUTTON_Y - 131 + 200)) changed
  xdotool mousemove "$px" "$py" click 1
  sleep 1.5
  square_at "$work/demo-before.png" "$px" "$py"
  xdotool click 1
  sleep 0.3
  import -window root "$work/demo-click.png" && pass "screenshot $work/demo-click.png (click effect while idle)"
  square_at "$work/demo-after.png" "$px" "$py"
  changed="$(pixels_changed "$work/demo-before.png" "$work/demo-after.png")"
  check "[demo] a press on another program while idle draws the click effect ($changed pixels changed)" \
    between "${changed%.*}" 20 6400
  xdotool mousemove $((px + PROBE_B_SHIFT)) "$py" click 1
  sleep 1.5
  square_at "$work/demo-activate-before.png" "$px" "$py"
  xdotool mousemove "$px" "$py" click 1
  sleep 0.3
  import -window root "$work/demo-activate.png"
  square_at "$work/demo-activate-after.png" "$px" "$py"
  changed="$(pixels_changed "$work/demo-activate-before.png" "$work/demo-activate-after.png")"
  check "[demo] the press that activates a window shows its click effect above it ($changed pixels changed)" \
    between "${changed%.*}" 20 6400
  sleep 1.5
  park_pointer
  xdotool key F3
  sleep 0.8
  local b_start
  b_start=$(($(log_lines exclusive-b) + 1))
  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6
  click_at 40 12 $((BUTTON_X + PROBE_B_SHIFT)) "$BUTTON_Y"
  sleep 0.6
  park_pointer
  xdotool key F3
  sleep 1
  local body lines=()
  body="$(editor_text | body_of)"
  echo "      recorded:"
  sed 's/^/        /' <<<"$body"
  mapfile -t lines <<<"$body"
  check "[exclusive] probe B got its click" test "$(nth_at_button exclusive-b WM_LBUTTONDOWN 1 "$b_start")" == "40 12"
  check "[exclusive] only probe A's target window and click were recorded" \
    test "${#lines[@]}|${lines[0]:-}|$(field "${lines[1]:-x}" 2),$(field "${lines[1]:-x}" 3)" \
    == "2|目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"1,1\")|30,15"
  close_app
  stop_probes
}

# --- exclusive mode off: the other program's clicks are recorded under their own 目标窗口 line ----------
record_two_programs() {
  echo "--- recording over two programs with 专用模式=0"
  local app
  app="$(new_app_folder shared)"
  printf '[选项]\r\n专用模式=0\r\n' | iconv -f UTF-8 -t GBK > "$app/巧手配置.INI"
  start_probe shared-a 10
  start_probe shared-b $((10 + PROBE_B_SHIFT))
  start_app "$app" || return
  wait_for_probe_logs shared-a shared-b
  find_probe_a || { fail "[shared] probe A did not show"; return; }
  click_toolbar 207 17
  refresh
  park_pointer
  xdotool key F3
  sleep 0.8
  click_at 30 15 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6
  click_at 40 12 $((BUTTON_X + PROBE_B_SHIFT)) "$BUTTON_Y"
  sleep 0.6
  park_pointer
  # Esc stops a recording as F3 does.
  xdotool key Escape
  sleep 1
  check "[shared] Esc stops recording: the editor is enabled again" editor_enabled
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
    test "$(field "${lines[3]:-x}" 2),$(field "${lines[3]:-x}" 3)" == "40,12"

  # 继续录制 (Command6) goes on in the same script: no new header, the next gesture under a fresh 目标窗口.
  check "[shared] 继续录制 is enabled once a recording exists" grep -q '^child=Button id=117 .*enabled=1' <<<"$FACTS"
  local l t r b
  read -r l t r b < <(child_rect 117)
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
  sleep 0.8
  check "[shared] 继续录制 starts recording: the editor is disabled" editor_disabled
  click_at 50 25 "$BUTTON_X" "$BUTTON_Y"
  sleep 0.6
  park_pointer
  xdotool key F3
  sleep 1
  local text
  text="$(editor_text)"
  body="$(body_of <<<"$text")"
  mapfile -t lines <<<"$body"
  check "[shared] continued: still one header" test "$(grep -c "^'岚榕迅点小侠脚本" <<<"$text")" -eq 1
  check "[shared] continued: the first four lines kept, then 目标窗口 and the new click at (50,25)" \
    test "${#lines[@]}|${lines[4]:-}|$(field "${lines[5]:-x}" 2),$(field "${lines[5]:-x}" 3)" == "6|$target|50,25"
  close_app
  stop_probes
}

# --- Esc with the button still held: only the placeholder line goes -----------------------------------
# The script holds a zero byte; everything after it must survive the stop and the save.
held_press_at_esc() {
  echo "--- Esc while a button is held, in a script holding a zero byte"
  local app path="$work/零.mkx" expected="$work/held-expected.mkx" header
  app="$(new_app_folder held)"
  start_probe held 10
  start_app "$app" || return
  header="$(editor_text)"
  close_app
  { printf '\xef\xbb\xbf%s' "$header"; printf "\r\n'a\0b\r\n'after the zero"; } > "$path"
  { cat "$path"; printf '\r\n目标窗口("%s","%s","1,1")' "$PROBE_TITLE" "$PROBE_CLASS"; } > "$expected"
  start_app "$app" "$(winpath "$path")" || return
  wait_for_probe_logs held
  find_probe_a || { fail "[held] probe A did not show"; return; }
  click_toolbar 207 17
  refresh
  local l t r b
  read -r l t r b < <(child_rect 117)
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
  sleep 0.8
  check "[held] 继续录制 on the opened script starts recording" editor_disabled
  xdotool mousemove $((BUTTON_X + 30)) $((BUTTON_Y + 15))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.8
  xdotool key Escape
  sleep 1
  xdotool mouseup 1
  park_pointer
  sleep 0.5
  check "[held] Esc stops recording with the button still down" editor_enabled
  click_toolbar 132 17
  check "[held] saved: the script past its zero byte kept, the target line added, no placeholder line" \
    cmp -s "$path" "$expected"
  close_app
  stop_probes
}

groups="${XD_E2E_GROUPS:-record_and_play record_exclusive record_two_programs held_press_at_esc}"
for g in $groups; do "$g"; done

if ((failures > 0)); then
  echo "recording_session: $failures check(s) failed"
  exit 1
fi
echo "recording_session: all checks passed"
