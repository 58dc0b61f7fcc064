# The steps every end-to-end scenario is made of: its own X display and Wine prefix, Lettro.exe started
# in a folder of its own, keys and clicks with xdotool, screenshots, and checks on screen and on disk.
# Sourced by the scenario scripts, which set SCENARIO first; it needs bash.

E2E_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_OUT="$E2E_TOP/build/e2e/$SCENARIO"
WINE_RUN="$E2E_TOP/scripts/wine-run"
PROGRAM_FOLDER="$E2E_TOP/build/windows/bin"
PROBE="$PROGRAM_FOLDER/window_probe.exe"
SOLVE="$E2E_TOP/build/native/tools/lettro-solve"
TILE_FOLDER="$E2E_TOP/ui/resources/tiles"
BASE_PREFIX="$E2E_TOP/build/wineprefix-test"

# The main window's light blue.
BACKGROUND="150 150 255"

# The id that `name` is given in the header the program is built with.
resource_id() {
    local header="$E2E_TOP/ui/resources/resource_ids.h" id
    id=$(sed -n "s/^#define $1 \([0-9][0-9]*\)\$/\1/p" "$header")
    [ -n "$id" ] || { echo "e2e: $header defines no $1" >&2; exit 1; }
    echo "$id"
}

# The buttons the player clicks: OK of the closing box, of "Enter Name" and of "High Scores"
# (the closing box's and the High Scores' are Windows' IDOK).
BOX_OK=1
NAME_OK=$(resource_id IDC_NAME_OK)
HIGH_SCORES_OK=1
# The tally line and the word list of "Solutions".
SOLUTIONS_TALLY=$(resource_id IDC_SOLUTIONS_TALLY)
SOLUTIONS_LIST=$(resource_id IDC_SOLUTIONS_LIST)
# The rows of "High Scores": slot i's name, and its score the id after it.
SCORE_NAME_FIRST=$(resource_id IDC_SCORE_NAME_FIRST)
SCORE_VALUE_FIRST=$(resource_id IDC_SCORE_VALUE_FIRST)
# The name field of "Enter Name", and the main window's controls.
NAME_FIELD=$(resource_id IDC_NAME_FIELD)
FOUND_WORDS=$(resource_id IDC_FOUND_WORDS)
WORD_FIELD=$(resource_id IDC_WORD_FIELD)
SUBMIT=$(resource_id IDC_SUBMIT)
SCORE_DISPLAY=$(resource_id IDC_SCORE_DISPLAY)
TIME_DISPLAY=$(resource_id IDC_TIME_DISPLAY)
STATUS_LINE=$(resource_id IDC_STATUS_LINE)
BOARD_CONTROL=$(resource_id IDC_BOARD)
# The announcers: their latest text is a screen reader's, each emptied a few seconds after it speaks.
ANNOUNCER=$(resource_id IDC_ANNOUNCER)
TIME_ANNOUNCER=$(resource_id IDC_TIME_ANNOUNCER)
SOLUTIONS_ANNOUNCER=$(resource_id IDC_SOLUTIONS_ANNOUNCER)
BLANK_STATUS="             "

E2E_STEP="setting up"
SHOT_COUNT=0
GAME_PID=""
XVFB_PID=""

# ----- Reporting ----------------------------------------------------------------------------

log() {
    printf '%s [%s] %s\n' "$(date +%T)" "$SCENARIO" "$*"
}

step() {
    E2E_STEP=$1
    log "step: $1"
}

fail() {
    printf 'e2e %s, step "%s": %s\n' "$SCENARIO" "$E2E_STEP" "$*" >&2
    if [ -n "$XVFB_PID" ]; then
        screenshot failure >/dev/null 2>&1 || true
        record_windows >"$E2E_OUT/windows-at-failure.txt" 2>&1 || true
    fi
    exit 1
}

# What was there when a step failed: the X windows, and the windows as Wine knows them.
record_windows() {
    echo "X windows:"
    xdotool search --name '' getwindowname %@
    echo "Windows of the game's Wine:"
    timeout 20 "$WINE_RUN" "$PROBE" windows
}

