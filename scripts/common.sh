# Shared paths and helpers for the scripts in this folder; sourced, never run.
XD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
XD_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/xundian"
XD_SCINTILLA_VERSION=5.3.3
XD_SCINTILLA_DIR="$XD_CACHE/scintilla-$XD_SCINTILLA_VERSION"
# A session may keep its own prefix (two Wine sessions on one prefix share a wineserver and desktop).
XD_WINEPREFIX="${XD_WINEPREFIX:-$XD_CACHE/wineprefix}"
XD_JOBS="$(nproc 2>/dev/null || echo 2)"

# Every wine call goes through these: a prefix of ours, no debug noise, no Mono/Gecko install prompts.
xd_wine_env() {
  export WINEPREFIX="$XD_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # A Chinese system: ANSI code page 936 for GBK names, UTF-8 file names on the Linux side.
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

xd_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

# Runs one named stage and records how long it took, so slow stages show up in every log.
XD_TIMINGS=()
xd_stage() {
  local name=$1; shift
  local t0=$SECONDS
  xd_log "== $name"
  "$@"
  local dt=$((SECONDS - t0))
  XD_TIMINGS+=("$(printf '%-28s %4d s' "$name" "$dt")")
  xd_log "== $name done in ${dt} s"
}

xd_print_timings() {
  printf '\nStage timings:\n' >&2
  printf '  %s\n' "${XD_TIMINGS[@]}" >&2
}
