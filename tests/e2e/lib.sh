# Shared steps of the end-to-end tests. Sourced with the build's bin folder as $1; runs inside
# xvfb-run, so DISPLAY is set.
set -euo pipefail
bin=$1
work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 150); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# Starts the program in $work.
start_app() {
    (cd "$work" && exec "$bin/ravikpro") >"$work.log" 2>&1 &
    app_pid=$!
}

# Waits for a window whose title is exactly $1 and prints its id.
wait_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled '$1'"
}

# Waits for the program to end and checks its exit code is 0.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
    local rc=0
    wait "$app_pid" || rc=$?
    app_pid=""
    [ "$rc" -eq 0 ] || fail "exit code $rc"
}

new_tables() { "$bin/ravikpro-tables" init "$work" >/dev/null 2>&1; }

sql() { sqlite3 "$work/$1" "$2"; }

# Sets X, Y, WIDTH, HEIGHT to window $1's client area on the screen.
client_geometry() {
    local info
    info=$(xwininfo -id "$1")
    X=$(awk '/Absolute upper-left X/{print $4}' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/{print $4}' <<<"$info")
    WIDTH=$(awk '/Width:/{print $2}' <<<"$info")
    HEIGHT=$(awk '/Height:/{print $2}' <<<"$info")
}

# Clicks at (x, y) of window $1's client area, in layout pixels.
click_in() {
    client_geometry "$1"
    xdotool mousemove --sync $(($X + $2)) $(($Y + $3)) click 1
    sleep 0.4
}

# The main window's places, from its layout: the tab pages start below the tab row.
page_x=172
page_y=77
click_page() { click_in "$1" $((page_x + $2)) $((page_y + $3)); }

# The text of the focused box, through the clipboard.
copy_focused() {
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}
