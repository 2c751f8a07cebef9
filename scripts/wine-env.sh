# A private Wine environment for the Windows tests: its own prefix, its own
# Xvfb display and extra drive letters, all removed again. Sourced by
# wine-tests.sh. Every wait here is bounded.
#
#   wine_env_start DIR        prefix in DIR/prefix, Xvfb on a free display,
#                             Japanese locale (ANSI code page 932); wineboot
#   wine_map_drive X DIR      makes DIR the drive X: (its root is X:\)
#   wine_path PATH            the Windows form of an absolute Linux path (Z:\...)
#   wine_env_stop             ends our wineserver and our Xvfb

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
# No Mono or Gecko installer prompts when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

WINE_ENV_XVFB_PID=""

# Starts Xvfb on the first free display from 140 on and waits for its socket.
wine_env_start_xvfb() {
    local display i
    for display in $(seq 140 239); do
        [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ] && continue
        Xvfb ":${display}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        WINE_ENV_XVFB_PID=$!
        for i in $(seq 100); do
            [ -S "/tmp/.X11-unix/X${display}" ] && break
            kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -S "/tmp/.X11-unix/X${display}" ] && kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":${display}"
            return 0
        fi
        # Taken by someone else meanwhile, or it failed: try the next one.
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        WINE_ENV_XVFB_PID=""
    done
    echo "wine-env: no free X display for Xvfb" >&2
    return 1
}

wine_env_start() {
    local dir=$1
    export WINEPREFIX="$dir/prefix"
    wine_env_start_xvfb || return 1
    echo "wine-env: Xvfb on DISPLAY=$DISPLAY, prefix $WINEPREFIX"
    if ! timeout 300 wineboot -i >"$dir/wineboot.log" 2>&1; then
        echo "wine-env: wineboot did not finish within 300 s (log: $dir/wineboot.log)" >&2
        return 1
    fi
    if ! timeout 120 wineserver -w; then
        echo "wine-env: the prefix did not settle within 120 s" >&2
        return 1
    fi
}

wine_map_drive() {
    local letter=${1,,} dir=$2
    ln -sfn "$dir" "$WINEPREFIX/dosdevices/${letter}:"
}

wine_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

wine_env_stop() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        timeout 30 wineserver -k >/dev/null 2>&1 || true
        timeout 30 wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "$WINE_ENV_XVFB_PID" ]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        WINE_ENV_XVFB_PID=""
    fi
}
