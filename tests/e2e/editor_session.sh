#!/usr/bin/env bash
# A user's road through the real editor in a real X window, driven by X events:
# new score, notes from the palette, a slur, braille in romaji, undo, a region copy, save as,
# quit, then the saved file opened again, one more note, overwrite save and quit; a note undone
# and redone, the autosave, a killed editor and its recovery.
# The saved file is checked with noma-cli; every step leaves a picture of the screen.
#
# editor_session.sh NOMA NOMA_CLI ARTIFACT_FOLDER
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: editor_session.sh NOMA NOMA_CLI ARTIFACT_FOLDER" >&2
    exit 2
fi
noma_built=$1
cli=$2
artifacts=$3

here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=x11_driver.sh
source "$here/x11_driver.sh"

e2e_require_tools
[ -x "$noma_built" ] || e2e_fail "no editor at $noma_built"
[ -x "$cli" ] || e2e_fail "no noma-cli at $cli"

mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.nmg "$artifacts"/*.txt
work="$(mktemp -d "${TMPDIR:-/tmp}/noma-e2e.XXXXXX")"
noma_pid=""

finish() {
    if [ -n "$noma_pid" ] && kill -0 "$noma_pid" 2>/dev/null; then
        kill "$noma_pid" 2>/dev/null || true
        wait "$noma_pid" 2>/dev/null || true
    fi
    e2e_stop_display
    if [ -s "$work/noma.log" ]; then
        cp "$work/noma.log" "$artifacts/noma.txt" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

started=$SECONDS

# A private program folder: the editor keeps its settings, clipboard and NMK folder beside its
# executable when that folder is writable, so a copy of it in the temporary folder leaves the
# user's files alone and every run starts the same.
mkdir -p "$work/program" "$work/home" "$work/runtime" "$work/scores"
chmod 700 "$work/runtime"
cp "$noma_built" "$work/program/noma"
noma="$work/program/noma"
# A name with a space, typed into the file dialog and passed back on the command line. (xdotool
# types characters outside the keyboard map by remapping a key on the fly, which now and then
# loses one, so the name stays ASCII.)
score="$work/scores/e2e song"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config"
export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
# No desktop integration: Qt's own file dialog, no input method, no session bus.
unset QT_QPA_PLATFORMTHEME QT_IM_MODULE XMODIFIERS GTK_IM_MODULE XDG_CURRENT_DESKTOP \
    DESKTOP_SESSION DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

readonly kMainTitle="  NOMA    ver.2.20 "
readonly kNewScoreTitle="新規作成"
readonly kBrailleTitle="点字書き込み"
readonly kSaveTitle="現在画面をＮＭＧファイルに保存"
# The part of the page the scroll box shows without scrolling.
readonly kShownWidth=630 kShownHeight=600
readonly kScreenWidth=1280 kScreenHeight=800

start_editor() {
    "$noma" "$@" >>"$work/noma.log" 2>&1 &
    noma_pid=$!
    main=$(e2e_wait_window "$kMainTitle") || exit 1
}

# The main window's parts are laid out for the desktop's font, so they are found on the screen:
# the first palette button by the shadow along its bottom edge (24 pixels of #808080), the page
# by its white left margin, the first white right of the palette.
find_palette() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage txt:- | awk -v ox="$2" -v oy="$3" '
        NR == 1 { next }
        {
            split($1, p, /[,:]/); x = p[1] + 0; y = p[2] + 0
            if ($3 == "#808080" && y == ry && x == rx + n) { n++; next }
            if (n == 24) { print ox + rx - 1, oy + ry - 24; found = 1; exit }
            if ($3 == "#808080") { rx = x; ry = y; n = 1 } else { n = 0 }
        }
        END { if (!found) exit 1 }'
}
find_page() {
    local screen=$1 row=$(($3 + 300)) from=$(($2 + 100)) x
    x=$(convert "$screen" -crop "$(($4 - from))x1+${from}+${row}" +repage txt:- |
        awk -v ox="$from" 'NR > 1 && $3 == "#FFFFFF" { split($1, p, /[,:]/); print ox + p[1]; exit }')
    [ -n "$x" ] || return 1
    convert "$screen" -crop "1x${row}+$((x + 1))+0" +repage txt:- |
        awk -v x="$x" 'NR > 1 { split($1, p, /[,:]/); if ($3 != "#FFFFFF") top = p[2] + 1 } END { print x, top }'
}
palette_found() {
    import -window root "$work/locate.png" &&
        read -r palette_x palette_y < <(find_palette "$work/locate.png" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H")
}
locate_main() {
    e2e_geometry "$main"
    e2e_wait_until 20 "the main palette on the screen" palette_found
}
# Once a score is shown: where its page image starts on the screen.
locate_page() {
    locate_main
    local found
    found=$(find_page "$work/locate.png" "$palette_x" "$palette_y" $((WIN_X + WIN_W))) ||
        e2e_fail "no page on the screen"
    read -r page_x page_y <<<"$found"
}

# Clicks the main palette's button in COLUMN, ROW (1-based, as the palette is laid out).
palette() {
    e2e_click $((palette_x + 33 * ($1 - 1) + 12)) $((palette_y + 30 * ($2 - 1) + 12))
}

# Fails unless the window lies wholly on the screen.
expect_on_screen() {
    e2e_geometry "$1"
    [ "$WIN_X" -ge 0 ] && [ "$WIN_Y" -ge 0 ] && [ $((WIN_X + WIN_W)) -le "$kScreenWidth" ] &&
        [ $((WIN_Y + WIN_H)) -le "$kScreenHeight" ] ||
        e2e_fail "$2 is not wholly on the screen: ${WIN_W}x${WIN_H} at ($WIN_X, $WIN_Y)"
}

# Page pixels as screen positions: the pointer to (X, Y), a press there, or a click after the
# pointer has come from the upper left, as a hand would bring it.
page_move() { e2e_move $((page_x + $1)) $((page_y + $2)); }
page_press() { e2e_click $((page_x + $1)) $((page_y + $2)) "${3:-1}"; }
page_click() {
    page_move $(($1 - 12)) $(($2 - 12))
    page_press "$@"
}
wait_pointer_on_page() { e2e_wait_pointer $((page_x + $1)) $((page_y + $2)); }

# Waits until the page on the screen is, pixel for pixel, noma-cli's picture of page 1 of FILE.
expect_page_shown() {
    local file=$1 what=$2
    "$cli" render "$file" --page 1 -o "$work/expected-page.png" || e2e_fail "noma-cli render $file"
    e2e_wait_until 10 "$what" \
        e2e_screen_shows "$work/expected-page.png" "$page_x" "$page_y" "$kShownWidth" "$kShownHeight"
}

quit_editor() {
    e2e_menu "$main" f 9
    e2e_wait_exit "$noma_pid" "the editor after ファイル → 終了 (a question left open?)"
    noma_pid=""
}

# Fails unless noma-cli's records of page 1 of FILE, from index FIRST on, are exactly EXPECTED.
expect_records() {
    local file=$1 first=$2 expected=$3 what=$4 actual
    actual=$("$cli" records "$file" --page 1 | awk -F: -v first="$first" '$1 >= first')
    if [ "$actual" != "$expected" ]; then
        printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual" >&2
        e2e_fail "$what"
    fi
}

e2e_start_display

# ---- 1. New score ----
e2e_say "start the editor"
start_editor
e2e_snap start
e2e_say "ファイル → 新規作成"
e2e_menu "$main" f 1
dialog=$(e2e_wait_window "$kNewScoreTitle") || exit 1
e2e_snap new-score-dialog
# Portrait, treble stave, C major, pitch 8, top 12, four staves, interval 10: the defaults.
e2e_geometry "$dialog"
e2e_click $((WIN_X + 10 + 64)) $((WIN_Y + 300 + 15))  # "ＯＫ"
e2e_wait_window_gone "$kNewScoreTitle"
locate_page
"$cli" new -o "$work/defaults.nmg" >/dev/null || e2e_fail "noma-cli new"
expect_page_shown "$work/defaults.nmg" "the new score's staves"
e2e_snap new-score 0

# First stave: lines at page y 192..256 (rows 0..8), pitch 8, columns of 6 pixels. Every click
# lands 2 pixels inside its grid cell.
# ---- 2. Notes ----
e2e_say "notes from the palette"
palette 1 6                 # ４分音符
page_click 152 234          # column 25, row 5 (A4)
page_click 188 226          # column 31, row 4 (B4)
palette 1 7                 # ２分音符
page_click 224 218          # column 37, row 3 (C5)
e2e_snap notes

# ---- 3. A slur under the notes: three clicks ----
e2e_say "slur"
palette 3 11                # スラ―、タイ, bulging downward
page_click 152 250          # left end: column 25, row 7
# The editor moves the pointer 34 pixels to the right to start the chord ...
wait_pointer_on_page $((152 + 34)) 250
e2e_snap slur-first-end
page_press 224 250          # right end: column 37, row 7
# ... and then to 20 pixels below the middle of the chord, where the bulge is chosen.
wait_pointer_on_page $((224 - (222 - 150) / 2)) $((250 + 20))
e2e_snap slur-second-end
page_press 188 266          # bulge: column 31, row 9
e2e_snap slur

# ---- 4. Braille in romaji ----
e2e_say "braille: kodomo in romaji"
palette 3 9                 # 点字
page_click 152 290          # the writing cursor opens under the first stave
braille=$(e2e_wait_window "$kBrailleTitle") || exit 1
e2e_focus "$braille"
e2e_type kodomo             # こ ゛ と も
e2e_keys Return
e2e_snap braille

# ---- 5. Undo one step: the last cell ----
e2e_say "編集 → 取り消し"
e2e_menu "$main" e 1
e2e_snap undo

# ---- 6. Region copy ----
e2e_say "編集 → 領域を指定してコピー"
e2e_menu "$main" e 3
e2e_wait_window_gone "$kBrailleTitle"  # another tool closes the braille window
page_click 140 180          # first corner, above the notes
page_move 236 270           # the green rubber rectangle follows the pointer
e2e_snap region-rectangle
page_press 236 270          # second corner, under the slur: the notes and the slur are taken
# The copy follows the pointer by its middle; dropped here it lands 24 columns to the right on
# the same rows.
page_move 320 206
page_move 332 218
e2e_snap region-carried
page_press 332 218
e2e_snap region-dropped
page_press 332 218 3        # the right button ends the copying
e2e_snap region-copied

# ---- 7. Save as ----
e2e_say "ファイル → 名前を付けて保存"
e2e_menu "$main" f 5
dialog=$(e2e_wait_window "$kSaveTitle") || exit 1
e2e_focus "$dialog"
e2e_keys ctrl+a
e2e_type "$score"           # no extension: the editor adds ".nmg"
e2e_snap save-dialog 0.2
e2e_keys Return
e2e_wait_window_gone "$kSaveTitle"
e2e_wait_until 10 "\"$score.nmg\" to be written" test -s "$score.nmg"
expect_page_shown "$score.nmg" "the window to show what was saved"
e2e_snap saved 0

# ---- 8. Quit ----
e2e_say "ファイル → 終了"
quit_editor
e2e_snap quit 0
cp "$score.nmg" "$artifacts/saved.nmg"
"$cli" records "$score.nmg" --page 1 >"$artifacts/saved-records.txt"

# ---- The saved file ----
e2e_say "check the saved file"
info=$("$cli" info "$score.nmg") || e2e_fail "noma-cli info refused the saved file"
[ "$(sed -n 1p <<<"$info")" = "pages 1 pitch 8 orientation 0" ] ||
    e2e_fail "saved header: $(sed -n 1p <<<"$info")"
[ "$(sed -n 2p <<<"$info")" = "page 1 type 1 symbols 35 top 12 staves 4 interval 10 capacity 4" ] ||
    e2e_fail "saved page: $(sed -n 2p <<<"$info")"
staves=$("$cli" records "$score.nmg" --page 1 | awk -F'[: ]+' '$1 < 24 {print $2}' | sort | uniq -c |
    awk '{print $2 "x" $1}' | paste -sd' ')
[ "$staves" = "41x4 46x20" ] || e2e_fail "the four generated staves changed: $staves"
# Two quarter notes, a half note, the slur (ends, bulge), the braille cells of こ, the voiced
# mark and と (dots 246, 5, 2345; も, dots 13456, was undone), then the copy: the notes and the
# slur 24 columns further right.
expect_records "$score.nmg" 24 "24: 6 25 5 0 0 0 0 0 0 0
25: 6 31 4 0 0 0 0 0 0 0
26: 8 37 3 0 0 0 0 0 0 0
27: 16 25 7 37 7 31 9 0 0 0
28: 40 150 96 42 0 0 0 0 0 0
29: 40 169 96 16 0 0 0 0 0 0
30: 40 188 96 30 0 0 0 0 0 0
31: 6 49 5 0 0 0 0 0 0 0
32: 6 55 4 0 0 0 0 0 0 0
33: 8 61 3 0 0 0 0 0 0 0
34: 16 49 7 61 7 55 9 0 0 0" "the saved records differ from the road"

# ---- 9. Reopen ----
e2e_say "start the editor again on the saved file"
start_editor "$score.nmg"
locate_page
expect_page_shown "$score.nmg" "the reopened window to show the saved page"
e2e_snap reopened 0
# The window's caption is the program's own; the score it names in its file box is bound to the
# window: one more note and 上書き保存 must land in the reopened file.
e2e_say "one more note, ファイル → 上書き保存"
palette 1 8                 # 全音符
page_click 410 234          # column 68, row 5
e2e_menu "$main" f 6
e2e_wait_until 10 "the overwrite save" \
    sh -c "\"\$0\" records \"\$1\" --page 1 | grep -qx '35: 10 68 5 0 0 0 0 0 0 0'" "$cli" "$score.nmg"
e2e_snap reopened-saved
# Two palettes opened one after the other: the second finds a place clear of the first.
e2e_say "特殊記号 → ピアノ楽譜, ギター譜"
e2e_menu "$main" k 1
piano=$(e2e_wait_window "ピアノ楽譜") || exit 1
e2e_menu "$main" k 3
guitar=$(e2e_wait_window "ギター譜") || exit 1
e2e_snap palettes
expect_on_screen "$piano" "the piano palette"
read -r px py pw ph <<<"$WIN_X $WIN_Y $WIN_W $WIN_H"
expect_on_screen "$guitar" "the guitar palette"
[ $((WIN_X + WIN_W)) -le "$px" ] || [ "$WIN_X" -ge $((px + pw)) ] ||
    [ $((WIN_Y + WIN_H)) -le "$py" ] || [ "$WIN_Y" -ge $((py + ph)) ] ||
    e2e_fail "the guitar palette covers the piano palette"
quit_editor
e2e_snap reopened-quit 0
cp "$score.nmg" "$artifacts/resaved.nmg"
expect_records "$score.nmg" 31 "31: 6 49 5 0 0 0 0 0 0 0
32: 6 55 4 0 0 0 0 0 0 0
33: 8 61 3 0 0 0 0 0 0 0
34: 16 49 7 61 7 55 9 0 0 0
35: 10 68 5 0 0 0 0 0 0 0" "the reopened score was not the saved one"
grep -qF "$score.nmg" "$work/program/NOMA_218_Shokika.ini" ||
    e2e_fail "the recent files do not name \"$score.nmg\""

# ---- 10. The edit history, then a crash after the autosave and the recovery ----
# NOMA_AUTOSAVE_SECONDS shortens the minute between recovery copies.
e2e_say "a note, Ctrl+Z, Ctrl+Y, the autosave, then SIGKILL"
NOMA_AUTOSAVE_SECONDS=1 start_editor "$score.nmg"
locate_page
palette 1 6                 # ４分音符
page_click 440 234          # column 73, row 5
e2e_focus "$main"
e2e_keys ctrl+z
e2e_keys alt+e              # やり直す now names the note
e2e_snap history-menu 0.5
e2e_keys Escape
e2e_focus "$main"
e2e_keys ctrl+y
note="36: 6 73 5 0 0 0 0 0 0 0"
e2e_wait_until 20 "a recovery copy holding the note" sh -c \
    '"$0" records "$1"/Recovery/*/"e2e song.nmg" --page 1 | grep -qx "$2"' \
    "$cli" "$work/program" "$note"
kill -KILL "$noma_pid"
wait "$noma_pid" 2>/dev/null || true
noma_pid=""
e2e_say "start again: the recovery question"
start_editor
question=$(e2e_wait_window "確認") || exit 1
e2e_snap recovery-question
e2e_focus "$question"
e2e_keys Return             # はい
e2e_wait_window_gone "確認"
e2e_say "ファイル → 上書き保存 writes the restored score under its own name"
e2e_menu "$main" f 6
e2e_wait_until 10 "the restored score saved" \
    sh -c "\"\$0\" records \"\$1\" --page 1 | grep -qx '$note'" "$cli" "$score.nmg"
e2e_snap recovered-saved
quit_editor
[ -z "$(ls -A "$work/program/Recovery")" ] ||
    e2e_fail "recovery files left after a clean end: $(ls -AR "$work/program/Recovery")"

# ---- 11. One and a half times larger: the window still fits the screen, menus included ----
e2e_say "QT_SCALE_FACTOR=1.5"
QT_SCALE_FACTOR=1.5 start_editor "$score.nmg"
expect_on_screen "$main" "the main window at 1.5x"
e2e_snap scaled-1.5x 0.5
quit_editor

e2e_say "passed in $((SECONDS - started)) s; pictures in $artifacts"