on_error() {
    fail "command failed at line $1 of $2: $3"
}

# ----- The session: display, prefix, clean-up ----------------------------------------------------

wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            return 1
        fi
        sleep 0.2
    done
}

display_number_written() {
    grep -q '^[0-9][0-9]*$' "$1" 2>/dev/null
}

# A virtual screen of this scenario's own; Xvfb picks a free display number and tells it.
start_display() {
    local number_file="$E2E_OUT/display-number"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >"$E2E_OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_until 30 display_number_written "$number_file" || fail "Xvfb did not start; see $E2E_OUT/xvfb.log"
    DISPLAY=":$(cat "$number_file")"
    export DISPLAY
}

# A prefix of this scenario's own, so that its wineserver serves this scenario's windows only.
# wineserver rewrites the registry files in place, so those are copied; the rest is only read.
make_wine_prefix() {
    export WINEPREFIX="$E2E_OUT/wineprefix"
    mkdir -p "$WINEPREFIX"
    cp -p "$BASE_PREFIX"/*.reg "$BASE_PREFIX/.update-timestamp" "$WINEPREFIX/"
    cp -a "$BASE_PREFIX/dosdevices" "$WINEPREFIX/"
    cp -al "$BASE_PREFIX/drive_c" "$WINEPREFIX/drive_c"
    # Started here, with no limits, and kept for the whole scenario: a file-size limit set for
    # the game later must not reach the server that writes the prefix's registry.
    wineserver -p
    # Wine's first program in a session starts its services too; let the probe be that one, so
    # that a game that does not start is told apart from a Wine that does not.
    probe windows >/dev/null || fail "Wine does not run programs in $WINEPREFIX"
}

end_session() {
    local status=$?
    trap - EXIT ERR
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID" 2>/dev/null || true
    fi
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        timeout 30 wineserver -w 2>/dev/null || log "the Wine server still ran 30 s after wineserver -k; left behind"
        rm -rf "$WINEPREFIX"
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -f "$E2E_OUT"/*.ppm
    exit "$status"
}

start_session() {
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT"
    trap end_session EXIT
    trap 'on_error "$LINENO" "${BASH_SOURCE[0]##*/}" "$BASH_COMMAND"' ERR
    start_display
    make_wine_prefix
}

# ----- Starting and ending the game ----------------------------------------------------------

# Shown on screen: a dialog's window exists before WM_INITDIALOG has filled it, but is shown after.
window_exists() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

window_gone() {
    ! window_exists "$1"
}

wait_for_window() {
    wait_until "$2" window_exists "$1" || fail "no window \"$1\" appeared within $2 s"
}

wait_for_window_gone() {
    wait_until "$2" window_gone "$1" || fail "the window \"$1\" was still there after $2 s"
}

# Lettro.exe started from FOLDER (its working folder) as PROGRAM, a path from there.
start_lettro() {
    (cd "$1" && exec "$WINE_RUN" "$2") >>"$E2E_OUT/wine.log" 2>&1 &
    GAME_PID=$!
    wait_for_window Lettro 90
}

# The same, with no room to write a single byte: a file-size limit of 0. Unix would end the
# process with SIGXFSZ at the first write past it; ignored, the write fails with an error, which
# is all a Windows program can meet (as on a full disk).
start_lettro_unable_to_write() {
    (cd "$1" && ulimit -f 0 && trap '' XFSZ && exec "$WINE_RUN" "$2") >>"$E2E_OUT/wine.log" 2>&1 &
    GAME_PID=$!
    wait_for_window Lettro 90
}

game_ended() {
    ! kill -0 "$GAME_PID" 2>/dev/null
}

# Waits for the game's process to end by itself and checks that it ended normally.
expect_game_ends() {
    wait_until "$1" game_ended || fail "Lettro was still running $1 s after Exit"
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ "$status" -eq 0 ] || fail "Lettro ended with exit status $status, not 0"
}

