#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): playback end to end. 迅点小侠4.exe opens a script from its command line,
# F2 starts it, and probe.exe — the target window — logs every mouse message it receives with a
# performance-counter stamp. The checks read that log, the windows from outside and screenshots.
#   needs XD_E2E_EXE, XD_E2E_WINTOOL, XD_E2E_PROBE, XD_E2E_OUT
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$XD_E2E_OUT/playback"
rm -rf "$work"
mkdir -p "$work"
app="$work/app"
mkdir -p "$app"
cp "$XD_E2E_EXE" "$app/"
APP_EXE="$app/$(basename "$XD_E2E_EXE")"
APP_TIMEOUT=200

# A fresh wineserver on this display, at 96 DPI, so script pixels are screen pixels.
set_dpi 96

# --- the probe ------------------------------------------------------------------------------------
PROBE_LOG=""
probe() { # name: starts a probe that logs to $work/<name>.log
  PROBE_LOG="$work/$1.log"
  start_probe "$PROBE_LOG" || { fail "[$1] probe window did not show"; return 1; }
}
# Log lines of one message (by name) at one control id: "<µs> <id> <msg> <name> <wParam> <lParam> <x> <y> [hit]".
lines_of() { awk -v n="$1" -v id="${2:-0}" '$4 == n && $2 == id' "$PROBE_LOG"; }
# Waits until the log holds a line matching an awk condition.
wait_for_log() { wait_until "$2" log_has "$PROBE_LOG" "$1"; }
# The screen stamp of now on the probe's clock is its own key hook's line: used to time Esc.
key_time() { awk -v vk="$1" '$2 == "key" && $4 == "WM_KEYDOWN" && $5 == vk { t = $1 } END { print t }' "$PROBE_LOG"; }
# The probe reads real input only after every posted message: once it logs a real move to client (5,5), all
# that the player posted to it before is in the log. Lines from there on are the barrier's own.
BARRIER_MOVE='$4 == "WM_MOUSEMOVE" && $2 == 0 && $7 == 5 && $8 == 5'
probe_barrier() {
  xdotool mousemove $((ORIGIN_X + 5)) $((ORIGIN_Y + 5))
  wait_for_log "$BARRIER_MOVE" 5000
}
before_barrier() { awk "$BARRIER_MOVE { exit } { print }" "$PROBE_LOG"; }

# --- the program ----------------------------------------------------------------------------------
script_file() {
  local name=$1 body=$2 path="$work/$1.mkx"
  { printf '\xef\xbb\xbf'
    printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改"
    printf '%s' "$body" | sed 's/$/\r/'
  } > "$path"
  echo "$path"
}
open_script() { start_app "$(winpath "$1")" || { fail "no main window for $(basename "$1")"; return 1; }; }
# The real pointer rests away from every window, so only the playback talks to the probe.
park_pointer() { xdotool mousemove 1200 760; }
play_key() { park_pointer; xdotool key F2; }
# The editor is disabled while a playback runs.
playback_ended() { editor_enabled; }
pointer_is() { [[ "$(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')" == "$1 $2" ]]; }

