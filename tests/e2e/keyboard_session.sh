#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): 录制键盘 end to end in both editions. With the option on, F3 records a
# click into the probe's edit control, a word typed with Shift, a combination and Enter (all through xdotool);
# the recording must hold them as key lines (script edition) or key events (event list), and playing it in the
# foreground and in the background must give the edit control the same text again. With the option off, the
# same typing records no key lines.
#   needs XD_E2E_EXE, XD_E2E_EVENT_EXE, XD_E2E_MKXTOOL, XD_E2E_WINTOOL, XD_E2E_PROBE, XD_E2E_OUT
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$XD_E2E_OUT/keyboard"
rm -rf "$work"
mkdir -p "$work"
APP_TIMEOUT=120

# A fresh wineserver on this display, at 96 DPI, so script pixels are screen pixels.
set_dpi 96

readonly PROBE_EDIT=102      # the probe's edit control
readonly EL_F2_RECORD_KEYBOARD=124  # the event list's Check12, 录制键盘
# What the typing leaves in the edit control, CR and LF shown as < and >: Ctrl+End moves nothing at the end.
readonly TYPED="Hello<>"

# --- the probe's edit control --------------------------------------------------------------------------------
EDIT_X=0
EDIT_Y=0
start_keys_probe() { # log
  launch_probe "$1" 10 100 380 300 edit
  local facts l t r b
  facts="$(tool find "$PROBE_CLASS" "$PROBE_TITLE" 30000)" || return 1
  read -r l t r b < <(child_rect "$PROBE_EDIT" "$facts")
  [[ -n "$l" ]] || return 1
  EDIT_X=$(((l + r) / 2))
  EDIT_Y=$(((t + b) / 2))
}
edit_text() { tool text "$PROBE_CLASS" "$PROBE_TITLE" "$PROBE_EDIT" | tr '\r\n' '<>'; }
edit_is() { [[ "$(edit_text)" == "$1" ]]; }
clear_edit() { tool settext "$PROBE_CLASS" "$PROBE_TITLE" "$PROBE_EDIT" && edit_is ""; }
park_pointer() { xdotool mousemove 640 780; }

# The user's part of a recording: a click into the edit control, then the keys, paced as a hand would type.
# The edit control gets each key after the hooks have seen it, so its text tells when they have.
type_into_probe() {
  xdotool mousemove "$EDIT_X" "$EDIT_Y"
  sleep 0.2
  xdotool click 1
  sleep 0.6
  xdotool type --delay 120 Hello
  wait_until 3000 edit_is "Hello" || fail "the typed word did not reach the edit control"
  xdotool key ctrl+End
  xdotool key Return
  wait_until 3000 edit_is "Hello<>" || fail "Enter did not reach the edit control"
}

write_ini() { # folder value
  printf '[选项]\r\n录制键盘=%s\r\n' "$2" | iconv -f UTF-8 -t GBK > "$1/巧手配置.INI"
}
ini_value() { iconv -f GB18030 -t UTF-8 "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^$2=//p" | head -1; }

# The script edition's window is ready once its editor holds the script; the event list's once it shows.
app_loaded() { [[ $APP_CLASS == "$EL_MAIN_CLASS" || -n "$(editor_text)" ]]; }

# --- 迅点小侠4: the script edition ---------------------------------------------------------------------------
recording() { editor_disabled; }
stopped() { editor_enabled; }

# Records the typing in a program folder whose settings file holds 录制键盘=<value>; the script's text is
# left in $work/<name>.txt.
record_script() { # name value
  local app="$work/$1"
  mkdir -p "$app"
  cp "$XD_E2E_EXE" "$app/"
  write_ini "$app" "$2"
  APP_EXE="$app/$(basename "$XD_E2E_EXE")"
  APP_CLASS="$MAIN_CLASS"
  check "[$1] the edit control starts empty" clear_edit
  start_app || { fail "[$1] no main window"; return 1; }
  show_editor_view || fail "[$1] the Editor button shows no full window"
  park_pointer
  xdotool key F3
  check_within "[$1] F3 starts recording" 5000 recording
  type_into_probe
  park_pointer
  xdotool key F3
  check_within "[$1] F3 stops recording" 5000 stopped
  { editor_text | tr -d '\r'; echo; } > "$work/$1.txt"
  echo "      recorded:"
  sed -n '/^配置\./!p' "$work/$1.txt" | sed 's/^/        /'
  check "[$1] the edit control holds what was typed" edit_is "$TYPED"
  close_app "$1" discard
}

# The recorded script as a file that plays once, in the given mode, with Chinese text typed after the rest:
# KEYEVENTF_UNICODE in the foreground, WM_CHAR in the background.
readonly CHINESE="你好"
script_in_mode() { # recorded-text mode -> path
  local path="$work/play-$2.mkx"
  { printf '\xef\xbb\xbf'
    { sed "s/^配置\.执行次数=.*/配置.执行次数=1/; s/^配置\.前台模式=.*/配置.前台模式=$2/" "$1" | grep -v '^$'
      echo "输入文字(\"$CHINESE\",100)"
    } | sed 's/$/\r/'
  } > "$path"
  echo "$path"
}

