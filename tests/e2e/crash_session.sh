#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the crash handler both programs install at start, shown with crasher.exe, a
# small program that links the same handler and crashes on purpose (the programs have no way to crash on
# request). A fault leaves its report in 崩溃报告 beside the program; where a file of that name stands in the
# folder's way, an uncaught C++ exception leaves it in the temporary folder. Each time one box names the folder,
# and that folder holds the minidump ("MDMP") and the one line naming the program and its version.
#   needs XD_E2E_CRASHER (crasher.exe) besides what lib.sh needs
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# What crasher.exe calls itself when it installs the handler.
readonly CRASH_NAME="崩溃测试" CRASH_VERSION="1.2.3.4"
readonly REPORT_FOLDER="崩溃报告"

work="$XD_E2E_OUT/crash"
rm -rf "$work"
mkdir -p "$work/beside" "$work/blocked"
cp "$XD_E2E_CRASHER" "$work/beside/"
cp "$XD_E2E_CRASHER" "$work/blocked/"
: >"$work/blocked/$REPORT_FOLDER"

# Checks on what crashed() found; bash lets them see its locals.
report_in_temp() { [[ $folder == *"\\Temp\\$REPORT_FOLDER" ]] && ! [[ $unix -ef "$dir/$REPORT_FOLDER" ]]; }
names_by_time() {
  [[ $dump =~ ^${CRASH_NAME}_[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}\.dmp$ && $line == "${dump%.dmp}.txt" ]]
}
text_line_right() {
  [[ $(wc -l <"$unix/$line") == 1 && $(head -c 3 "$unix/$line" | od -An -tx1 | tr -d ' ') == efbbbf &&
     $text == *"$CRASH_NAME $CRASH_VERSION 崩溃于 "*"异常代码 $code，位置 crasher.exe+0x"* ]]
}

crashed() { # label folder how exception-code where
  local label=$1 dir=$2 how=$3 code=$4 where=$5 pid box folder rc=0
  timeout 60 wine "$dir/crasher.exe" "$how" &
  pid=$!
  if ! box="$(find_box "$CRASH_NAME" 30000)"; then
    fail "[$label] no box after the crash"
    kill "$pid" 2>/dev/null || true
    return
  fi
  box="$(tr -d '\r' <<<"$box")"
  snap "$XD_E2E_OUT/$label-box.png"
  # The folder stands on the line after "错误报告已保存在文件夹：", the files' names on the indented lines below.
  folder="$(sed -n '/错误报告已保存在文件夹：/{n;p;q}' <<<"$box")"
  local dump line unix text
  dump="$(sed -n 's/^ *\(.*\.dmp\)$/\1/p' <<<"$box")"
  line="$(sed -n 's/^ *\(.*\.txt\)$/\1/p' <<<"$box")"
  xdotool key Return
  check_within "[$label] the box goes on Enter" 10000 eval '! box_shows "$CRASH_NAME"'
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
    beside) check "[$label] the report is in $REPORT_FOLDER beside the program" test "$unix" -ef "$dir/$REPORT_FOLDER" ;;
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

crashed crash-fault "$work/beside" fault 0xC0000005 beside
crashed crash-throw "$work/blocked" throw 0xE0005844 temp
check "[crash-throw] the file in the folder's way is left as it was" test -f "$work/blocked/$REPORT_FOLDER"

if ((failures)); then
  echo "e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e: all checks passed"
