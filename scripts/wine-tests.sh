#!/usr/bin/env bash
# Runs the Windows tests under Wine, in a private prefix on a private Xvfb:
#   1. the engine tests (engine_tests.exe), on the real Win32 file system;
#   2. the Win32 file system tests (win_file_tests.exe): an import into the
#      root of a drive and Shift-JIS names with a 0x5C trail byte;
#   3. the UI driver (ui_driver.exe), which works RUZOziv.exe's windows.
# Needs the 64-bit build: bash scripts/build-windows.sh (build/win64).
#
#   bash scripts/wine-tests.sh [BUILD_DIR]       default build/win64
# Set RUZOZIV_UI_FILTER to run only the UI cases whose name holds that text,
# and RUZOZIV_KEEP_WINE_WORK=1 to keep the work folder for a look afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build/win64}")

app=$build/ui/RUZOziv.exe
engine_tests=$build/tests/engine/engine_tests.exe
file_tests=$build/tests/ui/win_file_tests.exe
driver=$build/tests/ui/ui_driver.exe
for exe in "$app" "$engine_tests" "$file_tests" "$driver"; do
    if [ ! -f "$exe" ]; then
        echo "missing $exe: build it first (bash scripts/build-windows.sh)" >&2
        exit 1
    fi
done

source scripts/wine-common.sh

work=$(mktemp -d /tmp/ruzoziv-wine-tests.XXXXXX)
cleanup() {
    stop_started
    if [ "${RUZOZIV_KEEP_WINE_WORK:-0}" = 1 ]; then
        echo "work folder kept: $work"
    else
        rm -rf "$work"
    fi
}
# The running step, so an interrupt can end it at once.
step_pid=""
on_signal() {
    [ -n "$step_pid" ] && kill "$step_pid" 2>/dev/null
    exit 130
}
trap cleanup EXIT
trap on_signal INT TERM

echo "== preparing a private Wine prefix (the first start takes a while)"
start_xvfb
echo "Xvfb on DISPLAY=$DISPLAY, prefix $work/prefix"
make_wine_prefix "$work/prefix"

# Empty folders that Wine sees as the roots of drives E: and F:.
mkdir -p "$work/drive-e" "$work/drive-f" "$work/ui-work"
map_wine_drive e "$work/drive-e"
map_wine_drive f "$work/drive-f"

results=()
failed=0
# run_step NAME SECONDS COMMAND...: runs one step with a time limit.
run_step() {
    local name=$1 seconds=$2 status=0
    shift 2
    echo
    echo "== $name"
    # In the background, so that the shell can take a signal while it waits.
    timeout --kill-after=10 "$seconds" "$@" &
    step_pid=$!
    wait "$step_pid" || status=$?
    step_pid=""
    if [ "$status" -eq 0 ]; then
        results+=("PASS  $name")
    else
        [ "$status" -eq 124 ] && echo "$name: timed out after $seconds s" >&2
        results+=("FAIL  $name (exit status $status)")
        failed=1
    fi
}

run_step "engine tests (engine_tests.exe)" 600 wine "$engine_tests"
run_step "Win32 file system tests (win_file_tests.exe, drive F:)" 300 \
    env RUZOZIV_TEST_DRIVE='F:\' wine "$file_tests"
driver_args=(--app "$(wine_path "$app")" --work "$(wine_path "$work/ui-work")"
             --examples "$(wine_path "$root/examples")" --root-drive 'E:\')
[ -n "${RUZOZIV_UI_FILTER:-}" ] && driver_args+=(--filter "$RUZOZIV_UI_FILTER")
run_step "UI driver (ui_driver.exe working RUZOziv.exe)" 1200 wine "$driver" "${driver_args[@]}"

echo
echo "== Wine test summary"
printf '  %s\n' "${results[@]}"
if [ "$failed" -ne 0 ]; then
    echo "Wine tests FAILED"
    exit 1
fi
echo "all Wine tests passed"
