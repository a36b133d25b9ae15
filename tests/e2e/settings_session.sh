#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the settings dialog of the script edition driven as a user would (clicks
# and keys through xdotool), checked from outside: the settings file, the registry (wine reg query), control
# states and texts (wintool), message boxes found by caption, and screenshots.
set -euo pipefail

TYPE="岚榕迅点小侠脚本文件"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A program folder of our own, so the settings file beside the program is the one these checks read.
out="$XD_E2E_OUT/settings"
app="$out/app"
rm -rf "$out"
mkdir -p "$app"
cp "$XD_E2E_EXE" "$app/"
APP_EXE="$app/$(basename "$XD_E2E_EXE")"
APP_TIMEOUT=120
exe_win="$(winpath "$APP_EXE")"
ini="$app/巧手配置.INI"

# --- registry, read as a user would with reg.exe (it prints in the GBK code page) ----------------------
reg_default() { # key under HKEY_CLASSES_ROOT -> its default value; exit 1 when the key is missing
  local raw
  raw="$(timeout 60 wine reg query "HKCR\\$1" /ve 2>/dev/null)" || return 1
  iconv -f GB18030 -t UTF-8 <<<"$raw" | tr -d '\r' | sed -n 's/^ *[^ ].*  *REG_SZ    //p' | head -1
}
reg_missing() { ! timeout 60 wine reg query "HKCR\\$1" >/dev/null 2>&1; }
reg_set() { timeout 60 wine reg add "HKCR\\$1" /ve /d "$2" /f >/dev/null 2>&1; }
reg_clear() {
  timeout 60 wine reg delete 'HKCR\.mkx' /f >/dev/null 2>&1 || true
  timeout 60 wine reg delete "HKCR\\$TYPE" /f >/dev/null 2>&1 || true
}

ini_value() { iconv -f GB18030 -t UTF-8 "$ini" 2>/dev/null | tr -d '\r' | sed -n "s/^$1=//p" | head -1; }
ini_holds() { [[ "$(ini_value "$1")" == "$2" ]]; }

# --- the dialog ---------------------------------------------------------------------------------------
DLG_FACTS=""
dialog_shows() { DLG_FACTS="$(tool find "$SETTINGS_CLASS" "$SETTINGS_TITLE" "${1:-10000}")"; }
dialog_gone() { window_gone "$SETTINGS_CLASS" "*" 5000; }
ticked() { [[ "$(tool check "$SETTINGS_CLASS" "*" "$1")" == 1 ]]; }
cleared() { [[ "$(tool check "$SETTINGS_CLASS" "*" "$1")" == 0 ]]; }
combo_shows() { [[ "$(tool text "$SETTINGS_CLASS" "*" "$1")" == "$2" ]]; }
list_dropped() { [[ "$(tool dropped "$SETTINGS_CLASS" "*" "$1")" == "$2" ]]; }
# The dialog fills its hotkey lists in a load that follows its first show.
dialog_loaded() { [[ -n "$(tool text "$SETTINGS_CLASS" "*" "$F2_RECORD_KEY")" ]]; }
# A check box is clicked on its box, at the left end of the control.
click_check() {
  local l t r b
  read -r l t r b < <(child_rect "$1" "$DLG_FACTS")
  xdotool mousemove $((l + 7)) $(((t + b) / 2)) click 1
}
click_dialog() { click_child "$1" "$DLG_FACTS"; }
# Drops a hotkey list with a click and moves through it with the arrow keys, as a keyboard user would.
pick_hotkey() { # combo id, key (Up/Down), times
  click_dialog "$1"
  wait_until 5000 list_dropped "$1" 1 || fail "[hotkeys] list $1 does not drop"
  xdotool key --repeat "$3" "$2"
  xdotool key Return
  wait_until 5000 list_dropped "$1" 0 || fail "[hotkeys] list $1 stays dropped"
}

open_dialog_loaded() { dialog_shows && wait_until 10000 dialog_loaded; }
open_with_command5() {
  full_view_shows || return 1
  click_child "$F1_SETTINGS_BUTTON"
  open_dialog_loaded
}

# Help on the toolbar opens the menu whose first command is 设置.
open_with_menu() {
  click_toolbar "$TB_HELP"
  wait_until 5000 menu_shows || return 1
  xdotool key Down Return
  open_dialog_loaded
}

