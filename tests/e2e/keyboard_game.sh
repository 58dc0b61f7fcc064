#!/usr/bin/env bash
# A whole game with the keyboard alone, read as a screen reader reads it from another program: the
# controls' names, F2, the board read from its cells' names, a word picked on the board with the
# arrow keys and Space, a word typed, the verdicts announced, the closing box and Enter Name
# answered with keys, High Scores read by its names, and Exit. No click anywhere.
set -eEu
SCENARIO=keyboard-game
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

PLAYER="Kay"
NON_WORD=qzxv
MARK_ROW=0
MARK_COLUMN=0

# Moves the board's focus mark to tile INDEX (reading order) with the arrow keys, then Space.
pick_with_keys() {
    local row=$(($1 / 4)) column=$(($1 % 4)) keys=()
    while [ "$MARK_ROW" -lt "$row" ]; do keys+=(Down); MARK_ROW=$((MARK_ROW + 1)); done
    while [ "$MARK_ROW" -gt "$row" ]; do keys+=(Up); MARK_ROW=$((MARK_ROW - 1)); done
    while [ "$MARK_COLUMN" -lt "$column" ]; do keys+=(Right); MARK_COLUMN=$((MARK_COLUMN + 1)); done
    while [ "$MARK_COLUMN" -gt "$column" ]; do keys+=(Left); MARK_COLUMN=$((MARK_COLUMN - 1)); done
    press "${keys[@]}" space
}

# The indexes (reading order) of the cells in ACCESSIBLE whose state says selected.
selected_cells() {
    local kind name state index=0 selected=()
    while IFS=$'\t' read -r kind name state; do
        [ "$kind" = cell ] || continue
        if (((0x$state & 2) != 0)); then
            selected+=("$index")
        fi
        index=$((index + 1))
    done <<<"$ACCESSIBLE"
    printf '%s' "${selected[*]}"
}

start_session

step "starting Lettro in a folder of its own"
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
start_lettro "$GAME_FOLDER" Lettro.exe

step "the controls as a screen reader names them"
read_accessible Lettro
expect_accessible_name "$WORD_FIELD" "Word"
expect_accessible_name "$STATUS_LINE" "Status"
expect_accessible_name "$FOUND_WORDS" "Words found this game"
expect_accessible_name "$TIME_DISPLAY" "Time remaining"
expect_accessible_name "$SCORE_DISPLAY" "Words found"
expect_accessible_name "$BOARD_CONTROL" "Board"
expect_equal "$(board_from_cells)" "" "the board's cells before the first game"

step "F2 deals; the board's cells name the letters on screen, in reading order"
press F2
wait_until 15 board_shown dealt || fail "no board on screen after F2"
read_accessible Lettro
expect_equal "$(board_from_cells)" "$BOARD" "the board read from its cells' names"
solve_board "$GAME_FOLDER/words.dic"
word=$(awk 'length($0) >= 3 && length($0) <= 8' "$SOLUTIONS" | head -n 1)
[ -n "$word" ] || word=$(head -n 1 "$SOLUTIONS")
log "board $BOARD, picking $word"

step "Tab twice reaches the board, whose first cell takes the focus"
start_listening 200
press Tab Tab
expect_heard "focus	${BOARD:0:1}, row 1, column 1"

step "picking the word with the arrow keys and Space, and handing it in with Enter"
mapfile -t tiles < <(tiles_for_word "$word")
for index in "${tiles[@]}"; do
    pick_with_keys "$index"
done
wait_for_text Lettro "$WORD_FIELD" "$(printf '%s' "$word" | tr a-z A-Z)"
read_accessible Lettro
expect_equal "$(selected_cells)" "$(printf '%s\n' "${tiles[@]}" | sort -n | paste -sd ' ')" "the picked cells, selected"
press Return
wait_for_text Lettro "$SCORE_DISPLAY" 1
expect_heard "live	$(printf '%s' "$word" | tr a-z A-Z) found, 1 word"

step "a word typed on the board goes into the word field; its verdict is announced"
type_text "$NON_WORD"
wait_for_text Lettro "$WORD_FIELD" "$NON_WORD"
press Return
wait_for_text Lettro "$STATUS_LINE" "Invalid Word"
expect_heard "live	Invalid Word"

step "the time runs short and out: one minute and ten seconds left are announced"
wait_for_window Congratulations 240
expect_heard "live	One minute left"
expect_heard "live	Ten seconds left"

step "the closing box answered with Enter, once the keys of the game are no longer taken"
sleep 1
press Return
wait_for_window_gone Congratulations 10

step "Enter Name: its field named for a screen reader, a name typed and Enter"
wait_for_name_entry
read_accessible "Enter Name"
expect_accessible_name "$NAME_FIELD" "Your name"
type_text "$PLAYER"
wait_for_text "Enter Name" "$NAME_FIELD" "$PLAYER"
press Return
wait_for_window_gone "Enter Name" 10
score_line "$PLAYER" 1 >"$E2E_OUT/expected-high-scores"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "High Scores.dat after the name"

step "High Scores (Alt+F, H): each field named by its place"
open_high_scores
read_accessible "High Scores"
expect_accessible_name $((SCORE_NAME_FIRST + 18)) "Place 1 name"
expect_accessible_name $((SCORE_VALUE_FIRST + 18)) "Place 1 score"
expect_accessible_name "$SCORE_NAME_FIRST" "Place 10 name"
expect_high_score_row 0 "$PLAYER" 1
press Return
wait_for_window_gone "High Scores" 10

step "leaving the game (Alt+F, X)"
exit_lettro
log "passed"
