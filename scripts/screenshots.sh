#!/usr/bin/env bash
# Takes docs/main-window.png and docs/options-dialog.png: runs the 64-bit
# program under Wine on a private Xvfb, opens the options dialog with Alt+C,
# then closes both with Enter (OK, then the close button) and checks that the
# program ended with exit status -1.
#
#   bash scripts/screenshots.sh [path/to/RUZOziv.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/wine-common.sh

exe=${1:-build/win64/ui/RUZOziv.exe}
[ -f "$exe" ] || bash scripts/build-windows.sh win64
exe=$(realpath "$exe")

prefix=$(mktemp -d /tmp/ruzoziv-shots.XXXXXX)
cleanup() { stop_started; rm -rf "$prefix"; }
trap cleanup EXIT

start_xvfb
make_wine_prefix "$prefix/prefix"

shoot() {  # window id, output png
    local geometry
    geometry=$(window_geometry "$1")
    import -window root -crop "$geometry" +repage "$2"
    echo "saved $2 ($geometry)"
}

wine "$exe" &
wine_pid=$!

main=$(wait_for_window '^RUZOziv Ver 2\.0\.0\.6$')
sleep 1  # let the first paint finish
shoot "$main" "$root/docs/main-window.png"

xdotool windowfocus --sync "$main"
xdotool key alt+c
options=$(wait_for_window '^詳細設定$')
sleep 1
shoot "$options" "$root/docs/options-dialog.png"

# Enter presses each dialog's default button: OK, then the main window's
# close button.
xdotool windowfocus --sync "$options"
xdotool key Return
xdotool windowfocus --sync "$main"
xdotool key Return

status=0
wait "$wine_pid" || status=$?
if [ "$status" -ne 255 ]; then
    echo "the program ended with status $status, expected 255 (-1)" >&2
    exit 1
fi
echo "program closed with exit status -1 (255)"