# Exit from the File menu (Alt+F, X); the game saves its table and ends by itself. Under the load of
# six scenarios at once a key can be lost on its way through X: the keys are sent once more, after
# Escape closes whatever menu the first try left open.
exit_lettro() {
    choose_from_file_menu x
    if ! wait_until 10 game_ended; then
        log "Lettro still running 10 s after Alt+F, X: the keys are sent again"
        press Escape Escape
        choose_from_file_menu x
    fi
    expect_game_ends 30
}

# ----- Input ------------------------------------------------------------------------------------

press() {
    xdotool key --delay 80 "$@"
}

# Alt+F, then the item's underlined letter: N (New Game), H (High Scores), S (Solutions), X (Exit).
choose_from_file_menu() {
    press alt+f "$1"
}

type_text() {
    xdotool type --delay 40 -- "$1"
}

click_screen() {
    xdotool mousemove "$1" "$2" click 1
}

# A click in the client area of the main window, off the board and off every control: the
# window becomes the active one and takes the keys, and nothing else happens.
activate_main_window() {
    read_window Lettro
    click_screen $((CLIENT_X + 20)) $((CLIENT_Y + 20))
}

click_control() {
    read_window "$1"
    local left top right bottom
    read -r left top right bottom <<<"$(control_field "$2" 5)"
    [ -n "$bottom" ] || fail "the window \"$1\" has no control $2"
    click_screen $(((left + right) / 2)) $(((top + bottom) / 2))
}

# ----- Reading the windows (window_probe.exe, a Windows program of the tests) ---------------------

probe() {
    "$WINE_RUN" "$PROBE" "$@" 2>>"$E2E_OUT/probe.log"
}

# Reads the window titled TITLE and its controls into WINDOW_STATE, CLIENT_X/Y, WINDOW_PLACE, FACE.
# A probe can fail for a moment when six scenarios load two cores (seen once: an Error box on
# screen that the probe did not read, with nothing said): it is asked up to three times.
read_window() {
    local attempt status=0
    for attempt in 1 2 3; do
        status=0
        WINDOW_STATE=$(probe controls "$1") || status=$?
        [ "$status" -eq 0 ] && break
        echo "window_probe controls \"$1\": attempt $attempt ended with status $status" >>"$E2E_OUT/probe.log"
        sleep 1
    done
    [ "$status" -eq 0 ] || fail "no window \"$1\" to read"
    local kind origin title
    IFS=$'\t' read -r kind WINDOW_ENABLED origin WINDOW_PLACE title <<<"$(printf '%s\n' "$WINDOW_STATE" | grep '^window')"
    read -r CLIENT_X CLIENT_Y <<<"$origin"
    FACE=$(printf '%s\n' "$WINDOW_STATE" | awk -F '\t' '$1 == "face" { print $2 }')
    read_board_place
}

# Where the board is on screen, in the main window read last: the board control lies exactly over
# the tiles, at any scale. Into BOARD_X/Y (its top-left screen pixel), BOARD_PIXELS and TILE_PIXELS.
read_board_place() {
    local place right bottom
    place=$(control_field "$BOARD_CONTROL" 5)
    [ -n "$place" ] || return 0
    read -r BOARD_X BOARD_Y right bottom <<<"$place"
    BOARD_PIXELS=$((right - BOARD_X))
    TILE_PIXELS=$((BOARD_PIXELS / 4))
}

# Field N of the line of control ID in WINDOW_STATE: 3 class, 4 enabled, 5 rectangle, 6 text.
control_field() {
    printf '%s\n' "$WINDOW_STATE" | awk -F '\t' -v id="$1" -v n="$2" '$1 == "control" && $2 == id { print $n; exit }'
}

text_of() {
    control_field "$1" 6
}

list_items_of() {
    printf '%s\n' "$WINDOW_STATE" | awk -F '\t' -v id="$1" '$1 == "item" && $2 == id { print $3 }'
}

expect_equal() {
    [ "$1" = "$2" ] || fail "$3: \"$1\", expected \"$2\""
}

expect_text() {
    expect_equal "$(text_of "$1")" "$2" "$3"
}