# --- background: click, caption click, drag, wheel; overlays on screen ------------------------------
background() {
  echo "--- background playback to the probe"
  probe background || return
  local script
  script="$(script_file background "配置.执行次数=1
配置.前台模式=0
配置.点击效果=1
配置.虚拟鼠标=1
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,120,45,1,1500)
鼠标点击(1,150,-10,1,300)
鼠标拖移(1,10,10,110,10,500,300)
鼠标滚轮(-120,50,50,3,300)
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"1,1\")
鼠标点击(2,30,20,1,300)")"
  open_script "$script" || return
  play_key
  # The first click comes after the 1000 ms first approach; the circle grows for a second after it.
  if wait_for_log '$4 == "WM_LBUTTONDOWN"' 8000; then
    check_within "[background] the virtual pointer shows while playing" 3000 window_shows "$POINTER_CLASS" "*"
    snap "$work/background-playback.png"
  else
    fail "[background] no click arrived"
  fi
  # Until the last click, on the button two levels down.
  wait_for_log '$4 == "WM_RBUTTONUP"' 12000 || fail "[background] the playback did not reach its last line"
  wait_until 10000 playback_ended || true

  local down up
  down="$(lines_of WM_LBUTTONDOWN | head -1)"
  up="$(lines_of WM_LBUTTONUP | head -1)"
  check "[background] click: WM_LBUTTONDOWN, wParam MK_LBUTTON, client (120,45)" \
    test "$(cut -d' ' -f5,6 <<<"$down")" == "0x1 $(packed 120 45)"
  check "[background] click: then WM_LBUTTONUP with the same wParam and lParam" \
    test "$(cut -d' ' -f5,6 <<<"$up")" == "0x1 $(packed 120 45)"
  check "[background] the real pointer did not take part (no WM_MOUSEACTIVATE)" \
    test -z "$(lines_of WM_MOUSEACTIVATE)"

  local sx=$((ORIGIN_X + 150)) sy=$((ORIGIN_Y - 10)) lp hit
  lp="$(packed "$sx" "$sy")"
  hit="$(awk -v lp="$lp" '$4 == "WM_NCHITTEST" && $6 == lp { print $9; exit }' "$PROBE_LOG")"
  check "[background] caption click: WM_NCHITTEST sent at screen ($sx,$sy), answered HTCAPTION (2)" test "$hit" == 2
  check "[background] caption click: WM_NCLBUTTONDOWN with the hit-test answer and screen lParam" \
    test "$(lines_of WM_NCLBUTTONDOWN | head -1 | cut -d' ' -f5,6)" == "0x2 $lp"
  check "[background] caption click: then WM_NCLBUTTONUP" \
    test "$(lines_of WM_NCLBUTTONUP | head -1 | cut -d' ' -f5,6)" == "0x2 $lp"

  # The drag: the left press at client (10,10), moves towards (110,10), release there. The moves start from
  # the virtual pointer's corner, one pixel off the press, so they run along y=11 until the release.
  local drag
  drag="$(awk -v d="$(packed 10 10)" -v u="$(packed 110 10)" '
    $2 != 0 { next }
    $4 == "WM_LBUTTONDOWN" && $6 == d { on = 1; t0 = $1; moves = 0; bad = 0; last = 10; next }
    on && $4 == "WM_MOUSEMOVE" { moves++; if ($5 != "0x0" || $8 < 10 || $8 > 11 || $7 < last || $7 > 110) bad++; last = $7; next }
    on && $4 == "WM_LBUTTONUP" { printf "%s %d %d %d\n", ($5 == "0x1" && $6 == u) ? "ok" : "bad-up", moves, bad, ($1 - t0) / 1000; exit }
  ' "$PROBE_LOG")"
  echo "      drag: $drag (release, moves, off-line moves, ms)"
  local dstate dmoves dbad dms
  read -r dstate dmoves dbad dms <<<"$drag"
  check "[background] drag: down at (10,10), up with MK_LBUTTON at (110,10)" test "$dstate" == ok
  check "[background] drag: about 50 moves with wParam 0 along the line" \
    test "${dmoves:-0}" -ge 35 -a "${dmoves:-0}" -le 60 -a "${dbad:-1}" -eq 0
  check "[background] drag: lasts its 500 ms" test "${dms:-0}" -ge 450 -a "${dms:-0}" -le 650

  local wheel_lp
  wheel_lp="$(packed $((ORIGIN_X + 50)) $((ORIGIN_Y + 50)))"
  lines_of WM_MOUSEWHEEL | sed 's/^/      /'
  check "[background] wheel: three WM_MOUSEWHEEL, wParam 0xFF880000, screen lParam" \
    test "$(lines_of WM_MOUSEWHEEL | awk -v lp="$wheel_lp" '$5 == "0xFF880000" && $6 == lp' | wc -l)" -eq 3
  local wheel_span
  wheel_span="$(lines_of WM_MOUSEWHEEL | awk 'NR == 1 { a = $1 } { b = $1 } END { print int((b - a) / 1000) }')"
  check "[background] wheel: notches about 1 ms apart (${wheel_span} ms for three)" test "$wheel_span" -le 20

  check "[background] child path 1,1: WM_RBUTTONDOWN at the button's client (30,20), MK_RBUTTON" \
    test "$(lines_of WM_RBUTTONDOWN 101 | head -1 | cut -d' ' -f5,6)" == "0x2 $(packed 30 20)"
  check "[background] nothing clicked the panel or the top level with the right button" \
    test -z "$(lines_of WM_RBUTTONDOWN 0)$(lines_of WM_RBUTTONDOWN 100)"

  check "[background] the program is idle again: the editor is enabled" playback_ended
  check "[background] no virtual pointer is left after the playback" window_gone "$POINTER_CLASS" "*" 3000
  shot background-after "$work"
  close_app background
  stop_probes
}

