#!/usr/bin/env bash
# Whole games with the keyboard alone, read from another program as a screen reader reads it: an
# untimed game dealt with Shift+F2 and ended from the menu, its score kept out of the table; then
# the names, F2, the board from its cells' names and from Ctrl+B, a word picked with the arrow keys
# and Space, dropped with Escape, picked again and read around with Ctrl+N, the grid keys, a word
# typed, the closing box (its tally told, Ctrl+B read over it) and Enter Name (its field focused,
# the score's place told) answered with keys, High Scores by rank and Solutions' tally and words.
# Each deal, each end and each reading key is read from the announcers as a screen reader reads
# them, with real X keys for the Ctrl chords. (The Windows tests hear the events.)
set -eEu
SCENARIO=keyboard-game
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

MARK=0
NAME_ANNOUNCER=$(resource_id IDC_NAME_ANNOUNCER)

time_is_counted() {
    read_window Lettro
    [ "$(text_of "$TIME_DISPLAY")" != "--:--" ]
}

word_field_holds_one_letter() {
    read_window Lettro
    [[ "$(text_of "$WORD_FIELD")" =~ ^[A-Za-z]$ ]]
}

# Moves the board's focus mark to tile $1 (reading order) with the arrow keys, then presses Space.
pick_with_keys() {
    local keys=() step
    for ((step = MARK / 4; step < $1 / 4; step++)); do keys+=(Down); done
    for ((step = MARK / 4; step > $1 / 4; step--)); do keys+=(Up); done
    for ((step = MARK % 4; step < $1 % 4; step++)); do keys+=(Right); done
    for ((step = MARK % 4; step > $1 % 4; step--)); do keys+=(Left); done
    press "${keys[@]}" space
    MARK=$1
}

# The cells of ACCESSIBLE whose state has the focus (0x4), by index in reading order.
focused_cell() {
    printf '%s\n' "$ACCESSIBLE" | awk -F '\t' '$1 == "cell" {
        if (index("4567cdef", substr($3, length($3)))) { found = found (found == "" ? "" : " ") (n + 0) }
        n++
    } END { print found }'
}

# The board's letters in reading order as Ctrl+B reads them: "Row 1: A B C D. Row 2: …".
board_reading() {
    local row reading=""
    for row in 0 1 2 3; do
        reading+="${reading:+ }Row $((row + 1)):$(printf '%s' "${1:$((row * 4)):4}" | sed 's/./ &/g')."
    done
    printf '%s\n' "$reading"
}

# Solutions' announcer tells a word of the list ITEMS (newline-separated, "* " before a word
# found) as found or missed, as the list marks it, and each of its letters with a place.
word_told() {
    read_window Solutions
    local told word mark
    told=$(text_of "$SOLUTIONS_ANNOUNCER")
    word=${told%%,*}
    mark=${told#"$word, "}
    mark=${mark%%:*}
    [[ "$told" =~ ^[A-Z]+,\ (found|missed):\ [A-Z]\ row\ [1-4]\ column\ [1-4] ]] || return 1
    if [ "$mark" = found ]; then
        printf '%s\n' "$1" | grep -qx "\* $word"
    else
        printf '%s\n' "$1" | grep -qx "$word"
    fi
}

# The cells of ACCESSIBLE whose state says selected, by index in reading order.
selected_cells() {
    printf '%s\n' "$ACCESSIBLE" | awk -F '\t' '$1 == "cell" {
        if (index("2367abef", substr($3, length($3)))) { found = found (found == "" ? "" : " ") (n + 0) }
        n++
    } END { print found }'
}

start_session
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
start_lettro "$GAME_FOLDER" Lettro.exe

step "the controls' names"
read_accessible Lettro
expect_equal "$(accessible_name "$WORD_FIELD")/$(accessible_name "$STATUS_LINE")/$(accessible_name "$BOARD_CONTROL")" \
    "Word/Status/Board" "the names a screen reader reads"

step "Shift+F2 deals an untimed game; a word typed; End Game (Alt+F, E) ends it, and no name is asked"
press shift+F2
wait_for_text Lettro "$TIME_ANNOUNCER" "New untimed game"
wait_until 15 board_shown untimed || fail "no board on screen after Shift+F2"
wait_for_text Lettro "$TIME_DISPLAY" "--:--"
solve_board "$GAME_FOLDER/words.dic"
type_text "$(head -n 1 "$SOLUTIONS" | tr A-Z a-z)"
press Return
wait_for_text Lettro "$SCORE_DISPLAY" 1
press ctrl+t
wait_for_text Lettro "$TIME_ANNOUNCER" "Untimed game, 1 word found"
choose_from_file_menu e
wait_for_window Congratulations 10
wait_for_text Lettro "$TIME_ANNOUNCER" \
    "Game ended. You got 1 out of $SOLUTION_COUNT. Untimed games do not enter the high scores."
