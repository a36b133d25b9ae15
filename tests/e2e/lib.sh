# Shared helpers of the end-to-end sessions; sourced, never run. Each session counts its own failures.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
# wintool.exe inspects and drives windows from outside the program under test.
tool() { timeout 60 wine "$XD_E2E_WINTOOL" "$@"; }
# A Linux path as Wine's Z: drive sees it.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
