#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the download as a Windows user gets it. The zip unpacks into one folder with
# the two programs in folders of their own, their help pages and the read-me; each program starts from there with
# nothing else beside it, and keeps its settings file in its own folder.
#   needs XD_E2E_PACKAGE (the zip scripts/package.sh writes) besides what lib.sh needs
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

unpacked="$XD_E2E_OUT/package"
rm -rf "$unpacked"
mkdir -p "$unpacked"
python3 -m zipfile -e "$XD_E2E_PACKAGE" "$unpacked"
top="$unpacked/迅点小侠"
echo "--- the download: $(basename "$XD_E2E_PACKAGE")"
check "[package] the read-me, in UTF-8 with its mark" test "$(head -c 3 "$top/读我.txt" | od -An -tx1 | tr -d ' ')" == efbbbf
for folder in 迅点小侠4 迅点小侠; do
  check "[package] $folder: the program and its help page, nothing else" \
    test "$(cd "$top/$folder" && ls | LC_ALL=C sort | tr "\n" " ")" == "帮助.html $folder.exe "
done

started_alone() { # folder main-class caption
  APP_EXE="$top/$1/$1.exe" APP_CLASS="$2"
  app_loaded() { true; }
  if start_app; then
    check "[package] $1 starts from the unpacked folder" title_is "$3"
    close_app "package-$1"
  else
    fail "[package] $1 does not start from the unpacked folder"
  fi
}
set_dpi 96
started_alone 迅点小侠4 "$MAIN_CLASS" "$APP_TITLE"
started_alone 迅点小侠 "$EL_MAIN_CLASS" "$EL_APP_TITLE"
for folder in 迅点小侠4 迅点小侠; do
  check "[package] $folder keeps 巧手配置.INI in its own folder" test -f "$top/$folder/巧手配置.INI"
done
check "[package] nothing written beside the two folders" test "$(cd "$top" && ls | LC_ALL=C sort | tr "\n" " ")" == "读我.txt 迅点小侠 迅点小侠4 "

if ((failures)); then
  echo "e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e: all checks passed"
