#!/usr/bin/env bash
# No words.dic beside the game: a box says so, naming the file, its folder and why; the game still
# starts and deals, every word is invalid, the closing box says 0 out of 0, no name is asked for,
# and Exit, with nothing to save, writes no high-score file.
set -eEu
SCENARIO=no-word-list
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

# Types WORD, hands it in with Enter, and checks the status line; the score stays empty of words.
hand_in_typed() {
    type_text "$1"
    wait_for_text Lettro "$WORD_FIELD" "$1"
    press Return
    wait_for_text Lettro "$WORD_FIELD" ""
    wait_for_text Lettro "$STATUS_LINE" "$2"
    expect_text "$SCORE_DISPLAY" "0" "score after handing in \"$1\""
}

start_session

step "starting Lettro with no word list beside it"
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$GAME_FOLDER/"
start_lettro "$GAME_FOLDER" Lettro.exe

step "answering the box about the missing word list"
wait_for_window Error 30
wait_for_screen word-list-box dialog_shown Error
# The folder as Windows names it: Wine's drive Z: is the root of the file system.
folder="Z:$(printf '%s' "$GAME_FOLDER" | tr / '\\')"
box_text=$(text_of 65535)
opening="The word list \"words.dic\" could not be opened in the folder\n$folder\n\n"
closing="\n\nWithout it, every word handed in is called invalid."
[[ "$box_text" == "$opening"?*"$closing" ]] ||
    fail "the box says \"$box_text\", not \"$opening\" and the system's reason, then \"$closing\""
click_control Error "$BOX_OK"
wait_for_window_gone Error 10
wait_for_screen started board_blank

step "dealing a board (Alt+F, N)"
activate_main_window
deal_board dealt
read_window Lettro
expect_enabled "$WORD_FIELD" 1 "word field during the game"

step "handing in words: none is valid"
first_row=$(printf '%s' "${BOARD:0:4}" | tr A-Z a-z)
hand_in_typed "$first_row" "Invalid Word"
hand_in_typed "the" "Invalid Word"
hand_in_typed "$first_row" "Already Entered"
read_window Lettro
click_tile 12
wait_for_text Lettro "$WORD_FIELD" "${BOARD:12:1}"
double_click_tile 13
wait_for_text Lettro "$WORD_FIELD" ""
expect_text "$STATUS_LINE" "Invalid Word" "status line after a clicked word"
expect_text "$SCORE_DISPLAY" "0" "score after a clicked word"
expect_equal "$(list_items_of "$FOUND_WORDS")" "" "found-words list"
screenshot words-handed-in

step "letting the three minutes run out"
wait_for_window Congratulations 240
wait_for_screen closing-box dialog_shown Congratulations
expect_text 65535 " You got 0 out of 0" "closing box"

step "answering the closing box: a score of 0 asks for no name"
click_control Congratulations "$BOX_OK"
wait_for_window_gone Congratulations 10
# The name entry would open before the main window handles its next message: this read is one.
read_window Lettro
expect_equal "$WINDOW_ENABLED" 1 "main window enabled (1) or not (0) after the closing box"
if probe windows | grep -q "	Enter Name\$"; then
    fail "an \"Enter Name\" dialog opened for a score of 0"
fi
screenshot after-closing-box

step "leaving the game (Alt+F, X)"
exit_lettro

step "checking the files left behind"
expect_no_file "$GAME_FOLDER/High Scores.dat" "a high-score file with nothing to save"
expect_no_temporary_file "$GAME_FOLDER" "the save's temporary file"
log "passed"
