#!/usr/bin/env bash
# Builds the download for Windows users: dist/xundian-windows-x64.zip, one folder 迅点小侠 holding each program in a
# folder of its own (each keeps its settings in 巧手配置.INI beside itself, with its own defaults, so the two must
# not share a folder) with its help page, the command-line checker mkxtool.exe (it serves both editions' scripts,
# so it stands above their folders), a short read-me, and SHA256SUMS.txt with the hash of every other file in the
# zip. The programs link only system DLLs; this script refuses to package one that would need anything else. It
# prints the zip's own SHA-256 last, for the page the zip is offered on.
#   package.sh [windows-build-dir]        (after scripts/build.sh windows)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build="${1:-$XD_ROOT/build/windows}"
dist="$XD_ROOT/dist"
stage="$dist/stage"
top="$stage/迅点小侠"
zip="$dist/xundian-windows-x64.zip"
strip_tool=x86_64-w64-mingw32-strip
objdump_tool=x86_64-w64-mingw32-objdump

# program folder, exe in the build, help page
programs=(
  "迅点小侠4|$build/programs/script_edition/迅点小侠4.exe|$XD_ROOT/programs/resources/help/script_edition.html"
  "迅点小侠|$build/programs/event_list/迅点小侠.exe|$XD_ROOT/programs/resources/help/event_list.html"
)
mkxtool="$build/programs/mkxtool/mkxtool.exe"

# What Windows itself provides; a MinGW runtime DLL (libstdc++, libgcc, winpthread) here would be missing on a
# user's machine.
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|gdiplus|imm32|kernel32|msimg32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|winmm|uxtheme|version)\.dll$'

pack_exe() { # exe folder-in-stage
  [[ -f "$1" ]] || { echo "package: missing $1 (run scripts/build.sh windows)" >&2; exit 1; }
  mkdir -p "$2"
  "$strip_tool" -o "$2/$(basename "$1")" "$1"
  while read -r dll; do
    if ! grep -qiE "$system_dlls" <<<"$dll"; then
      echo "package: $(basename "$1") needs $dll, which Windows does not have" >&2
      exit 1
    fi
  done < <("$objdump_tool" -p "$1" | sed -n 's/^\s*DLL Name: //p')
}

rm -rf "$stage" "$zip"
mkdir -p "$top"
for entry in "${programs[@]}"; do
  IFS='|' read -r folder exe help <<<"$entry"
  pack_exe "$exe" "$top/$folder"
  cp "$help" "$top/$folder/帮助.html"
done
pack_exe "$mkxtool" "$top"

# Notepad reads UTF-8 with a BOM on every Windows version the programs run on; CR LF for the same reason.
{
  printf '\xef\xbb\xbf'
  sed 's/$/\r/' <<'EOF'
迅点小侠 —— 录制并回放鼠标操作

本压缩包有两个独立的程序，解压到任意文件夹即可使用，不需要安装，也不需要其他文件：

  迅点小侠4\迅点小侠4.exe   脚本版：把每个手势（单击、拖动、滚轮）写成一行中文脚本，可以阅读、修改后再回放。
  迅点小侠\迅点小侠.exe     事件列表版：保留每一个鼠标事件，按手势分组显示，可以逐条修改。

常用按键（可在“设置”中改为 F1–F12 的其他键）：
  F3   开始或停止录制
  F2   开始或停止回放
  Esc  停止录制或回放

回放有两种模式：前台模式移动真实的鼠标指针；后台模式把鼠标消息发给目标窗口，回放时您仍可使用鼠标。

每个程序把设置保存在它旁边的“巧手配置.INI”里，两个程序的默认设置不同，所以请让它们各留在自己的文件夹中。
脚本保存为 .mkx 文件；两个程序的 .mkx 格式不同，各自只打开自己的脚本。

如果目标软件以管理员身份运行，普通权限的程序无法向它发送鼠标操作，请以管理员身份运行本程序。

mkxtool.exe 是命令行工具：“mkxtool check 脚本.mkx”检查迅点小侠4 的脚本，“mkxtool dump 脚本.mkx”把迅点小侠的脚本显示为文字。
SHA256SUMS.txt 列出包中其他每个文件的 SHA-256 校验值（可以在 PowerShell 中用 Get-FileHash 计算后对照），
用来确认文件完整、没有被改动。

程序意外崩溃时，会在它旁边的“崩溃报告”文件夹（不能写入时在临时文件夹）留下错误报告，并提示保存的位置；
程序不会自动发送任何内容，您可以自行决定是否把报告发给作者。

详细说明见各程序文件夹中的“帮助.html”，或程序菜单中的“帮助”。
EOF
} >"$top/读我.txt"

# sha256sum's own format, so `sha256sum -c 迅点小侠/SHA256SUMS.txt` checks an unpacked copy; names are UTF-8 as in the
# zip, and the list leaves out only itself.
(cd "$stage" && find 迅点小侠 -type f | LC_ALL=C sort | xargs -d '\n' sha256sum) >"$stage/SHA256SUMS.txt"
mv "$stage/SHA256SUMS.txt" "$top/SHA256SUMS.txt"

# Python's zip writer marks non-ASCII names as UTF-8 (general-purpose flag bit 11), which Windows' own unzip reads.
(cd "$stage" && python3 - "$zip" <<'EOF'
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for root, dirs, files in os.walk("迅点小侠"):
        dirs.sort()
        for name in sorted(files):
            z.write(os.path.join(root, name))
EOF
)
rm -rf "$stage"
python3 -m zipfile -l "$zip"
echo "package: $zip ($(du -k "$zip" | cut -f1) KB)"
echo "package: SHA-256 $(sha256sum "$zip" | cut -d' ' -f1)"
