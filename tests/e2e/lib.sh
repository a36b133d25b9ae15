# Shared helpers of the end-to-end sessions and the timing benchmark; sourced, never run. Each session counts
# its own failures. Waits poll for the state a check needs (wait_until) rather than pausing a guessed time;
# the only pauses left in the sessions pace gestures that the recorder must see as slow.
#   needs XD_E2E_WINTOOL (wintool.exe); XD_E2E_PROBE for the probe helpers

# --- names of the windows and controls the sessions look at --------------------------------------------------
readonly MAIN_CLASS="迅点小侠4_Form1"
readonly APP_TITLE="岚榕_迅点小侠 (64位) 4.0.2"
readonly SETTINGS_CLASS="迅点小侠4_Form2"
readonly SETTINGS_TITLE="设置"
readonly ABOUT_CLASS="迅点小侠4_About"
readonly POINTER_CLASS="迅点小侠4_Form虚拟指针"
readonly BOX_CLASS="#32770"   # message boxes
readonly MENU_CLASS="#32768"  # popup menus
readonly BOX_CAPTION="迅点小侠"  # the program's own questions and warnings
readonly PLAY_ERROR_CAPTION="执行脚本中发生错误"
readonly PROBE_CLASS="XdProbe_Main"
readonly PROBE_TITLE="迅点探针"
readonly PROBE_PANEL=100   # at client (200,100) of the probe
readonly PROBE_BUTTON=101  # at (20,30) in the panel
# Form1, the main window.
readonly F1_REPEAT_LABEL=110
readonly F1_EDITOR=111
readonly F1_REPEAT_SLIDER=112
readonly F1_SETTINGS_BUTTON=116  # Command5
readonly F1_CONTINUE_BUTTON=117  # Command6, 继续录制
readonly F1_TOOLBAR=118          # Picture1, the painted toolbar strip
readonly F1_COMMAND_LIST=120
readonly F1_TEMPLATE=132         # Text2
readonly F1_HELP_PICTURE=133     # Image1
# Toolbar buttons: their centres on the strip in 96-DPI units.
readonly TB_SAVE="132 17"
readonly TB_EDITOR="207 17"
readonly TB_HELP="247 17"
# Form2, the settings dialog.
readonly F2_RECORD_KEY=103
readonly F2_PLAY_KEY=105
readonly F2_OK=106
readonly F2_ASSOCIATE=107
readonly F2_CHECK4=110
readonly F2_CLICK_EFFECT=113
readonly F2_CHECK9=117
readonly F2_STOP_ON_MOVE=119   # Check11
readonly F2_WAIT_SECONDS=121   # Text1
readonly F2_RECORD_KEYBOARD=123  # Check12, 录制键盘
readonly SCREEN_WIDTH=1280 SCREEN_HEIGHT=800
# The event-list edition, 迅点小侠: its forms are named after its own internal name.
readonly EL_MAIN_CLASS="迅点小侠_Form1"
readonly EL_APP_TITLE="岚榕_迅点小侠 (64位) 3.1.0"
readonly EL_ABOUT_CLASS="迅点小侠_About"
readonly EL_EFFECT_CLASS="迅点小侠_Form4"
readonly EL_NEWER_CAPTION="版本低了"

# --- results -------------------------------------------------------------------------------------------------
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
# A check on a state that follows an action: it passes as soon as the command succeeds within the time limit.
check_within() { local what=$1 ms=$2; shift 2; check "$what" wait_until "$ms" "$@"; }

# wait_until <ms> <command...>: runs the command every POLL_INTERVAL seconds (0.1 unless set) until it
# succeeds; 1 when the time runs out.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }
wait_until() {
  local end=$(($(now_ms) + $1))
  shift
  until "$@"; do
    (($(now_ms) >= end)) && return 1
    sleep "${POLL_INTERVAL:-0.1}" # polling interval
  done
}

# --- tools ---------------------------------------------------------------------------------------------------
# wintool.exe inspects and drives windows from outside the program under test.
# wintool answers 0 or 1; anything else is the tool not running (seen twice in many runs: a start that fails
# at once), which is said and retried once rather than taken for an answer about the program.
tool() {
  local rc=0
  timeout 60 wine "$XD_E2E_WINTOOL" "$@" || rc=$?
  if ((rc > 1)); then
    echo "      wintool $1 ended with $rc; again" >&2
    rc=0
    timeout 60 wine "$XD_E2E_WINTOOL" "$@" || rc=$?
  fi
  return "$rc"
}
# A Linux path as Wine's Z: drive sees it.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
# The value of key=value in wintool's facts.
field() { sed -n "s/^$1=//p" <<<"$2" | head -1; }
# Screen rectangle "left top right bottom" of the child with this id in facts (default: the main window's).
child_rect() {
  sed -n "s/^child=[^ ]* id=$1 .* rect=\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\) .*/\1 \2 \3 \4/p" <<<"${2-$FACTS}"
}
child_visible() { grep -q "^child=[^ ]* id=$1 visible=1 " <<<"${2-$FACTS}"; }
child_enabled() { grep -q "^child=[^ ]* id=$1 .*enabled=1 " <<<"${2-$FACTS}"; }
window_size() { field window "${1-$FACTS}" | sed 's/.*size=//'; }
# Clicks the centre of a child given by id, in facts (default: the main window's).
click_child() {
  local l t r b
  read -r l t r b < <(child_rect "$1" "${2-$FACTS}")
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click "${3:-1}"
}
window_shows() { tool find "$1" "$2" "${3:-0}" >/dev/null; }
window_gone() { tool gone "$1" "$2" "${3:-0}"; }
# A message box with this caption; its facts (text=…) on stdout.
find_box() { tool msgbox "$1" "${2:-0}"; }
box_shows() { tool msgbox "$1" 0 >/dev/null; }
menu_shows() { window_shows "$MENU_CLASS" "*"; }
menu_gone() { window_gone "$MENU_CLASS" "*"; }

