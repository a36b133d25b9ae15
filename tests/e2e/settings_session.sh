#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the settings dialog of the script edition driven as a user would (clicks
# and keys through xdotool), checked from outside: the settings file, the registry (wine reg query), control
# states and texts (wintool), message boxes found by caption, and screenshots.
set -euo pipefail

MAIN="迅点小侠4_Form1"
DLG="迅点小侠4_Form2"
DLG_TITLE="设置"
TYPE="岚榕迅点小侠脚本文件"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

field() { sed -n "s/^$1=//p" <<<"$2" | head -1; }
shot() { sleep 0.5; import -window root "$out/$1.png" && pass "screenshot $out/$1.png"; }

# A program folder of our own, so the settings file beside the program is the one these checks read.
out="$XD_E2E_OUT/settings"
app="$out/app"
rm -rf "$out"
mkdir -p "$app"
cp "$XD_E2E_EXE" "$app/"
exe="$app/$(basename "$XD_E2E_EXE")"
exe_win="$(winpath "$exe")"
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

# --- the program and its windows ----------------------------------------------------------------------
APP_PID=""
FACTS=""
alive() { kill -0 "$APP_PID" 2>/dev/null; }
start_app() {
  timeout 120 wine "$exe" "$@" &
  APP_PID=$!
  FACTS="$(tool find "$MAIN" "*" 60000)" || { FACTS=""; return 1; }
  sleep 1
  FACTS="$(tool find "$MAIN" "*")"
}
refresh() { FACTS="$(tool find "$MAIN" "*")"; }
rect_of() { # child id, facts -> "left top right bottom"
  sed -n "s/^child=[^ ]* id=$1 .* rect=\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\) .*/\1 \2 \3 \4/p" <<<"$2"
}
main_disabled() { refresh; (($(field style "$FACTS") & 0x08000000)); }
title_is() { refresh; [[ "$(field title "$FACTS")" == "$1" ]]; }

# A toolbar button's centre, given in 96-DPI units, at the strip's scaled position.
click_toolbar() {
  local dpi=${3:-96} l t r b
  read -r l t r b < <(rect_of 118 "$FACTS")
  xdotool mousemove $((l + $1 * dpi / 96)) $((t + $2 * dpi / 96)) click 1
  sleep 0.7
}

DLG_FACTS=""
dialog_shows() { DLG_FACTS="$(tool find "$DLG" "$DLG_TITLE" "${1:-10000}")"; }
dialog_gone() { tool gone "$DLG" "*" 5000; }
ticked() { [[ "$(tool check "$DLG" "*" "$1")" == 1 ]]; }
combo_text() { tool text "$DLG" "*" "$1"; }
# A closing drop-down can take a moment to show its new text under a loaded Wine: ask a few times.
combo_shows() { # combo id, expected text
  local i
  for ((i = 0; i < 10; i++)); do
    [[ "$(combo_text "$1")" == "$2" ]] && return 0
    sleep 0.3
  done
  return 1
}

# A check box is clicked on its box, at the left end of the control.
click_check() {
  local l t r b
  read -r l t r b < <(rect_of "$1" "$DLG_FACTS")
  xdotool mousemove $((l + 7)) $(((t + b) / 2)) click 1
  sleep 0.7
}
click_control() {
  local l t r b
  read -r l t r b < <(rect_of "$1" "$DLG_FACTS")
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
  sleep 0.5
}
# Drops a hotkey list with a click and moves through it with the arrow keys, as a keyboard user would.
pick_hotkey() { # combo id, key (Up/Down), times
  click_control "$1"
  local i
  for ((i = 0; i < $3; i++)); do xdotool key "$2"; sleep 0.1; done
  xdotool key Return
  sleep 0.7
}

open_with_command5() {
  refresh
  local l t r b
  read -r l t r b < <(rect_of 116 "$FACTS")
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
  dialog_shows
}

# Help on the toolbar opens the menu whose first command is 设置.
open_with_menu() {
  refresh
  click_toolbar 247 17
  xdotool key Down Return
  dialog_shows
}

# Closes the program; a changed script asks first and is not saved.
close_app() {
  tool close "$MAIN" "*" || true
  if tool msgbox 迅点小侠 3000 >/dev/null; then xdotool key n; fi
  if tool gone "$MAIN" "*" 15000; then
    pass "[$1] program closed"
  else
    fail "[$1] program did not close"
    kill "$APP_PID" 2>/dev/null || true
  fi
  wait "$APP_PID" 2>/dev/null || true
}

