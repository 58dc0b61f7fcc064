#!/usr/bin/env bash
# A save that cannot happen: Lettro runs with no room to write a byte (a file-size limit, which stops
# root too). Exit tells the player, then ends the game normally; the old "High Scores.dat" is left
# exactly as it was.
set -eEu
SCENARIO=failed-save
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

start_session

step "writing an unsorted table, which a save would write back sorted"
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
{
    score_line "Carol" 30
    score_line "Alice" 10
    score_line "Bob" 20
} >"$GAME_FOLDER/High Scores.dat"
cp -p "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/old-high-scores"
old_inode=$(stat -c %i "$GAME_FOLDER/High Scores.dat")

step "starting Lettro with a file-size limit of 0"
start_lettro_unable_to_write "$GAME_FOLDER" Lettro.exe
wait_for_screen started board_blank

step "opening High Scores (Alt+F, H): the table was read and sorted"
activate_main_window
open_high_scores
expect_high_score_row 0 "Alice" 10
expect_high_score_row 1 "Bob" 20
expect_high_score_row 2 "Carol" 30
close_high_scores

step "leaving the game (Alt+F, X): the failed save is reported"
choose_from_file_menu x
wait_for_window Error 30
wait_for_screen save-failed dialog_shown Error
read_window Error
box_text=$(text_of 65535)
opening='The high scores could not be saved to "High Scores.dat".\n\n'
[[ "$box_text" == "$opening"[[:alpha:]]* ]] || fail "the failed save's box says \"$box_text\", not the file and a reason"
log "the box says: $box_text"
click_control Error "$BOX_OK"
expect_game_ends 30

step "checking that the old file is untouched"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/old-high-scores" "High Scores.dat after a failed save"
expect_equal "$(stat -c %i "$GAME_FOLDER/High Scores.dat")" "$old_inode" "inode of High Scores.dat"
expect_no_file "$GAME_FOLDER/High Scores.dat.new" "the failed save's temporary file"
log "passed"