read_window Congratulations
expect_text 65535 " You got 1 out of $SOLUTION_COUNT\nUntimed games do not enter the high scores." "closing box"
# The box takes no key in its first 1.5 s.
sleep 2
press Return
wait_for_window_gone Congratulations 10
read_window Lettro
expect_text "$TIME_DISPLAY" "--:--" "time display after End Game"
if probe windows | grep -q "	Enter Name\$"; then
    fail "an \"Enter Name\" dialog opened for an untimed game"
fi
expect_no_file "$GAME_FOLDER/High Scores.dat" "after the untimed game"

step "Alt+F, N from the board, twice: the second, in a running game, leaves the focus there too"
activate_main_window
choose_from_file_menu n
wait_until 15 time_is_counted || fail "no timed game after Alt+F, N"
# The menu's N must not also reach the game, as a letter typed on the board for the word field.
choose_from_file_menu n
sleep 1
press space
wait_until 5 word_field_holds_one_letter || fail "Space after Alt+F, N picked no tile: the focus left the board"
press space
wait_for_text Lettro "$WORD_FIELD" ""
# The new board read plain, with the focus mark gone to the list; then back to the board.
press Tab
wait_until 15 board_shown menu-deal "$BOARD" || fail "no new board on screen after Alt+F, N"
press shift+Tab

step "F2 deals a timed game, telling the word left over, and the board's cells name the letters on screen in reading order"
activate_main_window
# The board has had the focus since the box closed, its mark on a tile: Tab takes it on to the list,
# so that the new board is read plain and the word field takes the focus.
press Tab
type_text leg
press F2
wait_for_text Lettro "$TIME_ANNOUNCER" "New game, 3 minutes. Your word so far: LEG."
press Escape
wait_for_text Lettro "$WORD_FIELD" ""
wait_until 15 board_shown dealt "$BOARD" || fail "no new board on screen after F2"
read_accessible Lettro
expect_equal "$(board_from_cells)" "$BOARD" "the board read from its cells' names"
solve_board "$GAME_FOLDER/words.dic"
word=$(head -n 1 "$SOLUTIONS")
[ -n "$word" ] || fail "board $BOARD has no word"
mapfile -t tiles < <(tiles_for_word "$word")

step "heard from another program: Ctrl+B reads the board, Ctrl+T twice is heard twice, Tab, Tab to the board's cell"
start_listening 8
press ctrl+b
press ctrl+t ctrl+t
press Tab Tab
stop_listening
mapfile -t announced < <(heard_names 8019)
expect_equal "${#announced[@]}" 3 "the announcements heard: $(heard_names 8019 | paste -sd '|')"
expect_equal "${announced[0]}" "$(board_reading "$BOARD")" "Ctrl+B"
[[ "${announced[1]}" =~ ^(2\ minutes|3\ minutes).*\ left,\ no\ words\ found$ ]] || fail "Ctrl+T told \"${announced[1]}\""
# Unchanged unless a second ticked between the two presses: heard again either way.
[[ "${announced[2]}" =~ \ left,\ no\ words\ found$ ]] || fail "the second Ctrl+T told \"${announced[2]}\""
heard_names 8005 | grep -qx "${BOARD:0:1}, row 1, column 1" ||
    fail "no focus heard on the board's first cell: $(heard_names 8005 | paste -sd '|')"

step "a pick taken back with Backspace, picked again and dropped with Escape"
press ctrl+n
wait_for_text Lettro "$TIME_ANNOUNCER" "No letter picked"
pick_with_keys "${tiles[0]}"
wait_for_text Lettro "$WORD_FIELD" "${word:0:1}"
press BackSpace
wait_for_text Lettro "$ANNOUNCER" "took back ${word:0:1}: no word"
press space
wait_for_text Lettro "$WORD_FIELD" "${word:0:1}"
press Escape
wait_for_text Lettro "$WORD_FIELD" ""
wait_for_text Lettro "$ANNOUNCER" "Word cleared"

step "$word picked with the arrow keys and Space; Ctrl+N reads round its last letter"
for index in "${tiles[@]}"; do
    pick_with_keys "$index"
