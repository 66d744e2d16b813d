# shellcheck shell=bash
# Sourced by the end-to-end sessions: a private X server, waits, pointer and keyboard through
# xdotool, and numbered whole-screen pictures.
#
# The caller sets: work (a private temporary folder), artifacts (where the pictures go).
# shellcheck disable=SC2154

e2e_xvfb_pid=""
e2e_shot=0

e2e_say() { echo "e2e: [${SECONDS} s] $*"; }

# Takes a picture of the failure, then stops the session.
e2e_fail() {
    echo "e2e: FAILED: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$artifacts/failure.png" 2>/dev/null &&
        echo "e2e: the screen at the failure: $artifacts/failure.png" >&2
    exit 1
}

# Exits with 77 (CTest's skip) when a tool the session needs is missing.
e2e_require_tools() {
    local tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "e2e: skipped, Xvfb or xdotool not found ($tool)"
            exit 77
        fi
    done
    for tool in import compare convert; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "e2e: skipped, ImageMagick not found ($tool)"
            exit 77
        fi
    done
}

# Polls COMMAND every 0.1 s for up to SECONDS; fails with WHAT when it never succeeds.
e2e_wait_until() {
    local seconds=$1 what=$2
    shift 2
    local tries=$((seconds * 10))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || e2e_fail "timed out after ${seconds} s waiting for $what"
        sleep 0.1
    done
}

# Starts Xvfb on a display it picks itself (no fixed number, no race with other servers).
e2e_start_display() {
    local number_file="$work/display-number"
    : >"$number_file"
    # -noreset: the server would otherwise reset whenever its last client goes, and an editor
    # started again in that moment cannot connect.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$number_file" \
        >"$work/xvfb.log" 2>&1 &
    e2e_xvfb_pid=$!
    e2e_wait_until 15 "Xvfb to start" test -s "$number_file"
    DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    export DISPLAY
    e2e_say "display $DISPLAY"
}

e2e_stop_display() {
    if [ -n "$e2e_xvfb_pid" ] && kill -0 "$e2e_xvfb_pid" 2>/dev/null; then
        kill "$e2e_xvfb_pid" 2>/dev/null || true
        wait "$e2e_xvfb_pid" 2>/dev/null || true
    fi
    e2e_xvfb_pid=""
}

# The id of the visible window whose title is exactly TITLE (nothing when there is none).
e2e_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

e2e_has_window() { [ -n "$(e2e_window "$1")" ]; }
e2e_lacks_window() { [ -z "$(e2e_window "$1")" ]; }

# Waits for the window titled TITLE and prints its id.
e2e_wait_window() {
    e2e_wait_until "${2:-15}" "the window \"$1\"" e2e_has_window "$1"
    e2e_window "$1"
}

e2e_wait_window_gone() {
    e2e_wait_until "${2:-15}" "the window \"$1\" to close" e2e_lacks_window "$1"
}

# Sets WIN_X, WIN_Y, WIN_W, WIN_H to the window's position and size on the screen.
# shellcheck disable=SC2034
e2e_geometry() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# There is no window manager: the session gives the keyboard focus the way a click on a
# window's frame would.
e2e_focus() { xdotool windowfocus --sync "$1"; }

# A synchronous move to where the pointer already is can wait a long time for a motion that
# never comes, so the pointer only moves when it is elsewhere.
e2e_move() { e2e_pointer_is "$1" "$2" || xdotool mousemove --sync "$1" "$2"; }
e2e_click() {
    e2e_move "$1" "$2"
    xdotool click "${3:-1}"
}
e2e_keys() { xdotool key --delay 80 "$@"; }
e2e_type() { xdotool type --delay 60 "$1"; }

# shellcheck disable=SC2034
e2e_pointer_is() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ]
}

# Waits until the program has moved the system pointer to (X, Y): the sign that it has
# handled the click that moves it.
e2e_wait_pointer() {
    e2e_wait_until 10 "the pointer to move to ($1, $2)" e2e_pointer_is "$1" "$2"
}

# Opens a menu of the window WINDOW with its Alt accelerator and picks the item by its digit.
e2e_menu() {
    e2e_focus "$1"
    e2e_keys "alt+$2"
    sleep 0.3
    e2e_keys "$3"
}

# Saves the whole screen as NN-NAME.png once the last event has been drawn.
e2e_snap() {
    sleep "${2:-0.3}"
    e2e_shot=$((e2e_shot + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$artifacts" "$e2e_shot" "$1")
    import -window root "$file" || e2e_fail "no screenshot $file"
}

# True when the screen area at (X, Y) of size W x H shows exactly the picture REFERENCE.
e2e_screen_shows() {
    local reference=$1 x=$2 y=$3 w=$4 h=$5
    import -window root "$work/screen.png" &&
        convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/screen-part.png" &&
        convert "$reference" -crop "${w}x${h}+0+0" +repage "$work/reference-part.png" &&
        [ "$(compare -metric AE "$work/screen-part.png" "$work/reference-part.png" null: 2>&1)" = "0" ]
}

# Waits for process PID to end and fails unless it ends with status 0.
e2e_wait_exit() {
    local pid=$1 what=$2 tries=150
    while [ -e "/proc/$pid" ] && [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" != "Z" ]; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || e2e_fail "$what did not end within 15 s"
        sleep 0.1
    done
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "$what ended with status $status"
}
