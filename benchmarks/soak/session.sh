#!/usr/bin/env bash
# Inside xvfb-run (see run.sh): each edition plays the soak script to its own probe; resources sampled twice.
set -euo pipefail
out="$XD_BENCH_OUT"
export XD_E2E_WINTOOL="$XD_BENCH_WINTOOL" XD_E2E_PROBE="$XD_BENCH_PROBE" XD_E2E_OUT="$out"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../tests/e2e/lib.sh"
source "$here/../common.sh"

readonly wait_ms=12
actions=$((XD_SOAK_SECONDS * 1000 / wait_ms))
clicks=$(((actions + 999) / 1000))
((clicks >= 50)) || clicks=50
runs=$(((actions + clicks - 1) / clicks))
actions=$((clicks * runs))
limit_ms=$((actions * wait_ms * 2 + 60000))
APP_TIMEOUT=$((limit_ms / 1000 + 120))
PROBE_TIMEOUT=$APP_TIMEOUT
# Clicks spread over the probe's client area, each far from the one before (never taken for a double click).
awk -v n="$clicks" -v w="$wait_ms" 'BEGIN {
  for (i = 0; i < n; i++) printf "%d %d %d\n", 20 + (i * 67) % 340, 20 + (i * 41) % 220, w }' > "$out/schedule.txt"
echo "$clicks $runs $wait_ms" > "$out/plan.txt"

# The process's figures from Windows, and from Linux its resident anonymous memory (a Wine process is a Linux
# process whose first argument is the program's path).
rss_anon_kb() {
  local p
  for p in /proc/[0-9]*; do
    if [[ "$(tr '\0' '\n' < "$p/cmdline" 2>/dev/null | head -1)" == "$APP_EXE" ]]; then
      awk '$1 == "RssAnon:" { print $2 }' "$p/status"
      return
    fi
  done
  echo n/a
}
sample() { echo "$(tool resources "$APP_CLASS" "*") rss_anon_kb=$(rss_anon_kb)" >> "$1"; }

set_dpi 96
for edition in script eventlist; do
  log="$out/$edition.log"
  probe "$log"
  if [[ $edition == eventlist ]]; then event_list_script "$out/schedule.txt" "$out/soak.mkx" 0 "$runs"
  else script_edition_script "$out/schedule.txt" "$out/soak.mkx" 0 "$runs"; fi
  start_edition "$edition" "$out/soak.mkx" || exit 1
  press_play
  wait_clicks "$log" "$clicks" 60000 && sample "$out/$edition-resources.txt"
  wait_clicks "$log" $((actions - clicks)) "$limit_ms" && sample "$out/$edition-resources.txt"
  wait_clicks "$log" "$actions" 30000 || echo "soak: $edition: $(clicks_in "$log") of $actions clicks arrived" >&2
  end_edition "soak $edition"
  stop_probes
done
