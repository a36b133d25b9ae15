#!/usr/bin/env bash
# Sets everything up, builds the Windows programs and starts one of them under Wine: on this session's display
# when there is one, otherwise on a virtual screen (with a screenshot to look at).
#   start.sh               the script edition, 迅点小侠4
#   start.sh event-list    the event-list edition, 迅点小侠
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
here="$XD_ROOT/scripts"

case "${1:-script}" in
  script) exe="$XD_ROOT/build/windows/programs/script_edition/迅点小侠4.exe" ;;
  event-list) exe="$XD_ROOT/build/windows/programs/event_list/迅点小侠.exe" ;;
  *) echo "usage: $0 [script|event-list]" >&2; exit 2 ;;
esac

xd_stage "install-deps" bash "$here/install-deps.sh"
xd_stage "fetch-scintilla" bash "$here/fetch-scintilla.sh"
xd_stage "build windows" bash "$here/build.sh" windows
xd_stage "wine prefix" bash "$here/wine-prefix.sh"
xd_print_timings

xd_wine_env
# Chinese paths reach Wine through argv.
export LC_ALL=C.UTF-8
if [[ -n "${DISPLAY:-}" ]]; then
  xd_log "starting $exe on $DISPLAY"
  exec wine "$exe"
fi

shot="$XD_ROOT/build/start.png"
xd_log "no DISPLAY: running on a virtual 1280x800 screen; a screenshot goes to $shot. Ctrl-C stops it."
exec xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  wine "$1" & pid=$!
  sleep 8
  import -window root "$2" && echo "screenshot: $2"
  wait "$pid"' _ "$exe" "$shot"