# --- foreground: SendInput at the real pointer -----------------------------------------------------
foreground() {
  echo "--- foreground click through SendInput"
  probe foreground || return
  local script
  script="$(script_file foreground "配置.执行次数=1
配置.前台模式=1
配置.移动鼠标=1
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,120,45,1,300)")"
  open_script "$script" || return
  # The glide starts where the real pointer is. Under Wine the X server reports warped positions late, and a
  # stale one may still be current when the press is injected; starting on the point keeps every warp there.
  local px=$((ORIGIN_X + 120)) py=$((ORIGIN_Y + 45))
  move_pointer "$px" "$py" || fail "[foreground] Wine does not see the pointer at ($px,$py)"
  xdotool key F2
  wait_for_log '$4 == "WM_LBUTTONUP"' 8000 || fail "[foreground] no click arrived"
  wait_until 10000 playback_ended || true
  local down
  down="$(lines_of WM_LBUTTONDOWN | head -1)"
  check "[foreground] WM_LBUTTONDOWN at client (120,45) with MK_LBUTTON" \
    test "$(cut -d' ' -f5,6 <<<"$down")" == "0x1 $(packed 120 45)"
  check "[foreground] it came as real input: WM_MOUSEACTIVATE before the press" \
    test -n "$(awk '$4 == "WM_MOUSEACTIVATE" { a = 1 } $4 == "WM_LBUTTONDOWN" { print a; exit }' "$PROBE_LOG")"
  check_within "[foreground] the pointer is back where it was" 3000 pointer_is "$px" "$py"
  close_app foreground
  stop_probes
}

# --- foreground glide: the real pointer travels from point to point ----------------------------------
glide() {
  echo "--- foreground glide of the real pointer"
  probe glide || return
  local script
  script="$(script_file glide "配置.执行次数=1
配置.前台模式=1
配置.移动鼠标=1
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,120,45,1,1000)
鼠标点击(1,60,200,1,1000)
鼠标点击(1,150,220,1,300)")"
  open_script "$script" || return
  move_pointer $((ORIGIN_X + 20)) $((ORIGIN_Y + 250)) || fail "[glide] Wine does not see the pointer at its start"
  xdotool key F2
  wait_for_log '$4 == "WM_LBUTTONDOWN" { n++ } n == 3' 10000 || fail "[glide] three clicks did not arrive"
  wait_until 10000 playback_ended || true
  local before
  before="$(awk '$4 == "WM_LBUTTONDOWN" { exit } $4 == "WM_MOUSEMOVE" { n++ } END { print n + 0 }' "$PROBE_LOG")"
  check "[glide] the pointer travels over the probe before the first press ($before moves)" test "$before" -ge 30
  # Under Wine a warp can be overtaken by the report of the one before it, so a press may land where the
  # last step of the glide was: within one step (under 2 px with these waits) of its point.
  local presses
  presses="$(awk '$4 == "WM_LBUTTONDOWN" { print $7, $8 }' "$PROBE_LOG" | tr '\n' ' ')"
  check "[glide] the presses land on (120,45), (60,200), (150,220) in order (got $presses)" \
    awk -v got="$presses" 'BEGIN {
      split("120 45 60 200 150 220", want, " "); n = split(got, p, " ")
      if (n != 6) exit 1
      for (i = 1; i <= 6; i++) { d = p[i] - want[i]; if (d < -3 || d > 3) exit 1 }
    }'
  close_app glide
  stop_probes
}