play_script() { # recorded-text mode(0|1) label
  local label=$3 script
  script="$(script_in_mode "$1" "$2")"
  APP_EXE="$work/on/$(basename "$XD_E2E_EXE")"
  APP_CLASS="$MAIN_CLASS"
  check "[$label] the edit control starts empty" clear_edit
  start_app "$(winpath "$script")" || { fail "[$label] no main window"; return; }
  park_pointer
  xdotool key F2
  check_within "[$label] the edit control gets the typed text again, and the Chinese" 10000 edit_is "$TYPED$CHINESE"
  wait_until 10000 stopped || fail "[$label] the playback does not end"
  echo "      the edit control holds: $(edit_text)"
  snap "$work/$label.png"
  close_app "$label" discard
}

script_edition() {
  echo "--- 迅点小侠4: 录制键盘 on, typing recorded, played in both modes"
  record_script on -1 || return
  local text="$work/on.txt" lines
  lines="$(grep -E '^(鼠标|输入文字|键盘按键)' "$text" | sed 's/,[0-9]*)$/)/' | tr '\n' ';')"
  echo "      key lines without their waits: $lines"
  check "[on] the click, then 输入文字(\"Hello\"), 键盘按键(\"Ctrl+End\",1), 键盘按键(\"Enter\",1)" \
    eval '[[ "$lines" =~ 鼠标点击\([^\;]*\)\;输入文字\(\"Hello\"\)\;键盘按键\(\"Ctrl\+End\",1\)\;键盘按键\(\"Enter\",1\)\;$ ]]'
  check "[on] the record key is not recorded" eval '! grep -q "F3" "$text"'
  check "[on] each key line waits for the next (ms)" \
    eval '! grep -E "^(输入文字|键盘按键)" "$text" | grep -qvE ",[0-9]+\)$"'
  play_script "$text" 1 foreground
  play_script "$text" 0 background

  echo "--- 迅点小侠4: 录制键盘 off records no key lines"
  record_script off 0 || return
  check "[off] the click is recorded" grep -q '^鼠标点击(' "$work/off.txt"
  check "[off] no key lines" eval '! grep -qE "^(输入文字|键盘按键)" "$work/off.txt"'
}

# --- 迅点小侠: the event list --------------------------------------------------------------------------------
readonly EL_TB_SAVE="132 17" EL_TB_MODE="172 17" EL_TB_EXPAND="207 17"
readonly EL_LIST=120 EL_SETTINGS_BUTTON=116
readonly EL_SETTINGS_CLASS="迅点小侠_Form2"
expanded_shows() { refresh; child_visible "$EL_LIST"; }
el_busy() { refresh; ! child_enabled "$EL_LIST"; }
el_idle() { refresh; child_enabled "$EL_LIST"; }
el_ticked() { [[ "$(tool check "$EL_SETTINGS_CLASS" "*" "$1")" == "$2" ]]; }
dump_of() { timeout 60 wine "$XD_E2E_MKXTOOL" dump "$(winpath "$1")" 2>/dev/null | tr -d '\r' || true; }

# 录制键盘 ticked in the event list's own settings dialog; it must start clear.
el_tick_record_keyboard() {
  click_child "$EL_SETTINGS_BUTTON"
  local facts l t r b
  facts="$(tool find "$EL_SETTINGS_CLASS" 设置 10000)" || { fail "[el-on] 设置 opens no dialog"; return 1; }
  check "[el-on] 录制键盘 clear by default" el_ticked "$EL_F2_RECORD_KEYBOARD" 0
  read -r l t r b < <(child_rect "$EL_F2_RECORD_KEYBOARD" "$facts")
  [[ -n "$l" ]] || { fail "[el-on] the dialog has no 录制键盘 box"; return 1; }
  xdotool mousemove $((l + 7)) $(((t + b) / 2)) click 1
  check_within "[el-on] ticking writes 录制键盘=-1" 5000 eval \
    '[[ "$(ini_value "$(dirname "$APP_EXE")/巧手配置.INI" 录制键盘)" == -1 ]]'
  xdotool mousemove 5 5
  shot el-settings-keyboard "$work"
  click_child "$F2_OK" "$facts"
  window_gone "$EL_SETTINGS_CLASS" "*" 5000 || fail "[el-on] 确定 leaves the dialog open"
}

