#!/usr/bin/env bash
# Builds the 64-bit RUZOziv.exe and starts it under Wine: on your X display
# when $DISPLAY is set, otherwise on a new Xvfb (with a screenshot to look at).
# Wine runs in a private prefix that is removed afterwards, so imports are
# best written under a Linux folder (Z:\...); the script suggests one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
bash scripts/build-windows.sh win64
exe=$root/build/win64/ui/RUZOziv.exe

source scripts/wine-common.sh

prefix=$(mktemp -d /tmp/ruzoziv-wine.XXXXXX)
cleanup() { stop_started; rm -rf "$prefix"; }
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    echo "No X display: running on a new Xvfb at DISPLAY=$DISPLAY."
fi
echo "Preparing a private Wine prefix (the first start takes a little while)..."
make_wine_prefix "$prefix/prefix"

destination=$(mktemp -d /tmp/ruzoziv-output.XXXXXX)
tree_file=$(ls "$root"/examples/collection/*.wtr 2>/dev/null | head -n1 || true)

echo
echo "Example collection: $(wine_path "$root/examples/collection")"
if [ -n "$tree_file" ]; then
    echo "  tree file to enter: $(wine_path "$tree_file")"
fi
echo "  a folder to import into: $(wine_path "$destination")  (Linux: $destination)"
echo

wine "$exe" &
wine_pid=$!

if [ -n "$XVFB_PID" ]; then
    shot=$root/build/run-screen.png
    if wait_for_window '^RUZOziv Ver' >/dev/null; then
        sleep 1
        import -window root "$shot"
        echo "The window is on the virtual display; a screenshot is in $shot."
        echo "To look again: DISPLAY=$DISPLAY import -window root $shot"
        echo "To use it: DISPLAY=$DISPLAY xdotool ..., or run this script on a desktop."
        echo "Press Ctrl+C to stop."
    fi
fi

status=0
wait "$wine_pid" || status=$?
echo "RUZOziv ended with exit status $status (255 is -1, the normal end)."
echo "Imported files, if any: $destination"
