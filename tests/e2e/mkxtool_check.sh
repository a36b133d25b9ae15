#!/usr/bin/env bash
# mkxtool.exe under Wine: a GBK script and a UTF-16 script in a folder with a Chinese name
# and a blank check the same way as natively, and a damaged file is refused with exit code 2.
#   tests/e2e/mkxtool_check.sh MKXTOOL_EXE
set -euo pipefail
exe=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/脚本 检查.XXXXXX")
trap 'rm -rf "$dir"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
check_file() {  # name expected-exit expected-stdout file
  local out rc=0
  out=$(timeout 60 wine "$exe" check "$4" 2>/dev/null | tr -d '\r') || rc=$?
  if [[ $rc == "$2" && $out == "$3" ]]; then pass "[mkxtool] $1"; else
    fail "[mkxtool] $1: exit $rc, output:"; printf '%s\n' "$out"; fi
}

script=$'\'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改\r\n配置.执行速度=2.5\r\n配置.执行次数=3\r\n目标窗口("记事本","Notepad","0")\r\n鼠标点击(1,120,45,1,800)'
printf '%s' "$script" | iconv -f UTF-8 -t GBK > "$dir/gbk.mkx"
{ printf '\xff\xfe'; printf '%s' "$script" | iconv -f UTF-8 -t UTF-16LE; } > "$dir/utf16.mkx"
printf 'too short' > "$dir/short.mkx"

members=$'执行次数=3\n执行速度=2.5\n前台模式=0\n点击效果=1\n虚拟鼠标=1\n开始位置=1\n移动鼠标=1\n随机偏移=0'
check_file "GBK script" 0 "$members" "$dir/gbk.mkx"
check_file "UTF-16LE script" 0 "$members" "$dir/utf16.mkx"
short_win=$(winepath -w "$dir/short.mkx" 2>/dev/null)
check_file "damaged file" 2 $'脚本文件损坏\n'"$short_win" "$short_win"
((failures == 0))
