#!/usr/bin/env bash
# A whole game as a player plays it: words typed, clicked and traced, three minutes run out, the closing box,
# a name entered with Enter, the High Scores and Solutions dialogs (a word's path marked on the board),
# Exit, and the high-score file.
set -eEu
SCENARIO=full-game
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

PLAYER="Ada Byron"
NON_WORDS=(qzxv jjjw)
# Every word handed in, as handed in.
HANDED_IN=()

# New Game until the board has at least $1 solutions short enough to type: the word field takes
# no more than its width shows. They go into SHORT_SOLUTIONS; a few boards have hardly any.
deal_board_with_solutions() {
    local deal
    for deal in 1 2 3 4 5; do
        deal_board "deal-$deal"
        solve_board "$GAME_FOLDER/words.dic"
        mapfile -t SHORT_SOLUTIONS < <(awk 'length($0) <= 8' "$SOLUTIONS")
        log "board $BOARD has $SOLUTION_COUNT solutions, ${#SHORT_SOLUTIONS[@]} of up to 8 letters"
        if [ "${#SHORT_SOLUTIONS[@]}" -ge "$1" ]; then
            return
        fi
    done
    fail "five deals in a row had fewer than $1 solutions"
}

# Types WORD and hands it in with Enter; then the status line, the score and the field are checked.
hand_in_typed() {
    local word=$1 status=$2 score=$3
    type_text "$word"
    wait_for_text Lettro "$WORD_FIELD" "$word"
    press Return
    HANDED_IN+=("$word")
    expect_after_hand_in "$word" "$status" "$score"
}

expect_after_hand_in() {
    wait_for_text Lettro "$WORD_FIELD" ""
    wait_for_text Lettro "$SCORE_DISPLAY" "$3"
    expect_text "$STATUS_LINE" "$2" "status line after handing in \"$1\""
}

