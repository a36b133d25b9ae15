#!/usr/bin/env bash
# End-to-end tests of both programs: starts 迅点小侠4.exe and 迅点小侠.exe under Wine on a virtual
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

# Every session runs even when one before it failed; the run fails at the end if any did.
failed=()
session() { # name time-limit command...
  local name=$1 limit=$2 t0=$SECONDS rc=0
  shift 2
  timeout -k 10 "$limit" "$@" || rc=$?
  echo "e2e: $name took $((SECONDS - t0)) s$( ((rc == 0)) || echo ", exit $rc")"
  ((rc == 0)) || failed+=("$name")
}
screen=(xvfb-run -a -s "-screen 0 1280x800x24" bash)

t0=$SECONDS
session form1 420 "${screen[@]}" "$here/form1_session.sh"
session settings 240 "${screen[@]}" "$here/settings_session.sh"
# Playback to probe.exe, a window that logs every mouse message it receives.
export XD_E2E_PROBE="$build/tests/e2e/probe/probe.exe"
[[ -f "$XD_E2E_PROBE" ]] || { echo "e2e: missing $XD_E2E_PROBE (run scripts/build.sh windows)" >&2; exit 1; }
session playback 240 "${screen[@]}" "$here/playback_session.sh"
# Recording with F3 over two probes, then the recorded script played back to one of them.
session recording 180 "${screen[@]}" "$here/recording_session.sh"
# 迅点小侠, the event-list edition: its main window, scripts from the command line, Save, the save prompt, the
# settings dialog, recording and playback over the probe, group editing and the missing-window box.
export XD_E2E_EVENT_EXE="$build/programs/event_list/迅点小侠.exe"
export XD_E2E_MKXTOOL="$build/programs/mkxtool/mkxtool.exe"
[[ -f "$XD_E2E_EVENT_EXE" ]] || { echo "e2e: missing $XD_E2E_EVENT_EXE (run scripts/build.sh windows)" >&2; exit 1; }
session event-list 300 "${screen[@]}" "$here/event_list_session.sh"
# 录制键盘 in both editions: typing into the probe's edit control recorded, then played in both modes.
session keyboard 240 "${screen[@]}" "$here/keyboard_session.sh"
# /play in both editions: a script played to the probe with its log, the exit codes, no box, no settings file.
session unattended 120 "${screen[@]}" "$here/unattended_session.sh"
# The crash handler both programs install: crasher.exe links it and crashes on purpose; its report and box.
export XD_E2E_CRASHER="$build/tests/e2e/crasher.exe"
[[ -f "$XD_E2E_CRASHER" ]] || { echo "e2e: missing $XD_E2E_CRASHER (run scripts/build.sh windows)" >&2; exit 1; }
session crash 90 "${screen[@]}" "$here/crash_session.sh"
# The download: packed from this build, unpacked, and each program started from its own folder.
if bash "$here/../../scripts/package.sh" "$build" >"$XD_E2E_OUT/package.txt"; then
  XD_E2E_PACKAGE="$XD_ROOT/dist/xundian-windows-x64.zip" session package 180 "${screen[@]}" "$here/package_session.sh"
else
  echo "e2e: scripts/package.sh failed:" >&2
  cat "$XD_E2E_OUT/package.txt" >&2
  failed+=(package)
fi
# The command-line checker needs no display.
session mkxtool 240 bash "$here/mkxtool_check.sh" "$build/programs/mkxtool/mkxtool.exe"

echo "e2e: all sessions took $((SECONDS - t0)) s"
if ((${#failed[@]})); then
  echo "e2e: failed sessions: ${failed[*]}" >&2
  exit 1
fi
