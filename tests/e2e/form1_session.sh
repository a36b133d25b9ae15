#!/usr/bin/env bash
# Runs inside xvfb-run (see run.sh): the checks on Form1 at 96 and at 144 DPI.
set -euo pipefail

CLASS="迅点小侠4_Form1"
TITLE="岚榕_迅点小侠 (64位) 4.0.2"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
field() { sed -n "s/^$1=//p" <<<"$2" | head -1; }

set_dpi() {
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  # A fresh wineserver is what makes the new DPI take effect.
  timeout 30 wineserver -k || true
  timeout 30 wineserver -w || true
}

# One start-inspect-close cycle. Arguments: label, DPI, expected window width and height in screen pixels.
check_form1() {
  local label=$1 dpi=$2 width=$3 height=$4
  echo "--- Form1 at $dpi DPI"
  timeout 90 wine "$XD_E2E_EXE" &
  local pid=$!

  local facts
  if ! facts="$(timeout 60 wine "$XD_E2E_WINTOOL" find "$CLASS" "$TITLE" 30000)"; then
    fail "[$label] no top-level window of class $CLASS titled $TITLE"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return
  fi
  echo "$facts" | sed 's/^/      /'

  [[ "$(field class "$facts")" == "$CLASS" ]] && pass "[$label] class" || fail "[$label] class"
  [[ "$(field title "$facts")" == "$TITLE" ]] && pass "[$label] title" || fail "[$label] title"
  [[ "$(field visible "$facts")" == 1 ]] && pass "[$label] visible" || fail "[$label] not visible"
  [[ "$(field topmost "$facts")" == 1 ]] && pass "[$label] topmost" || fail "[$label] not topmost"
  local size
  size="$(field window "$facts" | sed 's/.*size=//')"
  [[ "$size" == "${width}x${height}" ]] && pass "[$label] window size $size" \
    || fail "[$label] window size $size, expected ${width}x${height}"
  grep -q '^child=Scintilla ' <<<"$facts" && pass "[$label] Scintilla editor child" \
    || fail "[$label] no Scintilla child"

  # Let the first paint settle before the picture.
  sleep 1
  import -window root "$XD_E2E_OUT/$label.png" && pass "[$label] screenshot $XD_E2E_OUT/$label.png" \
    || fail "[$label] screenshot"

  timeout 60 wine "$XD_E2E_WINTOOL" close "$CLASS" "$TITLE" || fail "[$label] could not post WM_CLOSE"
  timeout 60 wine "$XD_E2E_WINTOOL" gone "$CLASS" "$TITLE" 15000 && pass "[$label] window gone after WM_CLOSE" \
    || fail "[$label] window still there after WM_CLOSE"
  local rc=0
  wait "$pid" || rc=$?
  [[ $rc == 0 ]] && pass "[$label] program exited with 0" || fail "[$label] program exit code $rc"
}

trap 'set_dpi 96' EXIT
set_dpi 96
check_form1 form1 96 275 76
# 275 × 1.5 = 412.5 rounds to the even 412.
set_dpi 144
check_form1 form1-144dpi 144 412 114

if ((failures)); then
  echo "e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "e2e: all checks passed"
