#!/usr/bin/env bash
# Lettro started from another working folder: words.dic is still read from beside the program, while
# "High Scores.dat" is read in the working folder, and left exactly as it was by an Exit with nothing
# new to save. Decoys in each folder tell them apart.
# The program's folder is named in Cyrillic, outside the ANSI code page, which an ANSI path of it
# would turn into "?", and lies deeper than MAX_PATH (260 characters), where a name read into a
# buffer of that size would be cut. Help opens "Lettro.chm" from beside the program too: with none
# there, a box names the missing file in full, and the working folder's copy stays unopened.
set -eEu
SCENARIO=other-working-folder
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

start_session

step "preparing the program's folder and the working folder"
GAME_FOLDER="$E2E_OUT/программа"
for level in 1 2 3 4 5 6 7; do
    GAME_FOLDER="$GAME_FOLDER/deeper-than-windows-maximum-path-$level"
done
# As Windows names it: Wine's drive Z: is the root of the file system.
GAME_FOLDER_NAME="Z:$(printf '%s' "$GAME_FOLDER" | tr / '\\')"
[ "$(printf '%s' "$GAME_FOLDER_NAME" | wc -m)" -gt 260 ] || fail "the program's folder is not deeper than MAX_PATH"
WORK_FOLDER="$E2E_OUT/work"
mkdir -p "$GAME_FOLDER" "$WORK_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
# Decoys: a table beside the program, an empty word list and the help document in the working folder.
score_line "Beside The Program" 500 >"$GAME_FOLDER/High Scores.dat"
cp "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/decoy-high-scores"
: >"$WORK_FOLDER/words.dic"
cp "$PROGRAM_FOLDER/Lettro.chm" "$WORK_FOLDER/"
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

step "asking for Help (Alt+F, Right, Enter): no document beside the program, and that is told"
press alt+f Right Return
wait_for_window Error 30
wait_for_screen help-box dialog_shown Error
# The probe reads the box's text in the ANSI code page, where each Cyrillic letter is a "?".
folder_read=$(printf '%s' "$GAME_FOLDER_NAME" | LC_ALL=C.UTF-8 sed 's/[^ -~]/?/g')
expect_equal "$(text_of 65535 | sed 's/\\n\\n.*//')" "The help could not be opened:\\n$folder_read\\Lettro.chm" \
    "the box about the help document"
click_control Error "$BOX_OK"
wait_for_window_gone Error 10

step "leaving the game (Alt+F, X)"
exit_lettro

step "checking the files: nothing new was saved, so both tables are untouched"
expect_same_bytes "$WORK_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "working folder's High Scores.dat"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/decoy-high-scores" "High Scores.dat beside the program"
expect_no_temporary_file "$WORK_FOLDER" "the save's temporary file"
expect_no_temporary_file "$GAME_FOLDER" "a temporary file beside the program"
log "passed"