# The screen, once it has settled: two captures in a row the same (the caret's blink may keep it from ever
# settling; the screenshot is taken anyway after the time limit, as it is a record and not a check).
SCREEN_LAST=""
screen_settled() {
  local now
  now="$(import -window root -depth 8 rgb:- 2>/dev/null | md5sum)"
  [[ "$now" == "$SCREEN_LAST" ]] && return 0
  SCREEN_LAST=$now
  return 1
}
shot() { # name [folder]
  local file="${2:-$XD_E2E_OUT}/$1.png"
  SCREEN_LAST=""
  wait_until 3000 screen_settled || true
  import -window root "$file" && pass "screenshot $file"
}
# A screenshot of this moment, for a state that does not last.
snap() { import -window root "$1" && pass "screenshot $1"; }

# Sets the DPI; a fresh wineserver is what makes it take effect.
set_dpi() {
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  timeout 30 wineserver -k || true
  timeout 30 wineserver -w || true
}

# --- the program ---------------------------------------------------------------------------------------------
# APP_EXE is the program a session starts, APP_CLASS its main window's class; APP_PID its process, FACTS what
# wintool last saw of its window.
APP_EXE=""
APP_CLASS="$MAIN_CLASS"
APP_PID=""
FACTS=""
alive() { kill -0 "$APP_PID" 2>/dev/null; }
# Ended, though not yet waited for (a zombie still answers kill -0).
app_exited() {
  local state
  state="$(cut -d' ' -f3 "/proc/$APP_PID/stat" 2>/dev/null)" || return 0
  [[ -z $state || $state == Z ]]
}
refresh() { FACTS="$(tool find "$APP_CLASS" "*")"; }
title_is() { refresh; [[ "$(field title "$FACTS")" == "$1" ]]; }
size_is() { refresh; [[ "$(window_size)" == "$1" ]]; }
main_text() { tool text "$APP_CLASS" "*" "$1"; }
editor_text() { main_text "$F1_EDITOR"; }
# The deferred load that follows the first show writes the script (a new one's header, or the file's) into
# the editor: until then the editor is empty.
app_loaded() { [[ -n "$(editor_text)" ]]; }
editor_enabled() { refresh; child_enabled "$F1_EDITOR"; }
editor_disabled() { refresh; grep -q "^child=[^ ]* id=$F1_EDITOR .*enabled=0 " <<<"$FACTS"; }
main_disabled() { refresh; (($(field style "$FACTS") & 0x08000000)); }

# Starts the program with the given arguments and waits until its window shows and the script is loaded.
start_app() {
  timeout "${APP_TIMEOUT:-240}" wine "$APP_EXE" "$@" &
  APP_PID=$!
  if ! tool find "$APP_CLASS" "*" 60000 >/dev/null || ! wait_until 20000 app_loaded; then
    FACTS=""
    import -window root "$XD_E2E_OUT/no-window.png" || true
    echo "      no window; screen in $XD_E2E_OUT/no-window.png; program $(alive && echo alive || echo gone)"
    return 1
  fi
  # Shown and loaded, so a failure here is the window hiding again or the tool itself failing: say which.
  refresh || {
    echo "      window shown and loaded, then not found visible: $(tool count "$APP_CLASS" "*") visible;" \
      "program $(alive && echo alive || echo gone)"
    return 1
  }
}

