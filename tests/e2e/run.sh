#!/usr/bin/env bash
# End-to-end smoke test of the script edition's main window: starts 迅点小侠4.exe under Wine on a virtual
# X screen, inspects its window from another process, takes a screenshot, closes it and checks it exited.
#   tests/e2e/run.sh [windows-build-dir]     screenshots go to build/e2e/
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/common.sh"
xd_wine_env

build="${1:-$XD_ROOT/build/windows}"
export XD_E2E_EXE="$build/programs/script_edition/迅点小侠4.exe"
export XD_E2E_WINTOOL="$build/tests/e2e/wintool.exe"
export XD_E2E_OUT="$XD_ROOT/build/e2e"
for f in "$XD_E2E_EXE" "$XD_E2E_WINTOOL"; do
  [[ -f "$f" ]] || { echo "e2e: missing $f (run scripts/build.sh windows)" >&2; exit 1; }
done
[[ -f "$WINEPREFIX/system.reg" ]] || { echo "e2e: no Wine prefix (run scripts/wine-prefix.sh)" >&2; exit 1; }
mkdir -p "$XD_E2E_OUT"

timeout -k 10 420 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/form1_session.sh"
timeout -k 10 240 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/settings_session.sh"

# Playback to probe.exe, a window that logs every mouse message it receives.
export XD_E2E_PROBE="$build/tests/e2e/probe/probe.exe"
[[ -f "$XD_E2E_PROBE" ]] || { echo "e2e: missing $XD_E2E_PROBE (run scripts/build.sh windows)" >&2; exit 1; }
timeout -k 10 240 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/playback_session.sh"
# Recording with F3 over two probes, then the recorded script played back to one of them.
timeout -k 10 180 xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/recording_session.sh"

# The command-line checker needs no display.
timeout -k 10 240 bash "$here/mkxtool_check.sh" "$build/programs/mkxtool/mkxtool.exe"
