#!/usr/bin/env bash
# The editor as a screen reader meets it: on a private session bus with the accessibility bus,
# the editor's accessible tree is read with pyatspi, no interactive control may lack a name,
# and the palette button "４分音符" is pressed through its accessible action, which arms the
# tool the mode box then shows; the piano palette is then worked by keyboard, its framed cell
# heard through the focus events.
#
# accessibility_session.sh NOMA EXAMPLE_SCORE ARTIFACT_FOLDER
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: accessibility_session.sh NOMA EXAMPLE_SCORE ARTIFACT_FOLDER" >&2
    exit 2
fi
noma_built=$1
example=$2
artifacts=$3

here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=x11_driver.sh
source "$here/x11_driver.sh"

e2e_require_tools
for tool in dbus-run-session python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "e2e: skipped, $tool not found"
        exit 77
    fi
done
# pyatspi is a Debian package: the system's Python has it, one earlier on the PATH may not.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
if ! "$py" -c 'import pyatspi' 2>/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "e2e: skipped, at-spi2-core or python3-pyatspi not installed"
    exit 77
fi

# Inside the private session bus: the bus launcher is started by D-Bus activation when the
# editor asks for the accessibility bus.
# The bus launcher puts its socket into the runtime folder of the environment it is started
# with: a private one, or sessions run side by side share one socket and close it on each other.
if [ "${NOMA_E2E_IN_SESSION:-}" != 1 ]; then
    export NOMA_E2E_IN_SESSION=1
    NOMA_E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/noma-a11y.XXXXXX")"
    export NOMA_E2E_WORK XDG_RUNTIME_DIR="$NOMA_E2E_WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    exec dbus-run-session -- bash "$0" "$@"
fi

mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.txt
work="$NOMA_E2E_WORK"
noma_pid=""

finish() {
    if [ -n "$noma_pid" ] && kill -0 "$noma_pid" 2>/dev/null; then
        kill "$noma_pid" 2>/dev/null || true
        wait "$noma_pid" 2>/dev/null || true
    fi
    e2e_stop_display
    [ -s "$work/noma.log" ] && cp "$work/noma.log" "$artifacts/noma.txt" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

# A private program folder, as in the editor session.
mkdir -p "$work/program" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$noma_built" "$work/program/noma"
cp "$example" "$work/score.nmg"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORMTHEME QT_IM_MODULE XMODIFIERS GTK_IM_MODULE XDG_CURRENT_DESKTOP \
    DESKTOP_SESSION SESSION_MANAGER QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

e2e_start_display
"$work/program/noma" "$work/score.nmg" >>"$work/noma.log" 2>&1 &
noma_pid=$!
main=$(e2e_wait_window "  NOMA    ver.2.20 ") || exit 1
e2e_snap main

tree="$here/accessible_tree.py"
"$py" "$tree" tree >"$artifacts/tree.txt" || e2e_fail "the accessible tree could not be read"
e2e_say "$(wc -l <"$artifacts/tree.txt") accessible objects"
"$py" "$tree" unnamed >"$artifacts/unnamed.txt" ||
    e2e_fail "controls without a name: $(tr '\n' ';' <"$artifacts/unnamed.txt")"
mode=$("$py" "$tree" press "４分音符") || e2e_fail "the palette button could not be pressed"
[ "$mode" = "４分音符" ] || e2e_fail "the mode box shows \"$mode\" after the press"
e2e_snap armed

# The piano palette by keyboard: its picture takes the focus, the arrows move the frame and
# the screen reader hears the framed cell; Enter arms it.
e2e_menu "$main" k 1
e2e_wait_window "ピアノ楽譜" >/dev/null || exit 1
heard=$("$py" "$tree" keys Down Right) || e2e_fail "no focus event from the piano palette"
[ "$heard" = "右手 指1・3" ] || e2e_fail "the framed piano cell was announced as \"$heard\""
e2e_keys Return
sleep 0.5
mode=$("$py" "$tree" mode) || e2e_fail "the mode box could not be read"
[ "$mode" = "ピアノ記号" ] || e2e_fail "the mode box shows \"$mode\" after Enter on the piano palette"
e2e_snap piano
e2e_say "passed"
