#!/usr/bin/env bash
# Lettro started from another working folder: words.dic is still read from beside the program, while
# "High Scores.dat" is read in the working folder, and left exactly as it was by an Exit with nothing
# new to save. Decoys in each folder tell them apart.
# The program's folder is named in Cyrillic, outside the ANSI code page, which an ANSI path of it
# would turn into "?".
set -eEu
SCENARIO=other-working-folder
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

start_session

step "preparing the program's folder and the working folder"
GAME_FOLDER="$E2E_OUT/программа"
WORK_FOLDER="$E2E_OUT/work"
mkdir -p "$GAME_FOLDER" "$WORK_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
# Decoys: a table beside the program, and an empty word list in the working folder.
score_line "Beside The Program" 500 >"$GAME_FOLDER/High Scores.dat"
cp "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/decoy-high-scores"
: >"$WORK_FOLDER/words.dic"
# The working folder's own table: unsorted, with bare line feeds as another editor may leave them.
{
    score_line "Carol" 30
    score_line "Alice" 10
    score_line "Bob" 20
} | tr -d '\r' >"$WORK_FOLDER/High Scores.dat"
cp "$WORK_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores"

step "starting Lettro from the working folder"
start_lettro "$WORK_FOLDER" "$GAME_FOLDER/Lettro.exe"
wait_for_screen started board_blank

step "dealing a board (Alt+F, N): a word of the program's words.dic is accepted"
activate_main_window
deal_board dealt
solve_board "$GAME_FOLDER/words.dic"
[ "$SOLUTION_COUNT" -gt 0 ] || fail "board $BOARD has no solutions to hand in"
word=$(head -n 1 "$SOLUTIONS" | tr A-Z a-z)
type_text "$word"
wait_for_text Lettro "$WORD_FIELD" "$word"
press Return
wait_for_text Lettro "$SCORE_DISPLAY" "1"
expect_text "$STATUS_LINE" "$BLANK_STATUS" "status line after handing in \"$word\""
expect_equal "$(list_items_of "$FOUND_WORDS")" "$word" "found-words list"

step "opening High Scores (Alt+F, H): the working folder's table, sorted"
open_high_scores
expect_high_score_row 0 "Alice" 10
expect_high_score_row 1 "Bob" 20
expect_high_score_row 2 "Carol" 30
expect_high_score_row 3 "" 0
close_high_scores

step "leaving the game (Alt+F, X)"
exit_lettro

step "checking the files: nothing new was saved, so both tables are untouched"
expect_same_bytes "$WORK_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "working folder's High Scores.dat"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/decoy-high-scores" "High Scores.dat beside the program"
expect_no_temporary_file "$WORK_FOLDER" "the save's temporary file"
expect_no_temporary_file "$GAME_FOLDER" "a temporary file beside the program"
log "passed"
