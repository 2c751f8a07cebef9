# Helpers for running Windows programs under Wine in a private environment;
# sourced by run.sh, screenshots.sh and wine-tests.sh. Every wait is bounded.
#
#   start_xvfb            starts Xvfb on a free display; sets DISPLAY, XVFB_PID
#   make_wine_prefix DIR  a fresh private Wine prefix in DIR, Japanese locale,
#                         with the dialog font mapped to an installed one
#   map_wine_drive X DIR  makes DIR the drive X: (its root is X:\)
#   wine_path PATH        the Windows form of an absolute Linux path (Z:\...)
#   wait_for_window NAME  waits until a window whose title matches the regular
#                         expression NAME exists; prints its id
#   window_geometry ID    prints WxH+X+Y of the window, for cropping
#   stop_started          ends our wineserver and the Xvfb that we started

# Japanese locale: Wine then uses the ANSI code page 932, as the program expects.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts on the first start of a prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

XVFB_PID=""

start_xvfb() {
    local fd_file i
    fd_file=$(mktemp)
    # Xvfb picks a free display itself and reports it on fd 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$fd_file" ]; then
        echo "Xvfb did not start within 10 seconds" >&2
        rm -f "$fd_file"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}

make_wine_prefix() {
    export WINEPREFIX=$1
    mkdir -p "$WINEPREFIX"
    if ! timeout 300 wineboot -i >"$WINEPREFIX/../wineboot.log" 2>&1; then
        echo "wineboot did not finish within 300 s (log: $WINEPREFIX/../wineboot.log)" >&2
        return 1
    fi
    # The dialogs ask for "ＭＳ Ｐゴシック"; map it (and its relatives) to the
    # IPA fonts, or Wine falls back to a font without Japanese glyphs.
    local key='HKCU\Software\Wine\Fonts\Replacements' face
    for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic"; do
        timeout 60 wine reg add "$key" /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
        timeout 60 wine reg add "$key" /v "$face" /t REG_SZ /d IPAGothic /f >/dev/null 2>&1
    done
    if [ -n "$XVFB_PID" ]; then
        # No window manager on Xvfb: Wine draws the captions and frames itself.
        timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    fi
    if ! timeout 120 wineserver -w; then
        echo "the Wine prefix did not settle within 120 s" >&2
        return 1
    fi
}

map_wine_drive() {
    local letter=${1,,} dir=$2
    ln -sfn "$dir" "$WINEPREFIX/dosdevices/${letter}:"
}

wine_path() {
    printf 'Z:%s' "${1//\//\\}"
}

wait_for_window() {
    local name=$1 i id
    for i in $(seq 150); do
        id=$(xdotool search --name "$name" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "no window named '$name' appeared within 30 seconds" >&2
    return 1
}

window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { printf "%dx%d+%d+%d\n", w, h, x, y }'
}

stop_started() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        timeout 30 wineserver -k >/dev/null 2>&1 || true
        timeout 30 wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