# --- Esc stops an endless playback within 50 ms ----------------------------------------------------
escape() {
  echo "--- Esc stops an endless playback"
  local script
  script="$(script_file escape "配置.执行次数=0
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,30,30,1,800)
鼠标点击(1,330,230,1,800)")"
  # The probe starts last, so its key hook is called before the program's: Esc is stamped before the program
  # even sees it.
  open_script "$script" || return
  probe escape || return
  play_key
  # Esc while the pointer glides from the second point back to the first: a few moves after the second press.
  wait_for_log '$4 == "WM_LBUTTONDOWN" { n++ } n >= 2 && $4 == "WM_MOUSEMOVE" { m++ } m >= 3' 10000 ||
    fail "[esc] the pointer did not glide after the second click"
  xdotool key Escape
  wait_for_log '$2 == "key" && $4 == "WM_KEYDOWN" && $5 == "0x1B"' 5000 || true
  wait_until 5000 playback_ended || true
  probe_barrier || fail "[esc] the probe did not log the barrier's real move"
  local esc last before
  esc="$(key_time 0x1B)"
  [[ -n "$esc" ]] || { fail "[esc] the probe's key hook did not see Esc"; esc=0; }
  before="$(awk -v e="$esc" '$2 ~ /^[0-9]+$/ && $4 == "WM_MOUSEMOVE" && $1 > e - 200000 && $1 <= e' "$PROBE_LOG" | wc -l)"
  last="$(before_barrier | awk '$2 ~ /^[0-9]+$/ && $4 != "WM_NCHITTEST" && $4 != "WM_SETCURSOR" { t = $1 } END { print t }')"
  echo "      moves in the 200 ms before Esc: $before; last message $(((last - esc) / 1000)) ms after Esc"
  check "[esc] the pointer was gliding when Esc came" test "$before" -ge 5
  check "[esc] no message later than 50 ms after Esc" test $((last - esc)) -le 50000
  check "[esc] the program is idle again: the editor is enabled" playback_ended
  check "[esc] no virtual pointer is left after the stop" window_gone "$POINTER_CLASS" "*" 3000
  close_app esc
  stop_probes
}

# --- the user's hand takes the pointer back from a foreground playback ------------------------------
stop_by_hand() {
  echo "--- a mouse move by hand stops a foreground playback"
  probe hand || return
  local script
  script="$(script_file hand "配置.执行次数=0
配置.前台模式=1
配置.移动鼠标=1
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,30,30,1,800)
鼠标点击(1,330,230,1,800)")"
  open_script "$script" || return
  play_key
  # Untouched, the endless playback glides and clicks on; its own moves never stop it.
  wait_for_log '$4 == "WM_LBUTTONDOWN" { n++ } n >= 3' 15000 || fail "[hand] three clicks did not arrive"
  check "[hand] still playing after three clicks nobody interrupted" eval '! playback_ended'
  xdotool mousemove 1200 760
  check_within "[hand] the move stops it: the editor is enabled" 3000 playback_ended
  check "[hand] no virtual pointer is left after the stop" window_gone "$POINTER_CLASS" "*" 3000
  close_app hand
  stop_probes
}