# Clicks the tiles of WORD one by one and double-clicks the last one, which picks it and hands the
# word in; the word field shows each letter as it is picked.
hand_in_clicked() {
    local word=$1 status=$2 score=$3 picked="" index tiles
    mapfile -t tiles < <(tiles_for_word "$word")
    [ "${#tiles[@]}" -eq "${#word}" ] || fail "no tiles found for \"$word\" on board $BOARD"
    read_window Lettro
    for index in "${tiles[@]:0:${#tiles[@]}-1}"; do
        click_tile "$index"
        picked="$picked${BOARD:index:1}"
        wait_for_text Lettro "$WORD_FIELD" "$picked"
    done
    index=${tiles[${#tiles[@]}-1]}
    double_click_tile "$index"
    HANDED_IN+=("$picked${BOARD:index:1}")
    expect_after_hand_in "$word" "$status" "$score"
}

# Traces WORD (upper case) with the real pointer: pressed on its first tile, slid through the
# others' centres, back onto the one before the last (its letter taken back), on again, let go.
hand_in_traced() {
    local word=$1 status=$2 score=$3 step tiles
    mapfile -t tiles < <(path_for_word "$word")
    [ "${#tiles[@]}" -eq "${#word}" ] || fail "no path for \"$word\" on board $BOARD"
    read_window Lettro
    pointer_to_tile "${tiles[0]}" mousedown 1
    for ((step = 1; step < ${#word}; step++)); do
        pointer_to_tile "${tiles[step]}"
        wait_for_text Lettro "$WORD_FIELD" "${word:0:step+1}"
    done
    pointer_to_tile "${tiles[step-2]}"
    wait_for_text Lettro "$WORD_FIELD" "${word:0:step-1}"
    pointer_to_tile "${tiles[step-1]}" mouseup 1
    HANDED_IN+=("$word")
    expect_after_hand_in "$word" "$status" "$score"
}

# The distinct solutions among the words handed in, whatever their case.
distinct_solutions_handed_in() {
    local word
    for word in "${HANDED_IN[@]}"; do
        if is_solution "$word"; then
            printf '%s\n' "$word" | tr a-z A-Z
        fi
    done | sort -u | wc -l
}

# The solutions as the Solutions dialog should list them: lettro-solve's order, the player's marked.
marked_solutions() {
    local found word
    found=$(printf '%s\n' "${HANDED_IN[@]}" | tr a-z A-Z)
    while IFS= read -r word; do
        if grep -qxF -- "$word" <<<"$found"; then
            printf '* %s\n' "$word"
        else
            printf '%s\n' "$word"
        fi
    done <"$SOLUTIONS"
}

capitalised() {
    printf '%s%s' "$(printf '%s' "${1:0:1}" | tr a-z A-Z)" "$(printf '%s' "${1:1}" | tr A-Z a-z)"
}

lower() {
    printf '%s' "$1" | tr A-Z a-z
}

start_session

step "starting Lettro in a folder of its own"
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
start_lettro "$GAME_FOLDER" Lettro.exe
wait_for_screen started board_blank
read_window Lettro
expect_text "$TIME_DISPLAY" "3:00" "time display before the first game"
expect_enabled "$WORD_FIELD" 0 "word field before the first game"

step "dealing a board (Alt+F, N) and reading it off the screen"
activate_main_window
deal_board_with_solutions 5
solution=("${SHORT_SOLUTIONS[@]}")
for word in "${NON_WORDS[@]}"; do
    ! is_solution "$word" || fail "\"$word\" was meant to be no word of board $BOARD"
done

step "typing words and pressing Enter"
read_window Lettro
expect_enabled "$WORD_FIELD" 1 "word field during the game"
expect_enabled "$SUBMIT" 1 "Submit button during the game"
hand_in_typed "$(lower "${solution[0]}")" "$BLANK_STATUS" 1
hand_in_typed "${NON_WORDS[0]}" "Invalid Word" 1
hand_in_typed "$(capitalised "${solution[1]}")" "$BLANK_STATUS" 2
hand_in_typed "${solution[0]}" "Already Entered" 2
hand_in_typed "${NON_WORDS[0]}" "Already Entered" 2
hand_in_typed "${NON_WORDS[1]}" "Invalid Word" 2
hand_in_typed "$(lower "${solution[2]}")" "$BLANK_STATUS" 3

step "clicking the tiles of a word and double-clicking its last tile"
hand_in_clicked "${solution[3]}" "$BLANK_STATUS" 4

step "tracing a word with the pointer, the button held, and letting go"
hand_in_traced "${solution[4]}" "$BLANK_STATUS" 5
screenshot words-handed-in
read_window Lettro
expect_equal "$(list_items_of "$FOUND_WORDS" | paste -sd ,)" \
    "$(lower "${solution[0]}"),$(capitalised "${solution[1]}"),$(lower "${solution[2]}"),${solution[3]},${solution[4]}" \
    "found-words list"
[[ "$(text_of "$TIME_DISPLAY")" =~ ^[0-2]:[0-5][0-9]$ ]] || fail "time display shows \"$(text_of "$TIME_DISPLAY")\""
expect_equal "$(distinct_solutions_handed_in)" 5 "distinct solutions handed in"

step "letting the three minutes run out"
wait_for_window Congratulations 240
wait_for_screen closing-box dialog_shown Congratulations
expect_text 65535 " You got $(distinct_solutions_handed_in) out of $SOLUTION_COUNT" "closing box"
read_window Lettro
expect_text "$TIME_DISPLAY" "0:00" "time display at the end"
expect_enabled "$WORD_FIELD" 0 "word field at the end"
expect_enabled "$SUBMIT" 0 "Submit button at the end"

step "answering the closing box"
click_control Congratulations "$BOX_OK"
wait_for_window_gone Congratulations 10

step "entering a name and pressing Enter"
wait_for_name_entry
wait_for_screen enter-name dialog_shown "Enter Name"
read_window Lettro
expect_equal "$WINDOW_ENABLED" 0 "main window enabled (1) or not (0) while the name is entered"
type_text "$PLAYER"
wait_for_text "Enter Name" "$NAME_FIELD" "$PLAYER"
press Return
wait_for_window_gone "Enter Name" 10
read_window Lettro
expect_equal "$WINDOW_ENABLED" 1 "main window enabled (1) or not (0) after the name was entered"
score_line "$PLAYER" "$(distinct_solutions_handed_in)" >"$E2E_OUT/expected-high-scores"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "High Scores.dat once the name is entered"

step "the last board stays painted once the dialogs are gone"
dealt_board=$BOARD
# The board has the focus now, its mark on a tile: Tab takes it on to the list.
press Tab
wait_until 10 board_shown after-name-entry || fail "the board is not painted again after the dialogs closed"
expect_equal "$BOARD" "$dealt_board" "board after the dialogs closed"

step "opening High Scores (Alt+F, H)"
open_high_scores
expect_high_score_row 0 "$PLAYER" "$(distinct_solutions_handed_in)"
for slot in 1 2 3 4 5 6 7 8 9; do
    expect_high_score_row "$slot" "" 0
done
close_high_scores

step "opening Solutions (Alt+F, S): every word of the board, the player's own marked"
choose_from_file_menu s
wait_for_window Solutions 10
# Its word list is white: a smaller share of the dialog has the face colour.
wait_for_screen solutions dialog_shown Solutions 0.2
expect_text "$SOLUTIONS_TALLY" "You found $(distinct_solutions_handed_in) of $SOLUTION_COUNT" "Solutions tally"
expect_equal "$(list_items_of "$SOLUTIONS_LIST")" "$(marked_solutions)" "Solutions list"
expect_equal "$(list_items_of "$SOLUTIONS_LIST" | grep -c '^\* ')" "$(distinct_solutions_handed_in)" "words marked"
log "Solutions at $WINDOW_PLACE"

# The board is read off the screen with the word's squares marked and every other square plain,
# so Solutions covers none of it.
step "clicking the first word in Solutions marks its path on the board"
read -r left top right bottom <<<"$(control_field "$SOLUTIONS_LIST" 5)"
click_screen $((left + 20)) $((top + 6))
wait_for_screen solution-marked board_marks_word "$dealt_board" "$(head -n 1 "$SOLUTIONS")"
press Return
wait_for_window_gone Solutions 10
wait_until 10 board_shown after-solutions || fail "the board is not plain again after Solutions closed"
expect_equal "$BOARD" "$dealt_board" "board after Solutions closed"

step "leaving the game (Alt+F, X)"
exit_lettro

step "checking High Scores.dat byte for byte"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "High Scores.dat"
expect_no_temporary_file "$GAME_FOLDER" "the save's temporary file"
log "passed"
