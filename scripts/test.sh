#!/usr/bin/env bash
# Sets everything up and runs every test: native unit tests, a bounded fuzzing pass over each fuzz target,
# and the end-to-end tests of the Windows programs under Wine. Prints how long each stage took.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
here="$XD_ROOT/scripts"
fuzz_seconds="${XD_FUZZ_SECONDS:-20}"
trap xd_print_timings EXIT

# The full ctest log stays in the build folder; the console gets the summary, or the failures.
native_tests() {
  local log="$XD_ROOT/build/native/ctest.log"
  if ctest --test-dir "$XD_ROOT/build/native" --output-on-failure -j"$XD_JOBS" >"$log" 2>&1; then
    grep -E 'tests passed|Total Test time' "$log"
  else
    grep -vE '^ *(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)' "$log" | tail -n 200
    return 1
  fi
}

fuzz_build() {
  local dir="$XD_ROOT/build/fuzz"
  CC=clang CXX=clang++ cmake -S "$XD_ROOT" -B "$dir" -DXD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  # Only the fuzz targets: the rest of this tree is already built and tested natively.
  local targets
  targets=$(cmake --build "$dir" --target help | sed -n 's/^\.\.\. \(fuzz_[A-Za-z0-9_]*\).*/\1/p' | sort -u)
  if [[ -z "$targets" ]]; then
    echo "no fuzz targets defined"
    return
  fi
  # shellcheck disable=SC2086
  cmake --build "$dir" -j"$XD_JOBS" --target $targets
}

# Runs one fuzz target for a bounded time; new inputs go into a corpus kept in the build folder, crashes
# into artifacts/ (and fail the run).
fuzz_one() {
  local exe=$1 name
  name=$(basename "$exe")
  local corpus="$XD_ROOT/build/fuzz/corpus/$name" artifacts="$XD_ROOT/build/fuzz/artifacts"
  mkdir -p "$corpus" "$artifacts"
  local seeds=()
  while IFS= read -r d; do seeds+=("$d"); done < <(find "$XD_ROOT/fuzz" -type d \
    \( -path "*/corpus/$name" -o -path "*/seeds/$name" \) 2>/dev/null)
  if "$exe" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
       -artifact_prefix="$artifacts/$name-" "$corpus" "${seeds[@]}" >"$XD_ROOT/build/fuzz/$name.log" 2>&1; then
    echo "fuzz: $name ran ${fuzz_seconds} s without a finding"
  else
    echo "fuzz: $name FOUND A PROBLEM (log: build/fuzz/$name.log)" >&2
    tail -n 40 "$XD_ROOT/build/fuzz/$name.log" >&2
    return 1
  fi
}

fuzz_run() {
  local exes=() failed=0 pids=()
  while IFS= read -r f; do exes+=("$f"); done < <(find "$XD_ROOT/build/fuzz" -type f -perm -u+x -name 'fuzz_*' \
    -not -path '*/CMakeFiles/*' | sort)
  if ((${#exes[@]} == 0)); then
    echo "no fuzz executables found"
    return
  fi
  # As many at a time as there are cores.
  for exe in "${exes[@]}"; do
    fuzz_one "$exe" &
    pids+=($!)
    if ((${#pids[@]} >= XD_JOBS)); then
      wait "${pids[0]}" || failed=1
      pids=("${pids[@]:1}")
    fi
  done
  for p in "${pids[@]}"; do wait "$p" || failed=1; done
  return "$failed"
}

xd_stage "install-deps" bash "$here/install-deps.sh"
xd_stage "fetch-scintilla" bash "$here/fetch-scintilla.sh"
xd_stage "build native" bash "$here/build.sh" native
xd_stage "build windows" bash "$here/build.sh" windows
xd_stage "native tests (ctest)" native_tests
xd_stage "fuzz build (clang)" fuzz_build
xd_stage "fuzz run" fuzz_run
xd_stage "wine prefix" bash "$here/wine-prefix.sh"
xd_stage "e2e under Wine" bash "$XD_ROOT/tests/e2e/run.sh" "$XD_ROOT/build/windows"
xd_log "all tests passed"