# --- 执行次数=2 ends by itself; F2 then plays again ---------------------------------------------------
repeat_twice() {
  echo "--- 执行次数=2 ends by itself"
  probe repeat || return
  local script
  script="$(script_file repeat "配置.执行次数=2
目标窗口(\"$PROBE_TITLE\",\"$PROBE_CLASS\",\"0\")
鼠标点击(1,60,60,1,200)")"
  open_script "$script" || return
  play_key
  wait_for_log '$4 == "WM_LBUTTONDOWN" { n++ } n == 2' 10000 || true
  check_within "[repeat] the program is idle again: the editor is enabled" 10000 playback_ended
  check "[repeat] two passes: two clicks" test "$(lines_of WM_LBUTTONDOWN | wc -l)" -eq 2
  play_key
  wait_for_log '$4 == "WM_LBUTTONDOWN" { n++ } n == 4' 10000 || true
  wait_until 10000 playback_ended || true
  check "[repeat] F2 plays again: four clicks in all" test "$(lines_of WM_LBUTTONDOWN | wc -l)" -eq 4
  close_app repeat
  stop_probes
}

# --- a missing target window shows its error box -----------------------------------------------------
missing_target() {
  echo "--- a missing target window"
  local script box
  script="$(script_file missing "配置.执行次数=1
目标窗口(\"没有这个窗口\",\"NoSuchClass\",\"0\")
鼠标点击(1,60,60,1,200)")"
  open_script "$script" || return
  play_key
  if box="$(find_box "$PLAY_ERROR_CAPTION" 10000)"; then
    echo "$box" | sed 's/^/      /'
    check "[missing] the box names the missing window" \
      grep -q '^text=找不到目标窗口，请检查目标软件是否开启。' <<<"$box"
    check "[missing] ... with its title and class" \
      grep -q '窗口名：没有这个窗口' <<<"$box"
    check "[missing] ... and class" grep -q '类名：NoSuchClass' <<<"$box"
    shot missing-target "$work"
    xdotool key Return
    check "[missing] Enter closes the box" window_gone "$BOX_CLASS" "$PLAY_ERROR_CAPTION" 10000
    check_within "[missing] the program is idle again: the editor is enabled" 5000 playback_ended
    check "[missing] no virtual pointer is left after the error" window_gone "$POINTER_CLASS" "*" 3000
  else
    fail "[missing] no box captioned $PLAY_ERROR_CAPTION"
  fi
  close_app missing
}

# --- F2 again while the first playback's error box is up ----------------------------------------------
# Each playback has its own runner: two boxes, each closed once, and nothing comes back.
box_twice() {
  echo "--- a second playback while the first one's error box is up"
  local script closed=0
  script="$(script_file box-twice "配置.执行次数=0
目标窗口(\"没有这个窗口\",\"NoSuchClass\",\"0\")
鼠标点击(1,60,60,1,200)")"
  open_script "$script" || return
  play_key
  find_box "$PLAY_ERROR_CAPTION" 10000 >/dev/null || { fail "[box twice] no first box"; close_app box-twice; return; }
  # The status tick returns to idle behind the box; F2 then starts a second playback.
  wait_until 5000 playback_ended || true
  play_key
  # Each box closed once; a stale runner would bring one back.
  while ((closed < 6)) && find_box "$PLAY_ERROR_CAPTION" 3000 >/dev/null; do
    tool close "$BOX_CLASS" "$PLAY_ERROR_CAPTION" >/dev/null || true
    closed=$((closed + 1))
    wait_until 3000 window_gone "$BOX_CLASS" "$PLAY_ERROR_CAPTION" || true
  done
  check "[box twice] one box per playback, none coming back ($closed closed)" test "$closed" -eq 2
  check_within "[box twice] the program is idle again: the editor is enabled" 5000 playback_ended
  check "[box twice] no virtual pointer is left" window_gone "$POINTER_CLASS" "*" 3000
  close_app box-twice
}

# --- closing the program while a runner shows its box ------------------------------------------------
close_with_box() {
  echo "--- closing the program while an error box is up"
  local script
  script="$(script_file close-box "配置.执行次数=1
目标窗口(\"没有这个窗口\",\"NoSuchClass\",\"0\")
鼠标点击(1,60,60,1,200)")"
  open_script "$script" || return
  play_key
  find_box "$PLAY_ERROR_CAPTION" 10000 >/dev/null || { fail "[close with box] no box"; close_app close-box; return; }
  tool close "$MAIN_CLASS" "*" >/dev/null || true
  check_within "[close with box] the process exits" 15000 app_exited
  local status=0
  wait "$APP_PID" 2>/dev/null || status=$?
  check "[close with box] ... cleanly (exit status $status)" test "$status" -eq 0
  check "[close with box] its box is gone with it" window_gone "$BOX_CLASS" "$PLAY_ERROR_CAPTION" 3000
}

groups="${XD_E2E_PLAYBACK_GROUPS:-background foreground glide escape stop_by_hand repeat_twice missing_target box_twice close_with_box}"
for group in $groups; do "$group"; done

if ((failures)); then
  echo "e2e playback: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e playback: all checks passed"
