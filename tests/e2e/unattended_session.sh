#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): /play from the command line, both editions. A script plays twice to the
# probe with its log named, the process ends with 0 and the log holds the run's line; a script whose window
# is not there ends with 3 without any box; and neither writes a settings file beside itself. Then 生成软件 in
# each: the program it makes plays its script to the probe with the options it is given, writes no settings
# file beside itself, and exits with 0.
#   needs XD_E2E_EXE, XD_E2E_EVENT_EXE, XD_E2E_WINTOOL, XD_E2E_PROBE, XD_E2E_OUT
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$XD_E2E_OUT/unattended"
rm -rf "$work"
mkdir -p "$work/script" "$work/event"
cp "$XD_E2E_EXE" "$work/script/"
cp "$XD_E2E_EVENT_EXE" "$work/event/"
script_exe="$work/script/$(basename "$XD_E2E_EXE")"
event_exe="$work/event/$(basename "$XD_E2E_EVENT_EXE")"
set_dpi 96

# --- scripts ------------------------------------------------------------------------------------------
# The script edition's text: it repeats until stopped and plays in the foreground, as the command line
# overrides.
script_text() { # path target-title target-class
  { printf '\xef\xbb\xbf'
    printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改" "配置.执行次数=0" "配置.前台模式=1" \
      "目标窗口(\"$2\",\"$3\",\"0\")" "鼠标点击(1,120,45,1,300)"
  } > "$1"
}
# The event list's binary file: a press and a release 120 pixels right and down of the window's corner,
# 300 ms apart, to repeat until stopped.
event_script() { # path target-title target-class
  python3 - "$@" <<'PY'
import struct, sys
path, title, cls = sys.argv[1], sys.argv[2].encode("gbk"), sys.argv[3].encode("gbk")
magic = "岚榕迅点小侠脚本文件".encode("gbk")
def pack(high, low): return struct.pack("<I", ((high & 0xFFFF) << 16) | (low & 0xFFFF))
def record(message, flags, same):
    names = pack(0, 1)
    where = pack(2, 1 if same else 0)  # the second event names the same window as the first
    return (pack(250, 200) + names + where + pack(130, 120) + pack(130, 120) +
            struct.pack("<iii", message, flags, 300))
body = record(0x201, 1, False) + record(0x202, 0, True)
header = magic + struct.pack("<iiiii", 30100, 2, 0, 0, 113 | 0x20000) + bytes(20)
with open(path, "wb") as f:
    f.write(header + body + title + b"\0\0" + cls + b"\0\0" + b"\0")
PY
}

# --- running /play --------------------------------------------------------------------------------------
RC=0
BOX_SEEN=0
# Runs the program to its end (at most 60 s), looking for a message box all the while.
play() { # label exe args...
  local label=$1 exe=$2 pid
  shift 2
  RC=0
  BOX_SEEN=0
  timeout 60 wine "$exe" /play "$@" > "$work/$label.out" 2>&1 &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    [[ "$(tool count "$BOX_CLASS" "*" 2>/dev/null)" == 0 ]] || BOX_SEEN=1
    sleep 0.2
  done
  wait "$pid" || RC=$?
  echo "      $label: exit $RC"
}
presses() { log_count "$1" '$4 == "WM_LBUTTONDOWN"'; }
main_hidden() { [[ "$(tool count "$2" "*")" == 0 ]]; }

edition() { # label exe main-class script
  local label=$1 exe=$2 class=$3 script=$4 log="$work/$1-probe.log" runlog="$work/$1-run.txt" pid
  echo "--- $label: /play to the probe, twice, in the background, with a log"
  start_probe "$log" 50 50 400 300 || { fail "[$label] probe window did not show"; return; }
  timeout 60 wine "$exe" /play "$(winpath "$script")" /background /REPEAT 2 /log "$(winpath "$runlog")" \
    > "$work/$label.out" 2>&1 &
  pid=$!
  if wait_until 20000 log_has "$log" '$4 == "WM_LBUTTONDOWN"'; then
    check "[$label] the main window stays hidden while it plays" main_hidden "$label" "$class"
  else
    fail "[$label] no click reached the probe"
  fi
  RC=0
  wait "$pid" || RC=$?
  check "[$label] played to the end: exit code 0 (got $RC)" test "$RC" == 0
  check "[$label] the probe got two presses, one a run" test "$(presses "$log")" == 2
  check "[$label] the log holds the run's line" grep -q $'\t0 完成\t' "$runlog"
  sed 's/^/      log: /' "$runlog" 2>/dev/null || true
  stop_probes

  echo "--- $label: /play of a script whose window is not there"
  play "$label-missing" "$exe" "$(winpath "$4.missing")" /log "$(winpath "$runlog")"
  check "[$label] no window: exit code 3 (got $RC)" test "$RC" == 3
  check "[$label] no window: no box was shown" test "$BOX_SEEN" == 0
  check "[$label] no window: the log says so" grep -q $'\t3 找不到目标窗口\t' "$runlog"

  # The window a routine starts just before playing: /wait holds the playback until it shows.
  echo "--- $label: /play /wait 5 with the probe started 1 s later"
  local late="$work/$label-late-probe.log"
  timeout 60 wine "$exe" /play "$(winpath "$script")" /background /repeat 1 /wait 5 > "$work/$label-late.out" 2>&1 &
  pid=$!
  sleep 1
  start_probe "$late" 50 50 400 300 || fail "[$label] the late probe window did not show"
  RC=0
  wait "$pid" || RC=$?
  check "[$label] a window that shows within the wait: exit code 0 (got $RC)" test "$RC" == 0
  check "[$label] ... and the late probe got its press" test "$(presses "$late")" == 1
  stop_probes

  play "$label-bad" "$exe" "$(winpath "$script")" /speed fast
  check "[$label] a bad command line: exit code 6 (got $RC)" test "$RC" == 6
  check "[$label] a bad command line: its message reaches the output it was started with" \
    grep -q "命令行有误：/speed" "$work/$label-bad.out"
  check "[$label] nothing was written beside the program" test ! -e "$(dirname "$exe")/巧手配置.INI"
}

# --- 生成软件 ----------------------------------------------------------------------------------------------
made() { # label exe main-class script caption-when-open box-caption
  local label=$1 exe=$2 class=$3 script=$4 name=$5 caption=$6
  local made="$work/made-$label/每日.exe" log="$work/$label-made-probe.log"
  mkdir -p "$work/made-$label"
  echo "--- $label: 生成软件 makes a program carrying the script"
  APP_EXE=$exe APP_CLASS=$class
  app_loaded() { title_is "$name"; }
  start_app "$(winpath "$script")" || { fail "[$label-made] the program did not open the script"; return; }
  # The menu's fourth item, after 设置, 帮助 and 关于.
  click_toolbar "$TB_HELP"
  wait_until 5000 menu_shows || fail "[$label-made] no menu"
  xdotool key Down Down Down Down Return
  if tool find "$BOX_CLASS" "生成软件" 15000 >/dev/null; then
    pass "[$label-made] 生成软件 asks where to save"
    xdotool key ctrl+a
    xdotool type --delay 20 "$(winpath "$made")"
    xdotool key Return
    local box
    if box="$(find_box "$caption" 30000)"; then
      check "[$label-made] a box says it was made" grep -q "已生成软件" <<<"$box"
      xdotool key Return
      window_gone "$BOX_CLASS" "$caption" 5000 || fail "[$label-made] the box stays after Enter"
    else
      fail "[$label-made] no box after the save dialog"
    fi
  else
    fail "[$label-made] 生成软件 shows no save dialog"
  fi
  close_app "$label-made"
  check "[$label-made] the program was written" test -s "$made"

  start_probe "$log" 50 50 400 300 || { fail "[$label-made] probe window did not show"; return; }
  RC=0
  timeout 60 wine "$made" /background /repeat 2 > "$work/$label-made.out" 2>&1 || RC=$?
  check "[$label-made] the made program played to the end: exit code 0 (got $RC)" test "$RC" == 0
  check "[$label-made] the probe got two presses" test "$(presses "$log")" == 2
  check "[$label-made] no settings file beside the made program" test ! -e "$work/made-$label/巧手配置.INI"
  stop_probes
}

script_text "$work/script.mkx" "$PROBE_TITLE" "$PROBE_CLASS"
script_text "$work/script.mkx.missing" "没有这个窗口" "NoSuchClass"
edition script "$script_exe" "$MAIN_CLASS" "$work/script.mkx"

event_script "$work/event.mkx" "$PROBE_TITLE" "$PROBE_CLASS"
event_script "$work/event.mkx.missing" "没有这个窗口" "NoSuchClass"
edition event "$event_exe" "$EL_MAIN_CLASS" "$work/event.mkx"

made script "$script_exe" "$MAIN_CLASS" "$work/script.mkx" script 岚榕_迅点小侠
made event "$event_exe" "$EL_MAIN_CLASS" "$work/event.mkx" event 迅点小侠

stop_probes
echo "unattended: $failures failure(s)"
((failures == 0))