expect_enabled() {
    expect_equal "$(control_field "$1" 4)" "$2" "$3 (1 enabled, 0 disabled)"
}

text_is() {
    read_window "$1"
    [ "$(text_of "$2")" = "$3" ]
}

# Waits until control ID of TITLE shows TEXT: the game handles keys and clicks in its own time.
wait_for_text() {
    wait_until 10 text_is "$1" "$2" "$3" || fail "control $2 of \"$1\" shows \"$(text_of "$2")\", expected \"$3\""
}

text_starts() {
    read_window "$1"
    case "$(text_of "$2")" in "$3"*) return 0 ;; *) return 1 ;; esac
}

# Waits until control ID of TITLE shows a text that begins with PREFIX.
wait_for_text_starting() {
    wait_until 10 text_starts "$1" "$2" "$3" || fail "control $2 of \"$1\" shows \"$(text_of "$2")\", expected \"$3...\""
}

# Waits for "Enter Name" and past the ¾ s after it appears in which it takes no Enter, so that the
# Enter typed after the name presses OK.
wait_for_name_entry() {
    wait_for_window "Enter Name" 10
    sleep 1
}

# ----- What a screen reader reads (window_probe.exe from another process, through MSAA) -------------

# What a screen reader reads of the window titled TITLE, into ACCESSIBLE: a "named" line a control
# (id, role, name), a "cell" line a cell of a table (name, state).
read_accessible() {
    ACCESSIBLE=$(probe accessible "$1") || fail "no window \"$1\" to read as a screen reader does"
}

accessible_name() {
    printf '%s\n' "$ACCESSIBLE" | awk -F '\t' -v id="$1" '$1 == "named" && $2 == id { print $4; exit }'
}

# Hears, from another program, what a screen reader hears from Lettro for SECONDS (its focus,
# selection and live-region events), into the file HEARD; returns once the hook is set.
HEARD_COUNT=0
start_listening() {
    HEARD_COUNT=$((HEARD_COUNT + 1))
    HEARD="$E2E_OUT/heard-$HEARD_COUNT"
    probe listen "$1" >"$HEARD" &
    LISTENER=$!
    wait_until 30 grep -q '^listening' "$HEARD" || fail "the event listener did not start"
}

stop_listening() {
    wait "$LISTENER" || fail "the event listener failed"
}

# The names of the objects that raised event CODE (hexadecimal: 8005 focus, 8019 live region), in order.
heard_names() {
    awk -F '\t' -v code="$1" '$1 == "event" && $2 == code { print $3 }' "$HEARD"
}

# The board's letters in reading order, as the first letters of its cells' names.
board_from_cells() {
    printf '%s\n' "$ACCESSIBLE" | awk -F '\t' '$1 == "cell" { printf "%s", substr($2, 1, 1) }'
}

# ----- The High Scores dialog ------------------------------------------------------------------

# High Scores from the File menu (Alt+F, H), on screen and read.
open_high_scores() {
    choose_from_file_menu h
    wait_for_window "High Scores" 10
    wait_for_screen high-scores dialog_shown "High Scores"
}

# Slot SLOT shows NAME and SCORE: slot 9 is the top row, slot 0 the bottom one.
expect_high_score_row() {
    expect_text $((SCORE_NAME_FIRST + 2 * $1)) "$2" "name in the row of slot $1"
    expect_text $((SCORE_VALUE_FIRST + 2 * $1)) "$3" "score in the row of slot $1"
}

close_high_scores() {
    click_control "High Scores" "$HIGH_SCORES_OK"
    wait_for_window_gone "High Scores" 10
}

# ----- Screenshots and what they show -------------------------------------------------------------

# The whole screen into build/e2e/SCENARIO/NN-NAME.png; SHOT names the latest. Taken again under
# the same name, it replaces the previous picture.
screenshot() {
    if [ "$1" != "${SHOT_NAME:-}" ]; then
        SHOT_COUNT=$((SHOT_COUNT + 1))
        SHOT_NAME=$1
    fi
    SHOT=$(printf '%s/%02d-%s.png' "$E2E_OUT" "$SHOT_COUNT" "$1")
    /usr/bin/import -window root "$SHOT"
}

