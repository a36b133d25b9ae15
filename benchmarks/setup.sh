# Shared by the timing and soak run scripts (outside xvfb-run): the Wine environment, the programs of a Windows
# build and a fresh output folder. Sourced, never run.
#   bench_setup <name> <windows-build-dir> <output-dir>
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
xd_wine_env

bench_setup() {
  export XD_BENCH_SCRIPT_EXE="$2/programs/script_edition/迅点小侠4.exe"
  export XD_BENCH_EVENT_EXE="$2/programs/event_list/迅点小侠.exe"
  export XD_BENCH_WINTOOL="$2/tests/e2e/wintool.exe"
  export XD_BENCH_PROBE="$2/tests/e2e/probe/probe.exe"
  export XD_BENCH_OUT="$3"
  local f
  for f in "$XD_BENCH_SCRIPT_EXE" "$XD_BENCH_EVENT_EXE" "$XD_BENCH_WINTOOL" "$XD_BENCH_PROBE"; do
    [[ -f "$f" ]] || { echo "$1: missing $f (run scripts/build.sh windows)" >&2; exit 1; }
  done
  [[ -f "$WINEPREFIX/system.reg" ]] || { echo "$1: no Wine prefix (run scripts/wine-prefix.sh)" >&2; exit 1; }
  rm -rf "$XD_BENCH_OUT"
  mkdir -p "$XD_BENCH_OUT"
}
