#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the crash handler both programs install at start. Each program, started from a
# folder of its own, has a thread faulted from outside and leaves its report in 崩溃报告 beside itself; crasher.exe,
# a small program that links the same handler, throws a C++ exception nothing catches where a file named 崩溃报告
# stands in the folder's way, and leaves its report in the temporary folder. Each time one box names the folder,
# and that folder holds the minidump ("MDMP") and the one line naming the program and its version. Under Wine the
# dump takes 5 to 15 s to write (the box shows after it), so each crash here tests something of its own.
#   needs XD_E2E_CRASHER (crasher.exe), XD_E2E_EXE and XD_E2E_EVENT_EXE besides what lib.sh needs
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly REPORT_FOLDER="崩溃报告"
work="$XD_E2E_OUT/crash"
rm -rf "$work"
mkdir -p "$work"

# Checks on what report_shown() found; bash lets them see its locals.
report_beside() { [[ $unix -ef "$dir/$REPORT_FOLDER" ]]; }
report_in_temp() { [[ $folder == *"\\Temp\\$REPORT_FOLDER" ]] && ! report_beside; }
names_by_time() {
  [[ $dump =~ ^${name}_[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}\.dmp$ && $line == "${dump%.dmp}.txt" ]]
}
text_line_right() {
  [[ $(wc -l <"$unix/$line") == 1 && $(head -c 3 "$unix/$line" | od -An -tx1 | tr -d ' ') == efbbbf &&
     $text == *"$name $version"*" 崩溃于 "*"异常代码 $code，位置 $place"* ]]
}

# After a crash of process pid, started from dir: the box, dismissed with Enter, and the report in the folder it
# names. name is the program's (the box's caption), version what its line must name (a prefix of it will do).
report_shown() { # label pid dir name version exception-code place beside|temp
  local label=$1 pid=$2 dir=$3 name=$4 version=$5 code=$6 place=$7 where=$8 box folder dump line unix text rc=0
  if ! box="$(find_box "$name" 30000)"; then
    fail "[$label] no box after the crash"
    kill "$pid" 2>/dev/null || true
    return
  fi
  box="$(tr -d '\r' <<<"$box")"
  snap "$XD_E2E_OUT/$label-box.png"
  # The folder stands on the line after "错误报告已保存在文件夹：", the files' names on the indented lines below.
  folder="$(sed -n '/错误报告已保存在文件夹：/{n;p;q}' <<<"$box")"
  dump="$(sed -n 's/^ *\(.*\.dmp\)$/\1/p' <<<"$box")"
  line="$(sed -n 's/^ *\(.*\.txt\)$/\1/p' <<<"$box")"
  xdotool key Return
  check_within "[$label] the box goes on Enter" 10000 eval '! box_shows "$name"'
  wait "$pid" || rc=$?
  check "[$label] the process ended with a failure code ($rc)" test "$rc" -ne 0

  if [[ -z $folder ]]; then
    fail "[$label] the box names no folder:"
    sed 's/^/      /' <<<"$box"
    return
  fi
  unix="$(timeout 30 wine winepath -u "$folder" 2>/dev/null | tr -d '\r')"
  echo "      report in $folder ($unix)"
  case $where in
    beside) check "[$label] the report is in $REPORT_FOLDER beside the program" report_beside ;;
    temp) check "[$label] the report is in $REPORT_FOLDER in the temporary folder" report_in_temp ;;
  esac
  check "[$label] the box names the dump and the text by program and time" names_by_time
  check "[$label] the dump is a minidump" test "$(head -c 4 "$unix/$dump" 2>/dev/null)" == MDMP
  text="$(cat "$unix/$line" 2>/dev/null || true)"
  echo "      $text"
  check "[$label] the text is one UTF-8 line with its mark, naming program, version, code and place" text_line_right
  # The temporary folder outlives the run; a report left there would be read again next time.
  if [[ $where == temp ]]; then rm -rf "$unix"; fi
}

# crasher.exe, from a folder of its own.
crasher_crashes() { # label how exception-code beside|temp
  local dir="$work/$1"
  mkdir -p "$dir"
  cp "$XD_E2E_CRASHER" "$dir/"
  if [[ $4 == temp ]]; then : >"$dir/$REPORT_FOLDER"; fi
  timeout 60 wine "$dir/crasher.exe" "$2" &
  report_shown "$1" $! "$dir" "崩溃测试" "1.2.3.4" "$3" "crasher.exe+0x" "$4"
  if [[ $4 == temp ]]; then
    check "[$1] the file in the folder's way is left as it was" test -f "$dir/$REPORT_FOLDER"
  fi
}
crasher_crashes crash-throw throw 0xE0005844 temp

# A program, from a folder of its own, with a thread started in it at address 0.
program_crashes() { # label exe main-class name title
  local dir="$work/$1"
  mkdir -p "$dir"
  cp "$2" "$dir/"
  APP_EXE="$dir/${2##*/}" APP_CLASS="$3"
  app_loaded() { true; }
  if ! start_app; then
    fail "[$1] the program does not start"
    return
  fi
  if ! timeout 60 wine "$XD_E2E_CRASHER" remote "$3"; then
    fail "[$1] no thread could be started in it"
    close_app "$1"
    return
  fi
  report_shown "$1" "$APP_PID" "$dir" "$4" "${5##* }." 0xC0000005 0x0000000000000000 beside
}
program_crashes crash-script-edition "$XD_E2E_EXE" "$MAIN_CLASS" 迅点小侠4 "$APP_TITLE"
program_crashes crash-event-list "$XD_E2E_EVENT_EXE" "$EL_MAIN_CLASS" 迅点小侠 "$EL_APP_TITLE"

# Unattended (/play), a crash still leaves its report beside the program, but no box holds a scheduled run.
quiet_crash() {
  local dir="$work/crash-quiet" pid rc=0 boxed=0
  mkdir -p "$dir"
  cp "$XD_E2E_EXE" "$dir/"
  # Its window never shows: the program waits for it, alive, until the crash.
  { printf '\xef\xbb\xbf'
    printf '%s\r\n' "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改" '目标窗口("没有这个窗口","NoSuchClass","0")' \
      "鼠标点击(1,120,45,1,300)"
  } > "$dir/wait.mkx"
  timeout 90 wine "$dir/${XD_E2E_EXE##*/}" /play "$(winpath "$dir/wait.mkx")" /wait 60 &
  pid=$!
  if ! wait_until 30000 timeout 20 wine "$XD_E2E_CRASHER" remote "$MAIN_CLASS"; then
    fail "[crash-quiet] no thread could be started in the unattended program"
    kill "$pid" 2>/dev/null || true
    return
  fi
  while kill -0 "$pid" 2>/dev/null; do
    box_shows 迅点小侠4 && boxed=1
    sleep 0.3
  done
  wait "$pid" || rc=$?
  check "[crash-quiet] the unattended program ended on its own with a failure code ($rc)" \
    eval '[[ $rc -ne 0 && $rc -ne 124 ]]'
  check "[crash-quiet] no box was shown" test "$boxed" == 0
  check "[crash-quiet] its report is beside it" eval 'ls "$dir/$REPORT_FOLDER"/*.dmp >/dev/null 2>&1'
}
quiet_crash

if ((failures)); then
  echo "e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e: all checks passed"