# Screenshots named NAME until CHECK (a command and its arguments) passes on one of them: the
# game paints in its own time. Fails with CHECK's last word otherwise.
wait_for_screen() {
    local name=$1
    shift
    wait_until 10 screenshot_passes "$name" "$@" || fail "$(cat "$E2E_OUT/screen-check")"
}

screenshot_passes() {
    local name=$1
    shift
    screenshot "$name"
    "$@" 2>"$E2E_OUT/screen-check"
}

# The share, from 0 to 1, of the pixels of a rectangle of the latest screenshot that have the
# colour "R G B" exactly.
colour_share() {
    local colour
    colour="rgb($(printf '%s' "$5" | tr ' ' ','))"
    /usr/bin/convert "$SHOT" -crop "$3x$4+$1+$2" +repage -alpha off -fill black +opaque "$colour" \
        -fill white -opaque "$colour" -colorspace Gray -format '%[fx:mean]' info:
}

at_least() {
    awk -v share="$1" -v least="$2" 'BEGIN { exit !(share >= least) }'
}

# Before the first deal the board's square shows nothing but the window's background.
board_blank() {
    read_window Lettro
    local share
    share=$(colour_share "$BOARD_X" "$BOARD_Y" "$BOARD_PIXELS" "$BOARD_PIXELS" "$BACKGROUND")
    at_least "$share" 1 || { echo "the board area of $SHOT is not blank: $share of it is background" >&2; return 1; }
}

# The dialog TITLE is on screen: a SHARE of its rectangle (most, unless told) shows the dialogs' face colour.
dialog_shown() {
    read_window "$1"
    local left top right bottom share
    read -r left top right bottom <<<"$WINDOW_PLACE"
    share=$(colour_share "$left" "$top" $((right - left)) $((bottom - top)) "$FACE")
    at_least "$share" "${2:-0.5}" || { echo "\"$1\" does not show in $SHOT: $share of it has its face colour" >&2; return 1; }
}

# Reads the sixteen letters off the latest screenshot into BOARD, in reading order; fails when a
# square shows no tile image.
try_read_board() {
    read_window Lettro
    local picture="$E2E_OUT/board.ppm"
    /usr/bin/convert "$SHOT" -depth 8 "$picture"
    BOARD=$(probe board "Z:$picture" "$BOARD_X" "$BOARD_Y" "Z:$TILE_FOLDER" "$TILE_PIXELS")
}

# A screenshot named $1 shows a whole board, read into BOARD, and it is not the board $2.
board_shown() {
    screenshot "$1"
    try_read_board && [ "$BOARD" != "${2:-}" ]
}

# The latest screenshot shows board $1 with the tiles of word $2 marked: those squares show no plain
# tile image and hold the word's letters; every other square shows its own tile.
board_marks_word() {
    read_window Lettro
    local picture="$E2E_OUT/board.ppm" seen marked="" index
    /usr/bin/convert "$SHOT" -depth 8 "$picture"
    seen=$(probe board "Z:$picture" "$BOARD_X" "$BOARD_Y" "Z:$TILE_FOLDER" "$TILE_PIXELS") || true
    [ "${#seen}" -eq 16 ] || { echo "no board read off $SHOT" >&2; return 1; }
    for ((index = 0; index < 16; index++)); do
        if [ "${seen:index:1}" = "?" ]; then
            marked="$marked${1:index:1}"
        elif [ "${seen:index:1}" != "${1:index:1}" ]; then
            echo "square $index of $SHOT shows ${seen:index:1}, not ${1:index:1}" >&2
            return 1
        fi
    done
    [ "$(printf '%s' "$marked" | fold -w 1 | sort)" = "$(printf '%s' "$2" | fold -w 1 | sort)" ] ||
        { echo "the marked squares of $SHOT ($seen) hold \"$marked\", not the letters of $2" >&2; return 1; }
}

# ----- The board ---------------------------------------------------------------------------------