# --- the dialog over a running program ----------------------------------------------------------------
dialog_session() {
  echo "--- settings dialog: hotkeys, association, script settings"
  reg_clear
  start_app || { fail "[settings] no main window"; return; }
  click_toolbar 207 17 # the editor view, where Command5 stands
  refresh
  open_with_command5 || { fail "[settings] Command5 opens no dialog"; close_app settings; return; }
  echo "$DLG_FACTS" | sed 's/^/      /'
  pass "[settings] Command5 opens the dialog"
  check "[settings] caption 设置" test "$(field title "$DLG_FACTS")" == "$DLG_TITLE"
  check "[settings] 456x233 at 96 DPI" test "$(field window "$DLG_FACTS" | sed 's/.*size=//')" == 456x233
  check "[settings] all 17 controls" test "$(grep -c '^child=' <<<"$DLG_FACTS")" == 17
  check "[settings] Check9 is hidden" grep -q '^child=Button id=117 visible=0 ' <<<"$DLG_FACTS"
  local check4_top dialog_bottom
  check4_top=$(rect_of 110 "$DLG_FACTS" | cut -d' ' -f2)
  dialog_bottom=$(field window "$DLG_FACTS" | sed 's/ size=.*//' | cut -d, -f4)
  check "[settings] Check4 enabled but below the dialog" \
    eval "grep -q '^child=Button id=110 visible=1 enabled=1 ' <<<\"\$DLG_FACTS\" && ((check4_top >= dialog_bottom))"
  check "[settings] the main window is disabled while it is open" main_disabled
  check "[settings] record list shows F3" combo_shows 103 F3
  check "[settings] play list shows F2" combo_shows 105 F2
  check "[settings] 关联脚本文件 clear without an association" test "$(tool check "$DLG" "*" 107)" == 0
  check "[settings] opening wrote no option" test -z "$(ini_value 录快捷键)$(ini_value 点击效果)"
  xdotool mousemove 5 5
  shot settings-dialog

  pick_hotkey 103 Down 2
  check "[hotkeys] record list shows F5" combo_shows 103 F5
  check "[hotkeys] settings file holds 录快捷键=116" test "$(ini_value 录快捷键)" == 116

  # The same key for both: stored at once, but the dialog refuses to close.
  pick_hotkey 105 Down 3
  check "[hotkeys] play list shows F5" combo_shows 105 F5
  check "[hotkeys] settings file holds 放快捷键=116" test "$(ini_value 放快捷键)" == 116
  click_control 106
  local box expected
  expected=$'text=录制快捷键和播放快捷键为同一个键，应该设置不同的键。\r\n请修改！！'
  if box="$(tool msgbox 迅点小侠 10000)"; then
    shot settings-same-key
    check "[hotkeys] the close is refused with the same-key message" \
      test "$(sed -n '/^text=/,$p' <<<"$box" | head -c -1)" == "$expected"
    check "[hotkeys] the message box belongs to the program" test "$(field pid "$box")" == "$(field pid "$DLG_FACTS")"
    xdotool key Return
    sleep 0.5
    check "[hotkeys] the dialog stays open" dialog_shows 2000
  else
    fail "[hotkeys] no same-key message on 确定"
  fi
  pick_hotkey 105 Up 3
  check "[hotkeys] play list back on F2" combo_shows 105 F2
  check "[hotkeys] settings file holds 放快捷键=113" test "$(ini_value 放快捷键)" == 113
  click_control 106
  check "[hotkeys] 确定 closes the dialog once the keys differ" dialog_gone
  check "[hotkeys] the main window is enabled again" eval '! main_disabled'

  # The new record hotkey is in force at once; the old one no longer records.
  xdotool key F3
  sleep 1
  check "[hotkeys] F3 no longer starts a recording" eval '! title_is 新脚本'
  xdotool key F5
  sleep 1
  refresh
  check "[hotkeys] F5 starts a recording: new-script title" test "$(field title "$FACTS")" == 新脚本
  check "[hotkeys] ... and Command6 is disabled" grep -q '^child=Button id=117 .*enabled=0' <<<"$FACTS"
  xdotool mousemove 5 5
  shot settings-recording-f5
  xdotool key F5
  sleep 1
  refresh
  check "[hotkeys] F5 again stops it: Command6 enabled" grep -q '^child=Button id=117 .*enabled=1' <<<"$FACTS"

  # The menu's 设置 opens it too; it shows what was stored.
  open_with_menu || { fail "[menu] 设置 in the Help menu opens no dialog"; close_app settings; return; }
  pass "[menu] 设置 in the Help menu opens the dialog"
  check "[menu] record list shows F5 now" combo_shows 103 F5

  click_check 107
  check "[association] 关联脚本文件 ticked" ticked 107
  check "[association] .mkx names the file type" test "$(reg_default .mkx)" == "$TYPE"
  check "[association] DefaultIcon is the program's icon 1" test "$(reg_default "$TYPE\\DefaultIcon")" == "$exe_win,1"
  check "[association] icon index 1 of the program is the script-file icon" \
    test "$(tool icons "$exe_win" | sed -n 2p)" == ICON_MKX
  check "[association] the open command passes the path unquoted" \
    test "$(reg_default "$TYPE\\shell\\open\\Command")" == "$exe_win %1"
  shot settings-associated
  click_check 107
  check "[association] 关联脚本文件 clear again" eval '! ticked 107'
  check "[association] .mkx removed" reg_missing .mkx
  check "[association] the file type removed" reg_missing "$TYPE"

  # 显示点击效果 starts ticked (the default); each click rewrites the open script's line and the option.
  local text
  check "[script] 显示点击效果 ticked by default" ticked 113
  click_check 113
  check "[script] 显示点击效果 cleared" eval '! ticked 113'
  text="$(tool text "$MAIN" "*" 111)"
  check "[script] the open script's click-effect line says 0" \
    grep -qxF "配置.点击效果=0 '=0不显示 =1显示"$'\r' <<<"$text"
  check "[script] settings file holds 点击效果=0" test "$(ini_value 点击效果)" == 0
  click_check 113
  check "[script] 显示点击效果 ticked again" ticked 113
  text="$(tool text "$MAIN" "*" 111)"
  check "[script] the open script's click-effect line says 1" \
    grep -qxF "配置.点击效果=1 '=0不显示 =1显示"$'\r' <<<"$text"
  check "[script] ... in place, once" test "$(grep -c '^配置.点击效果=' <<<"$text")" == 1
  check "[script] settings file holds 点击效果=-1" test "$(ini_value 点击效果)" == -1
  # The caption's close box sends the same close request as 确定.
  tool close "$DLG" "*" || true
  check "[script] closing from the caption" dialog_gone
  close_app settings
}

