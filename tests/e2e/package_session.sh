#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the download as a Windows user gets it. The zip unpacks into one folder with
# the two programs in folders of their own, their help pages, mkxtool.exe, the read-me and the list of hashes,
# which holds every other file's; each .exe carries its version resource; each program starts from there with
# nothing else beside it, and keeps its settings file in its own folder.
#   needs XD_E2E_PACKAGE (the zip scripts/package.sh writes) besides what lib.sh needs; reads what package.sh
#   printed from $XD_E2E_OUT/package.txt when it is there
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

unpacked="$XD_E2E_OUT/package"
rm -rf "$unpacked"
mkdir -p "$unpacked"
python3 -m zipfile -e "$XD_E2E_PACKAGE" "$unpacked"
top="$unpacked/迅点小侠"
echo "--- the download: $(basename "$XD_E2E_PACKAGE")"
check "[package] the read-me, in UTF-8 with its mark" test "$(head -c 3 "$top/读我.txt" | od -An -tx1 | tr -d ' ')" == efbbbf
readonly TOP_FILES="SHA256SUMS.txt mkxtool.exe 读我.txt 迅点小侠 迅点小侠4 "
check "[package] the read-me, the checker, the hashes and the two program folders" \
  test "$(cd "$top" && ls | LC_ALL=C sort | tr "\n" " ")" == "$TOP_FILES"
for folder in 迅点小侠4 迅点小侠; do
  check "[package] $folder: the program and its help page, nothing else" \
    test "$(cd "$top" && ls "$folder" | LC_ALL=C sort | tr "\n" " ")" == "帮助.html $folder.exe "
done

# The hashes: every file but the list itself, each as it was packed; and the zip's own as package.sh printed it.
sums="$top/SHA256SUMS.txt"
lists_every_other_file() {
  local listed packed
  listed="$(sed 's/^[0-9a-f]\{64\}  //' "$sums" | LC_ALL=C sort)"
  packed="$(cd "$unpacked" && find 迅点小侠 -type f ! -path 迅点小侠/SHA256SUMS.txt | LC_ALL=C sort)"
  [[ -n $listed && $listed == "$packed" ]]
}
hashes_match() { (cd "$unpacked" && sha256sum --quiet --strict -c "$sums"); }
# No byte-order mark: sha256sum -c would take it for part of the first hash.
plain_utf8() { iconv -f UTF-8 -t UTF-8 "$1" >/dev/null && [[ $(head -c 3 "$1" | od -An -tx1 | tr -d ' ') != efbbbf ]]; }
check "[package] SHA256SUMS.txt lists every other file of the zip, by its path there" lists_every_other_file
check "[package] every file matches its hash" hashes_match
check "[package] SHA256SUMS.txt is UTF-8 without a mark" plain_utf8 "$sums"
if [[ -f $XD_E2E_OUT/package.txt ]]; then
  check "[package] package.sh printed the zip's SHA-256" \
    grep -qx "package: SHA-256 $(sha256sum "$XD_E2E_PACKAGE" | cut -d' ' -f1)" "$XD_E2E_OUT/package.txt"
fi

# Version resources, as Explorer's Properties shows them: the strings a user reads, the file version both as text
# and in the fixed part Explorer takes the number from, and for the programs the version their titles show.
pe_version="$(dirname "${BASH_SOURCE[0]}")/pe_version.py"
copyrights=()
is_same() { [[ -n $1 && $1 == "$2" ]]; }
version_of() { # exe-in-zip [version-its-title-shows]
  local facts name=${1##*/}
  if ! facts="$(python3 "$pe_version" "$top/$1")"; then
    fail "[package] $1 has no readable version resource"
    return
  fi
  sed 's/^/      /' <<<"$facts"
  check "[package] $1: product name" test "$(field ProductName "$facts")" == "岚榕_迅点小侠"
  check "[package] $1: its own file name" test "$(field OriginalFilename "$facts")" == "$name"
  check "[package] $1: a description" test -n "$(field FileDescription "$facts")"
  check "[package] $1: the file version as text is the fixed one" \
    is_same "$(field FileVersion "$facts")" "$(field fixed.FileVersion "$facts")"
  if [[ -n ${2:-} ]]; then
    check "[package] $1: the file version is the one its title shows ($2)" \
      is_same "$(field FileVersion "$facts" | cut -d. -f1-3)" "$2"
  fi
  copyrights+=("$(field LegalCopyright "$facts")")
}
version_of 迅点小侠4/迅点小侠4.exe "${APP_TITLE##* }"
version_of 迅点小侠/迅点小侠.exe "${EL_APP_TITLE##* }"
version_of mkxtool.exe
one_copyright() {
  [[ ${#copyrights[@]} == 3 && ${copyrights[0]} == "Copyright "* ]] &&
    is_same "${copyrights[1]}" "${copyrights[0]}" && is_same "${copyrights[2]}" "${copyrights[0]}"
}
check "[package] one copyright line of the project in all three" one_copyright

# The packed checker runs from the unpacked folder (stripped as it was for the zip). Script files are UTF-8 with
# their mark, as the script edition saves them.
printf "\xef\xbb\xbf'岚榕迅点小侠脚本，版本：4.0.2\r\n目标窗口(\"记事本\",\"Notepad\",\"0\")\r\n鼠标点击(1,2,3,1,5)" \
  >"$XD_E2E_OUT/package-check.mkx"
packed_checker_runs() {
  timeout 60 wine "$top/mkxtool.exe" check "$(winpath "$XD_E2E_OUT/package-check.mkx")" 2>/dev/null | grep -q '^执行次数='
}
check "[package] mkxtool.exe checks a script from the unpacked folder" packed_checker_runs

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
check "[package] nothing written beside the two folders" test "$(cd "$top" && ls | LC_ALL=C sort | tr "\n" " ")" == "$TOP_FILES"

if ((failures)); then
  echo "e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e: all checks passed"