# Closes the window as the title bar's Close would and checks the program ended cleanly. With "discard", a
# save prompt, when one asks, is answered 否.
closed_or_asking() { window_gone "$APP_CLASS" "*" || box_shows "$BOX_CAPTION"; }
close_app() { # label [discard]
  tool close "$APP_CLASS" "*" >/dev/null || fail "[$1] could not post WM_CLOSE"
  if [[ ${2:-} == discard ]] && wait_until 15000 closed_or_asking && box_shows "$BOX_CAPTION"; then
    xdotool key n
  fi
  if window_gone "$APP_CLASS" "*" 15000; then
    pass "[$1] window gone after WM_CLOSE"
  else
    fail "[$1] window still there after WM_CLOSE"
    kill "$APP_PID" 2>/dev/null || true
  fi
  local rc=0
  if ! wait_until 20000 app_exited; then
    fail "[$1] program still running 20 s after its window closed"
    # What it shows, if anything: a box of its own or the crash report.
    local caption
    caption="$(tool find "$BOX_CLASS" "*" 2>/dev/null | sed -n 's/^title=//p')" || true
    [[ -z $caption ]] || find_box "$caption" | sed 's/^/      /' || true
    import -window root "$XD_E2E_OUT/exit-hang.png" && echo "      screen in $XD_E2E_OUT/exit-hang.png"
    kill "$APP_PID" 2>/dev/null || true
  fi
  wait "$APP_PID" 2>/dev/null || rc=$?
  [[ $rc == 0 ]] && pass "[$1] program exited with 0" || fail "[$1] program exit code $rc"
}

# Clicks a toolbar button (TB_…) at the strip's scaled position.
click_toolbar() { # "x96 y96" [dpi]
  local x96 y96 dpi=${2:-96} l t r b
  read -r x96 y96 <<<"$1"
  refresh
  read -r l t r b < <(child_rect "$F1_TOOLBAR")
  xdotool mousemove $((l + x96 * dpi / 96)) $((t + y96 * dpi / 96)) click 1
}
# The Editor button, then the full window's controls in FACTS.
full_view_shows() { refresh; child_visible "$F1_SETTINGS_BUTTON"; }
show_editor_view() { # [dpi]
  click_toolbar "$TB_EDITOR" "${1:-96}"
  wait_until 10000 full_view_shows
}
# The repeat slider's right arrow: one step more.
repeat_slider_step() {
  local l t r b
  read -r l t r b < <(child_rect "$F1_REPEAT_SLIDER")
  xdotool mousemove $((r - 6)) $(((t + b) / 2)) click 1
}
slider_at() { [[ "$(tool pos "$APP_CLASS" "*" "$F1_REPEAT_SLIDER")" == "$1" ]]; }

# --- the probe: a window that logs every mouse message it receives -------------------------------------------
# Log lines: "<µs> <control id> <msg> <name> <wParam> <lParam> <x> <y> [hit]"; key presses as "<µs> key …".
PROBE_PIDS=()
ORIGIN_X=0
ORIGIN_Y=0
# Starts a probe: log, x y width height of its window. It shows on its own; probe_shows waits for it.
launch_probe() { # log x y width height [edit]
  timeout "${PROBE_TIMEOUT:-300}" wine "$XD_E2E_PROBE" "$(winpath "$1")" "$2" "$3" "$4" "$5" ${6:+"$6"} &
  PROBE_PIDS+=($!)
}
probes_shown() { [[ "$(tool count "$PROBE_CLASS" "$PROBE_TITLE")" == "$1" ]]; }
# Starts one probe and waits for its window; ORIGIN_X/Y is then its client origin on the screen.
start_probe() { # log [x y width height]
  launch_probe "$1" "${2:-50}" "${3:-50}" "${4:-400}" "${5:-300}"
  local facts
  facts="$(tool find "$PROBE_CLASS" "$PROBE_TITLE" 30000)" || return 1
  read -r ORIGIN_X ORIGIN_Y _ < <(child_rect "$PROBE_PANEL" "$facts")
  ORIGIN_X=$((ORIGIN_X - 200))
  ORIGIN_Y=$((ORIGIN_Y - 100))
}
stop_probes() {
  local p
  for _ in "${PROBE_PIDS[@]}"; do tool close "$PROBE_CLASS" "$PROBE_TITLE" >/dev/null 2>&1 || true; done
  for p in "${PROBE_PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  PROBE_PIDS=()
}
# log_has <log> <awk condition>: the log holds a line that matches.
log_has() { [[ -n "$(awk "$2 { print; exit }" "$1" 2>/dev/null)" ]]; }
# log_count <log> <awk condition>: how many lines match.
log_count() { awk "$2 { n++ } END { print n + 0 }" "$1" 2>/dev/null || echo 0; }
# lParam of a point: x in the low 16 bits, y in the high 16 bits.
packed() { printf '0x%X' $(((($2 & 0xFFFF) << 16) | ($1 & 0xFFFF))); }
# The real pointer where Wine sees it: a press injected at once then lands there.
pointer_at() { [[ "$(tool cursor)" == "$1 $2" ]]; }
move_pointer() { xdotool mousemove "$1" "$2"; wait_until 3000 pointer_at "$1" "$2"; }

# Gestures at a client point (x y [x1 y1]) of a window whose client origin is on screen at (ox oy). Their pauses
# pace them as a user's hand would, so a recorder sees the pointer arrive before the press, and a drag held and
# moved in steps.
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
