#!/usr/bin/env bash
# A save that cannot happen: Lettro runs with no room to write a byte (a file-size limit, which stops
# root too). The name entered after a game is saved at once: the failure is told, with Retry and
# Cancel; Exit tries again and tells again, Cancel ends the game normally, and the old
# "High Scores.dat" is left exactly as it was.
set -eEu
SCENARIO=failed-save
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

# The buttons of the failed save's box (the system's IDRETRY and IDCANCEL).
BOX_RETRY=4
BOX_CANCEL=2

# The failed save's box: the file and the system's reason, Retry and Cancel.
expect_failed_save_box() {
    wait_for_window Error 30
    wait_for_screen "save-failed-$1" dialog_shown Error
    read_window Error
    local box_text opening='The high scores could not be saved to "High Scores.dat".\n\n'
    box_text=$(text_of 65535)
    [[ "$box_text" == "$opening"[[:alpha:]]* ]] || fail "the failed save's box says \"$box_text\", not the file and a reason"
    [ -n "$(text_of "$BOX_RETRY")" ] && [ -n "$(text_of "$BOX_CANCEL")" ] || fail "the failed save's box has no Retry and Cancel"
    log "the box says: $box_text"
}

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

step "playing a game of one word to its end"
activate_main_window
word=""
for deal in 1 2 3 4 5; do
    deal_board "deal-$deal"
    solve_board "$GAME_FOLDER/words.dic"
    word=$(awk 'length($0) <= 8' "$SOLUTIONS" | head -n 1)
    [ -z "$word" ] || break
done
[ -n "$word" ] || fail "five deals in a row had no word short enough to type"
type_text "$word"
press Return
wait_for_text Lettro "$SCORE_DISPLAY" 1
wait_for_window Congratulations 240
click_control Congratulations "$BOX_OK"
wait_for_name_entry
type_text "Dee"
press Return

step "the entry is saved at once: the failure is told, with Retry and Cancel"
expect_failed_save_box entered
click_control Error "$BOX_RETRY"
wait_until 10 window_gone Error || true
expect_failed_save_box retried
click_control Error "$BOX_CANCEL"
wait_for_window_gone Error 10

step "leaving the game (Alt+F, X): the entry is tried again, Cancel ends the game"
choose_from_file_menu x
expect_failed_save_box at-exit
click_control Error "$BOX_CANCEL"
expect_game_ends 30

step "checking that the old file is untouched"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/old-high-scores" "High Scores.dat after a failed save"
expect_equal "$(stat -c %i "$GAME_FOLDER/High Scores.dat")" "$old_inode" "inode of High Scores.dat"
expect_no_temporary_file "$GAME_FOLDER" "the failed save's temporary file"
log "passed"