# Records the typing with the event list, saves it through the save dialog and leaves its dump in
# $work/<name>.dump.
el_record() { # name on|off
  local name=$1 app="$work/$1" saved="$work/$1.mkx"
  mkdir -p "$app"
  cp "$XD_E2E_EVENT_EXE" "$app/"
  APP_EXE="$app/$(basename "$XD_E2E_EVENT_EXE")"
  APP_CLASS="$EL_MAIN_CLASS"
  check "[$name] the edit control starts empty" clear_edit
  start_app || { fail "[$name] no main window"; return 1; }
  click_toolbar "$EL_TB_EXPAND"
  wait_until 10000 expanded_shows || fail "[$name] no expanded window"
  [[ $2 == off ]] || el_tick_record_keyboard || { close_app "$name" discard; return 1; }
  park_pointer
  xdotool key F3
  check_within "[$name] F3 starts recording" 5000 el_busy
  type_into_probe
  park_pointer
  xdotool key F3
  check_within "[$name] F3 stops recording" 5000 el_idle
  check "[$name] the edit control holds what was typed" edit_is "$TYPED"
  xdotool mousemove 5 5
  snap "$work/$name-list.png"
  click_toolbar "$EL_TB_SAVE"
  if tool find "$BOX_CLASS" "*" 15000 >/dev/null; then
    xdotool key ctrl+a
    xdotool type --delay 20 "$(winpath "$saved")"
    xdotool key Return
    check_within "[$name] Save names the window after the file" 15000 title_is "$name"
  else
    fail "[$name] Save shows no save dialog"
  fi
  dump_of "$saved" > "$work/$name.dump"
  close_app "$name" discard
}

# The key events of a dump as "message vk" in upper-case hex, one per line (the key is keyFlags' low byte).
key_events() {
  local m f
  sed -nE 's/.* message=0x0*(10[0145]) keyFlags=(0x[0-9a-fA-F]+) .*/\1 \2/p' "$1" | while read -r m f; do
    printf '%s %X\n' "$m" $((f & 0xFF))
  done
}

el_play() { # saved label mode(keep|switch)
  local label=$2
  APP_EXE="$work/el-on/$(basename "$XD_E2E_EVENT_EXE")"
  APP_CLASS="$EL_MAIN_CLASS"
  check "[$label] the edit control starts empty" clear_edit
  start_app "$(winpath "$1")" || { fail "[$label] no main window"; return; }
  click_toolbar "$EL_TB_EXPAND"
  wait_until 10000 expanded_shows || fail "[$label] no expanded window"
  if [[ $3 == switch ]]; then
    click_toolbar "$EL_TB_MODE"
    check_within "[$label] the mode button changes the script" 5000 title_is "$(basename "$1" .mkx) *"
  fi
  repeat_slider_step
  wait_until 5000 slider_at 1 || fail "[$label] the repeat slider did not move to 1"
  park_pointer
  xdotool key F2
  check_within "[$label] the edit control gets the typed text again" 10000 edit_is "$TYPED"
  wait_until 10000 el_idle || fail "[$label] the playback does not end"
  echo "      the edit control holds: $(edit_text)"
  snap "$work/$label.png"
  close_app "$label" discard
}

event_list() {
  echo "--- 迅点小侠: 录制键盘 on, typing recorded as key events, played in both modes"
  el_record el-on on || return
  local downs ups
  downs="$(key_events "$work/el-on.dump" | awk '$1 == 100 || $1 == 104 { print $2 }' | tr '\n' ' ')"
  ups="$(key_events "$work/el-on.dump" | awk '$1 == 101 || $1 == 105 { print $2 }' | tr '\n' ' ')"
  echo "      key presses: $downs"
  echo "      releases:    $ups"
  grep -E ' message=0x0*10[0145] ' "$work/el-on.dump" | sed 's/ title=.* message=/ message=/; s/^/        /' | head -20
  # Shift+H e l l o, Ctrl+End, Enter: each press and release an event of its own (Shift and Ctrl as the hook
  # names them, left or either).
  check "[el-on] the saved file holds the presses of Shift+H e l l o, Ctrl+End and Enter in order" \
    eval '[[ "$downs" =~ ^(A0|10)\ 48\ 45\ 4C\ 4C\ 4F\ (A2|11)\ 23\ D\ $ ]]'
  check "[el-on] ... and a release for each" test "$(wc -w <<<"$ups")" -eq 9
  check "[el-on] the record key is not recorded" eval '! grep -qE "^10[0145] 72$" <(key_events "$work/el-on.dump")'
  el_play "$work/el-on.mkx" el-background keep
  el_play "$work/el-on.mkx" el-foreground switch

  echo "--- 迅点小侠: 录制键盘 off records no key events"
  el_record el-off off || return
  check "[el-off] the click is recorded" grep -qE 'message=0x0*201 ' "$work/el-off.dump"
  check "[el-off] no key events" eval '! grep -qE "message=0x0*10[0145] " "$work/el-off.dump"'
}

# One probe serves every recording and playback; its edit control is cleared before each.
if start_keys_probe "$work/probe.log"; then
  groups="${XD_E2E_KEYBOARD_GROUPS:-script_edition event_list}"
  for group in $groups; do "$group"; done
else
  fail "the probe or its edit control did not show"
fi
stop_probes

if ((failures)); then
  echo "e2e keyboard: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e keyboard: all checks passed"