done
wait_for_text Lettro "$WORD_FIELD" "$word"
press ctrl+n
wait_for_text_starting Lettro "$TIME_ANNOUNCER" "Next to ${word: -1}: "
read_accessible Lettro
expect_equal "$(selected_cells)" "$(printf '%s\n' "${tiles[@]}" | sort -n | paste -sd ' ')" "the picked cells, selected"

step "Ctrl+End, Home and Page Up move the focus mark to the board's edges"
press ctrl+End
read_accessible Lettro
expect_equal "$(focused_cell)" 15 "the cell with the focus after Ctrl+End"
press Home
read_accessible Lettro
expect_equal "$(focused_cell)" 12 "the cell with the focus after Home"
press Prior
read_accessible Lettro
expect_equal "$(focused_cell)" 0 "the cell with the focus after Page Up"
MARK=0

step "Enter held down hands it in once; a word typed on the board goes into the word field"
xdotool keydown Return
sleep 0.8
xdotool keyup Return
wait_for_text Lettro "$SCORE_DISPLAY" 1
wait_for_text Lettro "$ANNOUNCER" "$word found, 1 word"
type_text qzxv
wait_for_text Lettro "$WORD_FIELD" qzxv
press Return
wait_for_text Lettro "$STATUS_LINE" "Invalid Word"

step "a letter picked on the board, Shift+Tab twice into the word field: a letter typed extends it"
press Tab Tab space
wait_for_text Lettro "$WORD_FIELD" "${BOARD:0:1}"
press shift+Tab shift+Tab
type_text z
wait_for_text Lettro "$WORD_FIELD" "${BOARD:0:1}z"
press Escape
wait_for_text Lettro "$WORD_FIELD" ""

step "the time runs out; a word typed into the closing box leaves it open; Enter after a pause closes it"
wait_for_window Congratulations 240
wait_for_text Lettro "$TIME_ANNOUNCER" "Time's up. You got 1 out of $SOLUTION_COUNT."
type_text cat
press Return
sleep 0.5
window_exists Congratulations || fail "a word typed as the box appeared closed it"
press ctrl+b
wait_for_text Lettro "$TIME_ANNOUNCER" "$(board_reading "$BOARD")"
window_exists Congratulations || fail "Ctrl+B closed the closing box"
sleep 2
start_listening 6
press Return
wait_for_name_entry
wait_for_text "Enter Name" "$NAME_ANNOUNCER" "You got 1: place 1. Type your name."
expect_equal "$(probe focus "Enter Name")" "focus	$NAME_FIELD	Enter Name" "where the focus is as Enter Name opens"
stop_listening
expect_equal "$(heard_names 8005 | tail -n 1)" "Your name" \
    "the last focus heard as Enter Name opens: $(heard_names 8005 | paste -sd '|')"
type_text Kay
start_listening 4
press Return
wait_for_window_gone "Enter Name" 10
wait_for_text Lettro "$TIME_ANNOUNCER" "Saved in place 1"
expect_equal "$(probe focus Lettro)" "focus	$BOARD_CONTROL	Lettro" "where the focus is once the name is entered"
stop_listening
if heard_names 8005 | grep -qx Lettro; then
    fail "the focus was heard on the bare main window: $(heard_names 8005 | paste -sd '|')"
fi
score_line Kay 1 >"$E2E_OUT/expected-high-scores"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "High Scores.dat"

step "High Scores read by rank: the one entry, in the bottom row, is place 1"
open_high_scores
read_accessible "High Scores"
expect_equal "$(accessible_name "$SCORE_NAME_FIRST")/$(accessible_name $((SCORE_NAME_FIRST + 18)))" \
    "Place 1 name/Empty row" "the names of the bottom and the top rows"
close_high_scores

step "Solutions (Alt+F, S): its list is named for a screen reader, its tally told, a word told with its letters"
choose_from_file_menu s
wait_for_window Solutions 10
wait_for_text Solutions "$SOLUTIONS_ANNOUNCER" "You found 1 of $SOLUTION_COUNT"
read_accessible Solutions
expect_equal "$(accessible_name "$SOLUTIONS_LIST")" "Words on this board" "the Solutions list's name"
items=$(list_items_of "$SOLUTIONS_LIST")
press Down
wait_until 10 word_told "$items" || fail "Solutions told \"$(text_of "$SOLUTIONS_ANNOUNCER")\" for the word selected"
press Escape
wait_for_window_gone Solutions 10
exit_lettro
log "passed"