# --- the dialog over a running program ----------------------------------------------------------------
dialog_session() {
  echo "--- settings dialog: hotkeys, association, script settings"
  reg_clear
  start_app || { fail "[settings] no main window"; return; }
  show_editor_view || fail "[settings] the Editor button shows no full window" # where Command5 stands
  open_with_command5 || { fail "[settings] Command5 opens no dialog"; close_app settings discard; return; }
  echo "$DLG_FACTS" | sed 's/^/      /'
  pass "[settings] Command5 opens the dialog"
  check "[settings] caption 设置" test "$(field title "$DLG_FACTS")" == "$SETTINGS_TITLE"
  check "[settings] 456x256 at 96 DPI" test "$(window_size "$DLG_FACTS")" == 456x256
  check "[settings] all 22 controls" test "$(grep -c '^child=' <<<"$DLG_FACTS")" == 22
  check "[settings] Check9 is hidden" grep -q "^child=Button id=$F2_CHECK9 visible=0 " <<<"$DLG_FACTS"
  local check4_top dialog_bottom
  check4_top=$(child_rect "$F2_CHECK4" "$DLG_FACTS" | cut -d' ' -f2)
  dialog_bottom=$(field window "$DLG_FACTS" | sed 's/ size=.*//' | cut -d, -f4)
  check "[settings] Check4 enabled but below the dialog" \
    eval "grep -q '^child=Button id=$F2_CHECK4 visible=1 enabled=1 ' <<<\"\$DLG_FACTS\" && ((check4_top >= dialog_bottom))"
  check "[settings] the main window is disabled while it is open" main_disabled
  check_within "[settings] record list shows F3" 5000 combo_shows "$F2_RECORD_KEY" F3
  check_within "[settings] play list shows F2" 5000 combo_shows "$F2_PLAY_KEY" F2
  check "[settings] 关联脚本文件 clear without an association" cleared "$F2_ASSOCIATE"
  check "[settings] opening wrote no option" test -z "$(ini_value 录快捷键)$(ini_value 点击效果)"
  xdotool mousemove 5 5
  shot settings-dialog "$out"

  pick_hotkey "$F2_RECORD_KEY" Down 2
  check_within "[hotkeys] record list shows F5" 5000 combo_shows "$F2_RECORD_KEY" F5
  check_within "[hotkeys] settings file holds 录快捷键=116" 5000 ini_holds 录快捷键 116

  # The same key for both: stored at once, but the dialog refuses to close.
  pick_hotkey "$F2_PLAY_KEY" Down 3
  check_within "[hotkeys] play list shows F5" 5000 combo_shows "$F2_PLAY_KEY" F5
  check_within "[hotkeys] settings file holds 放快捷键=116" 5000 ini_holds 放快捷键 116
  click_dialog "$F2_OK"
  local box expected
  expected=$'text=录制快捷键和播放快捷键为同一个键，应该设置不同的键。\r\n请修改！！'
  if box="$(find_box "$BOX_CAPTION" 10000)"; then
    shot settings-same-key "$out"
    check "[hotkeys] the close is refused with the same-key message" \
      test "$(sed -n '/^text=/,$p' <<<"$box" | head -c -1)" == "$expected"
    check "[hotkeys] the message box belongs to the program" test "$(field pid "$box")" == "$(field pid "$DLG_FACTS")"
    xdotool key Return
    window_gone "$BOX_CLASS" "$BOX_CAPTION" 5000 || fail "[hotkeys] the same-key message stays after Enter"
    check "[hotkeys] the dialog stays open" dialog_shows 2000
  else
    fail "[hotkeys] no same-key message on 确定"
  fi
  pick_hotkey "$F2_PLAY_KEY" Up 3
  check_within "[hotkeys] play list back on F2" 5000 combo_shows "$F2_PLAY_KEY" F2
  check_within "[hotkeys] settings file holds 放快捷键=113" 5000 ini_holds 放快捷键 113
  click_dialog "$F2_OK"
  check "[hotkeys] 确定 closes the dialog once the keys differ" dialog_gone
  check_within "[hotkeys] the main window is enabled again" 5000 eval '! main_disabled'

  # The new record hotkey is in force at once; the old one no longer records. The keys are handled in
  # order: had F3 started a recording, F5 would stop it, and the program would not end up recording.
  xdotool key F3
  xdotool key F5
  check_within "[hotkeys] F5 starts a recording: new-script title" 5000 title_is 新脚本
  check_within "[hotkeys] F3 no longer starts a recording" 5000 editor_disabled
  check "[hotkeys] ... and Command6 is disabled" \
    grep -q "^child=Button id=$F1_CONTINUE_BUTTON .*enabled=0" <<<"$FACTS"
  xdotool mousemove 5 5
  shot settings-recording-f5 "$out"
  xdotool key F5
  check_within "[hotkeys] F5 again stops it: Command6 enabled" 5000 eval \
    'refresh; child_enabled "$F1_CONTINUE_BUTTON"'

  # The menu's 设置 opens it too; it shows what was stored.
  open_with_menu || { fail "[menu] 设置 in the Help menu opens no dialog"; close_app settings discard; return; }
  pass "[menu] 设置 in the Help menu opens the dialog"
  check_within "[menu] record list shows F5 now" 5000 combo_shows "$F2_RECORD_KEY" F5

  # A box's click is handled in full (registry, settings file, script) before the box shows its new state.
  click_check "$F2_ASSOCIATE"
  check_within "[association] 关联脚本文件 ticked" 5000 ticked "$F2_ASSOCIATE"
  check "[association] .mkx names the file type" test "$(reg_default .mkx)" == "$TYPE"
  check "[association] DefaultIcon is the program's icon 1" test "$(reg_default "$TYPE\\DefaultIcon")" == "$exe_win,1"
  check "[association] icon index 1 of the program is the script-file icon" \
    test "$(tool icons "$exe_win" | sed -n 2p)" == ICON_MKX
  check "[association] the open command passes the path unquoted" \
    test "$(reg_default "$TYPE\\shell\\open\\Command")" == "$exe_win %1"
  shot settings-associated "$out"
  click_check "$F2_ASSOCIATE"
  check_within "[association] 关联脚本文件 clear again" 5000 cleared "$F2_ASSOCIATE"
  check "[association] .mkx removed" reg_missing .mkx
  check "[association] the file type removed" reg_missing "$TYPE"

  # 显示点击效果 starts ticked (the default); each click rewrites the open script's line and the option.
  local text
  check "[script] 显示点击效果 ticked by default" ticked "$F2_CLICK_EFFECT"
  click_check "$F2_CLICK_EFFECT"
  check_within "[script] 显示点击效果 cleared" 5000 cleared "$F2_CLICK_EFFECT"
  text="$(editor_text)"
  check "[script] the open script's click-effect line says 0" \
    grep -qxF "配置.点击效果=0 '=0不显示 =1显示"$'\r' <<<"$text"
  check "[script] settings file holds 点击效果=0" ini_holds 点击效果 0
  click_check "$F2_CLICK_EFFECT"
  check_within "[script] 显示点击效果 ticked again" 5000 ticked "$F2_CLICK_EFFECT"
  text="$(editor_text)"
  check "[script] the open script's click-effect line says 1" \
    grep -qxF "配置.点击效果=1 '=0不显示 =1显示"$'\r' <<<"$text"
  check "[script] ... in place, once" test "$(grep -c '^配置.点击效果=' <<<"$text")" == 1
  check "[script] settings file holds 点击效果=-1" ini_holds 点击效果 -1

  # The two playback options of unattended use: the stop by hand starts on, the wait at 0 seconds.
  check "[playback] 移动鼠标时停止前台回放 ticked by default" ticked "$F2_STOP_ON_MOVE"
  check "[playback] 等待目标窗口出现 shows 0" test "$(tool text "$SETTINGS_CLASS" "*" "$F2_WAIT_SECONDS")" == 0
  click_check "$F2_STOP_ON_MOVE"
  check_within "[playback] settings file holds 移动停止=0" 5000 ini_holds 移动停止 0
  click_dialog "$F2_WAIT_SECONDS"
  xdotool key End BackSpace BackSpace BackSpace
  xdotool type --delay 30 12
  check_within "[playback] settings file holds 等待窗口=12" 5000 ini_holds 等待窗口 12
  # Back to the defaults, so the rest of the session plays as before.
  xdotool key End BackSpace BackSpace BackSpace
  xdotool type --delay 30 0
  check_within "[playback] settings file holds 等待窗口=0" 5000 ini_holds 等待窗口 0
  click_check "$F2_STOP_ON_MOVE"
  check_within "[playback] settings file holds 移动停止=-1" 5000 ini_holds 移动停止 -1

  # 录制键盘 starts clear: recordings hold mouse lines only unless it is ticked.
  check "[keyboard] 录制键盘 clear by default" cleared "$F2_RECORD_KEYBOARD"
  check "[keyboard] ... and not in the settings file" test -z "$(ini_value 录制键盘)"
  click_check "$F2_RECORD_KEYBOARD"
  check_within "[keyboard] ticking writes 录制键盘=-1" 5000 ini_holds 录制键盘 -1
  click_check "$F2_RECORD_KEYBOARD"
  check_within "[keyboard] clearing writes 录制键盘=0" 5000 ini_holds 录制键盘 0
  # The caption's close box sends the same close request as 确定.
  tool close "$SETTINGS_CLASS" "*" || true
  check "[script] closing from the caption" dialog_gone
  close_app settings discard
}

