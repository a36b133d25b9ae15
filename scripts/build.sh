#!/usr/bin/env bash
# Configures and builds the native core (build/native) and the Windows programs (build/windows).
#   build.sh [native|windows|all]   (default all)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

what="${1:-all}"
build_type="${XD_BUILD_TYPE:-RelWithDebInfo}"

build_native() {
  cmake -S "$XD_ROOT" -B "$XD_ROOT/build/native" -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
  cmake --build "$XD_ROOT/build/native" -j"$XD_JOBS"
}

build_windows() {
  cmake -S "$XD_ROOT" -B "$XD_ROOT/build/windows" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$XD_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DXD_SCINTILLA_DIR="$XD_SCINTILLA_DIR" >/dev/null
  cmake --build "$XD_ROOT/build/windows" -j"$XD_JOBS"
}

case "$what" in
  native) build_native ;;
  windows) build_windows ;;
  all) build_native; build_windows ;;
  *) echo "usage: $0 [native|windows|all]" >&2; exit 2 ;;
esac