# New Game from the File menu (Alt+F, N): a new board on screen, read into BOARD; the screenshot
# is named NAME.
deal_board() {
    local previous=${BOARD:-}
    choose_from_file_menu n
    wait_until 15 board_shown "$1" "$previous" ||
        fail "no new board on screen after New Game: $(tail -n 1 "$E2E_OUT/probe.log")"
}

# The words that the game accepts on BOARD, as lettro-solve finds them in WORD_LIST, into SOLUTIONS.
solve_board() {
    SOLUTIONS="$E2E_OUT/solutions.txt"
    "$SOLVE" "$1" "$BOARD" >"$SOLUTIONS" || fail "lettro-solve failed on board $BOARD"
    SOLUTION_COUNT=$(wc -l <"$SOLUTIONS")
}

is_solution() {
    grep -qx -- "$(printf '%s' "$1" | tr a-z A-Z)" "$SOLUTIONS"
}

# The real pointer moved onto the centre of the tile at INDEX (reading order) of the main window
# read last, the left button held or not; then the xdotool commands that follow (click 1, mousedown 1 …).
pointer_to_tile() {
    xdotool mousemove $((BOARD_X + TILE_PIXELS * ($1 % 4) + TILE_PIXELS / 2)) \
        $((BOARD_Y + TILE_PIXELS * ($1 / 4) + TILE_PIXELS / 2)) "${@:2}"
}

# Clicks on the tile at INDEX, as a player does.
click_tile() {
    pointer_to_tile "$1" click 1
}

double_click_tile() {
    pointer_to_tile "$1" click --repeat 2 --delay 80 1
}

# A path of distinct, neighbouring tiles of BOARD that spells WORD: their indexes in reading order,
# a line each; nothing when the board holds none. Further arguments: the path's start so far.
path_for_word() {
    local word=$1 next
    shift
    [ "$#" -lt "${#word}" ] || { printf '%s\n' "$@"; return 0; }
    for ((next = 0; next < 16; next++)); do
        if [ "${BOARD:next:1}" = "${word:$#:1}" ] && [[ " $* " != *" $next "* ]] &&
            { [ "$#" -eq 0 ] || (((next / 4 - ${!#} / 4) ** 2 <= 1 && (next % 4 - ${!#} % 4) ** 2 <= 1)); }; then
            path_for_word "$word" "$@" "$next" && return 0
        fi
    done
    return 1
}

# The tiles to click for WORD, one distinct tile a letter: their indexes in reading order, a line each.
tiles_for_word() {
    local word letter index i
    local -a used=()
    word=$(printf '%s' "$1" | tr a-z A-Z)
    for ((i = 0; i < ${#word}; i++)); do
        letter=${word:i:1}
        for ((index = 0; index < 16; index++)); do
            if [ "${BOARD:index:1}" = "$letter" ] && [[ " ${used[*]} " != *" $index "* ]]; then
                used+=("$index")
                break
            fi
        done
        [ "$index" -lt 16 ] || fail "no free tile for the letter $letter of $word on board $BOARD"
    done
    printf '%s\n' "${used[@]}"
}

# ----- Files ----------------------------------------------------------------------------------

# One line of "High Scores.dat" as the game writes it under Windows: the name padded with zero bytes
# to 30, the score in decimal, CR LF. The name may hold \0 for a zero byte.
score_line() {
    local length
    length=$(printf '%b' "$1" | wc -c)
    printf '%b' "$1"
    head -c $((30 - length)) /dev/zero
    printf '%s\r\n' "$2"
}

expect_same_bytes() {
    cmp -s "$1" "$2" || fail "$3: $1 holds
$(od -c "$1" | head -n 40)
expected
$(od -c "$2" | head -n 40)"
}

expect_no_file() {
    [ ! -e "$1" ] || fail "$2: $1 is there"
}

# No copy's temporary file ("High Scores.dat.<process id>.new") is left in the folder.
expect_no_temporary_file() {
    local left
    left=$(find "$1" -maxdepth 1 -name 'High Scores.dat.*.new' | head -n 1)
    [ -z "$left" ] || fail "$2: $left is there"
}