# --- what other programs leave in the registry --------------------------------------------------------
foreign_registry() {
  echo "--- the association with foreign, over-long and partial registry values"
  reg_clear
  reg_set .mkx OtherEditor.Script
  reg_set "$TYPE\\shell\\open\\Command" "$(printf 'C:\\%.0s' {1..3000}) %1"
  start_app || { fail "[foreign] no main window"; return; }
  click_toolbar 207 17
  open_with_command5 || { fail "[foreign] no dialog"; close_app foreign; return; }
  check "[foreign] another program's .mkx shows as not associated" test "$(tool check "$DLG" "*" 107)" == 0
  click_check 107
  check "[foreign] ticking replaces the other program's type" test "$(reg_default .mkx)" == "$TYPE"
  check "[foreign] ... and the over-long command" \
    test "$(reg_default "$TYPE\\shell\\open\\Command")" == "$exe_win %1"
  tool close "$DLG" "*" || true
  check "[foreign] dialog closes" dialog_gone

  # A partial association (the open command gone) shows as not associated.
  timeout 60 wine reg delete "HKCR\\$TYPE\\shell\\open\\Command" /f >/dev/null 2>&1 || true
  open_with_command5 || { fail "[partial] no dialog"; close_app foreign; return; }
  check "[partial] a missing open command shows as not associated" test "$(tool check "$DLG" "*" 107)" == 0
  click_check 107
  click_check 107
  check "[partial] clearing removes .mkx rather than restoring the other type" reg_missing .mkx
  check "[partial] program alive" alive
  tool close "$DLG" "*" || true
  check "[partial] dialog closes" dialog_gone
  close_app foreign
  reg_clear
}

set_dpi() {
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  # A fresh wineserver is what makes the new DPI take effect.
  timeout 30 wineserver -k || true
  timeout 30 wineserver -w || true
}

dialog_at_144() {
  echo "--- the dialog at 144 DPI"
  set_dpi 144
  start_app || { fail "[144dpi] no main window"; return; }
  click_toolbar 207 17 144
  open_with_command5 || { fail "[144dpi] Command5 opens no dialog"; close_app 144dpi; return; }
  # 233 × 1.5 = 349.5 rounds to the even 350.
  check "[144dpi] the dialog scales to 684x350" test "$(field window "$DLG_FACTS" | sed 's/.*size=//')" == 684x350
  check "[144dpi] 确定 scales to 92x40" grep -q '^child=Button id=106 .* size=92x40$' <<<"$DLG_FACTS"
  xdotool mousemove 5 5
  shot settings-dialog-144dpi
  click_control 106
  check "[144dpi] 确定 closes it" dialog_gone
  close_app 144dpi
}

groups="${XD_E2E_SETTINGS_GROUPS:-dialog_session foreign_registry dialog_at_144}"
trap 'reg_clear; set_dpi 96' EXIT
for group in $groups; do "$group"; done

if ((failures)); then
  echo "e2e settings: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e settings: all checks passed"
