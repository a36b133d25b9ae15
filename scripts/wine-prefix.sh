#!/usr/bin/env bash
# Creates (once) and refreshes the Wine prefix the programs run in: a 1280x800 virtual desktop, Wine's own
# fonts without bold Tahoma, Chinese font fallbacks and 96 DPI. Everything runs under Xvfb and a timeout so a
# stuck wine cannot hang the caller.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
xd_wine_env

mkdir -p "$(dirname "$WINEPREFIX")"
work="$(mktemp -d "${TMPDIR:-/tmp}/xd-wineprefix.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# UTF-16 .reg file: Chinese value names survive whatever locale this shell has.
multi_sz_hex() {
  printf '%s\0\0' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ' ' \
    | sed -e 's/^ //' -e 's/ $//' -e 's/ /,/g'
}
link="$(multi_sz_hex 'wqy-microhei.ttc,WenQuanYi Micro Hei')"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1280x800"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n' "${XD_WINE_DPI:-96}"
  # A crash anywhere (the desktop process too) prints its back trace and ends, instead of a dialog that
  # keeps the crashed process, and whatever waits on it, stopped until a test's time limit.
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in "Microsoft YaHei" "Microsoft YaHei UI" "微软雅黑" "SimSun" "宋体" "NSimSun" "新宋体" \
              "SimHei" "黑体" "KaiTi" "楷体" "FangSong" "仿宋"; do
    printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
  done
  printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
  for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" "Microsoft Sans Serif"; do
    printf '"%s"=hex(7):%s\r\n' "$face" "$link"
  done
} | iconv -f UTF-8 -t UTF-16LE > "$work/body.reg"
printf '\xff\xfe' | cat - "$work/body.reg" > "$work/xundian.reg"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  timeout 180 wine wineboot -i
  timeout 120 wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -u /usr/share/wine/fonts/* "$fonts/"
# Bold Tahoma has no CJK fallback and turns Chinese captions into boxes.
rm -f "$fonts/tahomabd.ttf"
timeout 60 wine regedit /S "$1"
timeout 60 wineserver -w
INNER

t0=$SECONDS
timeout -k 10 400 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/inner.sh" "Z:${work//\//\\}\\xundian.reg"
echo "wine-prefix: ready in $WINEPREFIX ($((SECONDS - t0)) s)"
