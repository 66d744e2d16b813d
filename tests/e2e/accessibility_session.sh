#!/usr/bin/env bash
# The editor as a screen reader meets it: on a private session bus with the accessibility bus,
# the editor's accessible tree is read with pyatspi, no interactive control may lack a name,
# and the palette button "４分音符" is pressed through its accessible action, which arms the
# tool the mode box then shows; the piano palette is then worked by keyboard, its framed cell
# heard through the focus events. Then a score is made with the keyboard alone: a new score,
# notes, a slur and braille placed with the page cursor while the cursor's cell is heard through
# the bus, saved and printed to PDF.
#
# accessibility_session.sh NOMA NOMA_CLI EXAMPLE_SCORE ARTIFACT_FOLDER
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: accessibility_session.sh NOMA NOMA_CLI EXAMPLE_SCORE ARTIFACT_FOLDER" >&2
    exit 2
fi
noma_built=$1
cli=$2
example=$3
artifacts=$4

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
"$py" "$tree" unlabelled >"$artifacts/unlabelled.txt" ||
    e2e_fail "combo boxes without a label: $(tr '\n' ';' <"$artifacts/unlabelled.txt")"
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

# ---- The keyboard alone ----
# Only keys from here on; where a new window must be brought to the front, the window manager's
# task (Alt+Tab) is done by xdotool, since this display has none.
repeat() { local n=$1 key=$2 keys=(); for ((i = 0; i < n; i++)); do keys+=("$key"); done; e2e_keys "${keys[@]}"; }
cursor_says() {
    local said
    said=$("$py" "$tree" cursor) || e2e_fail "the cursor's cell could not be read"
    [ "$said" = "$1" ] || e2e_fail "the cursor says \"$said\", not \"$1\""
}
e2e_say "keyboard: a new score"
e2e_focus "$main"
e2e_menu "$main" f 1
e2e_wait_window "新規作成" >/dev/null || exit 1
e2e_keys Return                      # ＯＫ with the default settings
e2e_wait_window_gone "新規作成"
e2e_focus "$main"

e2e_say "keyboard: two quarter notes"
e2e_keys F6                          # to the palette
repeat 5 Down                        # ４分音符, column 1 row 6
e2e_keys Return                      # armed; the keys go back to the page
repeat 5 ctrl+Down
repeat 17 ctrl+Right                 # column 25, row 5
e2e_keys Return
# What a screen reader hears as the cursor moves away and back.
heard=$("$py" "$tree" keys ctrl+Right ctrl+Left) || e2e_fail "no focus event from the page cursor"
[ "$heard" = "４分音符、ト音記号の段 1、ラ4、第1小節" ] || e2e_fail "the cursor was announced as \"$heard\""
repeat 6 ctrl+Right
e2e_keys ctrl+Up Return              # column 31, row 4
cursor_says "４分音符、ト音記号の段 1、シ4、第1小節"
e2e_snap keyboard-notes

e2e_say "keyboard: a slur under them"
e2e_keys F6 Right Right
repeat 5 Down                        # スラ―、タイ, column 3 row 11
e2e_keys Return
repeat 6 ctrl+Left
repeat 3 ctrl+Down                   # column 25, row 7
e2e_keys Return                      # the left end; the right end is proposed further right
repeat 6 ctrl+Right
e2e_keys Return                      # the right end, column 37; the bulge is proposed below
e2e_keys Return                      # the bulge, column 31 row 9
e2e_snap keyboard-slur

e2e_say "keyboard: braille"
e2e_keys F6 Up Up Return             # 点字, column 3 row 9
repeat 6 ctrl+Left
repeat 3 ctrl+Down                   # column 25, row 12
e2e_keys Return                      # the braille window opens with the keys
e2e_wait_window "点字書き込み" >/dev/null || exit 1
sleep 0.5
e2e_type kodomo
e2e_keys Return
e2e_snap keyboard-braille
e2e_keys Escape                      # closes the braille window; the keys are the page's again
e2e_wait_window_gone "点字書き込み"
reading=$("$py" "$tree" reading) || e2e_fail "the page's text could not be read"
expected_reading="ト音記号の段 1、調号なし
第1小節：ラ4 ４分音符、点字「こども」、シ4 ４分音符"
[ "$reading" = "$expected_reading" ] || e2e_fail "the page reads \"$reading\""

e2e_say "keyboard: save"
e2e_menu "$main" f 5
dialog=$(e2e_wait_window "現在画面をＮＭＧファイルに保存") || exit 1
e2e_focus "$dialog"
e2e_keys ctrl+a
e2e_type "$work/keyboard"
e2e_keys Return
e2e_wait_window_gone "現在画面をＮＭＧファイルに保存"
e2e_wait_until 10 "the score to be saved" test -s "$work/keyboard.nmg"

e2e_say "keyboard: print to PDF"
e2e_focus "$main"
e2e_menu "$main" f 7
dialog=$(e2e_wait_window "３Ｄ印刷") || exit 1
e2e_focus "$dialog"
e2e_snap print-dialog
e2e_keys Return                      # 印刷開始; with no printer it asks for the PDF's name
dialog=$(e2e_wait_window "PDFファイルに印刷") || exit 1
e2e_focus "$dialog"
e2e_keys Return                      # the name proposed beside the score
e2e_wait_until 20 "the PDF to be printed" test -s "$work/keyboard-3d.pdf"
[ "$(head -c 4 "$work/keyboard-3d.pdf")" = "%PDF" ] || e2e_fail "the print is no PDF"
e2e_snap printed

actual=$("$cli" records "$work/keyboard.nmg" --page 1 | awk -F: '$1 >= 24')
expected="24: 6 25 5 0 0 0 0 0 0 0
25: 6 31 4 0 0 0 0 0 0 0
26: 16 25 7 37 7 31 9 0 0 0
27: 40 150 96 42 0 0 0 0 0 0
28: 40 169 96 16 0 0 0 0 0 0
29: 40 188 96 30 0 0 0 0 0 0
30: 40 207 96 62 0 0 0 0 0 0"
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual" >&2
    e2e_fail "the score written with the keyboard"
fi
e2e_say "passed"