# --- what other programs leave in the registry --------------------------------------------------------
foreign_registry() {
  echo "--- the association with foreign, over-long and partial registry values"
  reg_clear
  reg_set .mkx OtherEditor.Script
  reg_set "$TYPE\\shell\\open\\Command" "$(printf 'C:\\%.0s' {1..3000}) %1"
  start_app || { fail "[foreign] no main window"; return; }
  show_editor_view || fail "[foreign] the Editor button shows no full window"
  open_with_command5 || { fail "[foreign] no dialog"; close_app foreign discard; return; }
  check "[foreign] another program's .mkx shows as not associated" cleared "$F2_ASSOCIATE"
  click_check "$F2_ASSOCIATE"
  wait_until 5000 ticked "$F2_ASSOCIATE" || fail "[foreign] the click does not tick 关联脚本文件"
  check "[foreign] ticking replaces the other program's type" test "$(reg_default .mkx)" == "$TYPE"
  check "[foreign] ... and the over-long command" \
    test "$(reg_default "$TYPE\\shell\\open\\Command")" == "$exe_win %1"
  tool close "$SETTINGS_CLASS" "*" || true
  check "[foreign] dialog closes" dialog_gone

  # A partial association (the open command gone) shows as not associated.
  timeout 60 wine reg delete "HKCR\\$TYPE\\shell\\open\\Command" /f >/dev/null 2>&1 || true
  open_with_command5 || { fail "[partial] no dialog"; close_app foreign discard; return; }
  check "[partial] a missing open command shows as not associated" cleared "$F2_ASSOCIATE"
  click_check "$F2_ASSOCIATE"
  wait_until 5000 ticked "$F2_ASSOCIATE" || fail "[partial] the click does not tick 关联脚本文件"
  click_check "$F2_ASSOCIATE"
  wait_until 5000 cleared "$F2_ASSOCIATE" || fail "[partial] the second click does not clear 关联脚本文件"
  check "[partial] clearing removes .mkx rather than restoring the other type" reg_missing .mkx
  check "[partial] program alive" alive
  tool close "$SETTINGS_CLASS" "*" || true
  check "[partial] dialog closes" dialog_gone
  close_app foreign discard
  reg_clear
}

dialog_at_144() {
  echo "--- the dialog at 144 DPI"
  set_dpi 144
  start_app || { fail "[144dpi] no main window"; return; }
  show_editor_view 144 || fail "[144dpi] the Editor button shows no full window"
  open_with_command5 || { fail "[144dpi] Command5 opens no dialog"; close_app 144dpi discard; return; }
  check "[144dpi] the dialog scales to 684x384" test "$(window_size "$DLG_FACTS")" == 684x384
  check "[144dpi] 确定 scales to 92x40" grep -q "^child=Button id=$F2_OK .* size=92x40$" <<<"$DLG_FACTS"
  xdotool mousemove 5 5
  shot settings-dialog-144dpi "$out"
  click_dialog "$F2_OK"
  check "[144dpi] 确定 closes it" dialog_gone
  close_app 144dpi discard
}

groups="${XD_E2E_SETTINGS_GROUPS:-dialog_session foreign_registry dialog_at_144}"
trap 'reg_clear; set_dpi 96' EXIT
for group in $groups; do "$group"; done

if ((failures)); then
  echo "e2e settings: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e settings: all checks passed"
