#!/usr/bin/env bash
# A hand-made "High Scores.dat" of twelve unsorted CR LF lines: the game shows the first ten sorted,
# and Exit, with nothing new to save, leaves the file exactly as it was.
set -eEu
SCENARIO=hand-made-scores
# shellcheck source=lettro_session.sh
. "$(dirname "$0")/lettro_session.sh"

# The twelve entries as "name|score"; a name may hold \0 for a zero byte, the rest is zero bytes.
ENTRIES=(
    "Ann|42"
    "Zed Zephyr|-5"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd|1234"
    "Tom\\0kept after the end|7"
    "Twenty-nine characters long..|999"
    "|0"
    "Second at 42|42"
    "Mia|2147483647"
    "Lo|-2147483648"
    "Sam|100"
    "Eleventh line|5000"
    "Twelfth line|1"
)
# The first ten in ascending order of score; equal scores keep the file's order.
SORTED=(8 1 5 3 0 6 9 4 2 7)

entry_line() {
    score_line "${ENTRIES[$1]%|*}" "${ENTRIES[$1]##*|}"
}

# What the High Scores dialog shows of a name: up to its first zero byte.
shown_name() {
    local name=${ENTRIES[$1]%|*}
    printf '%s' "${name%%\\0*}"
}

start_session

step "writing the hand-made file"
GAME_FOLDER="$E2E_OUT/game"
mkdir -p "$GAME_FOLDER"
cp "$PROGRAM_FOLDER/Lettro.exe" "$PROGRAM_FOLDER/words.dic" "$GAME_FOLDER/"
for index in "${!ENTRIES[@]}"; do
    entry_line "$index"
done >"$GAME_FOLDER/High Scores.dat"
cp -p "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores"

step "starting Lettro"
start_lettro "$GAME_FOLDER" Lettro.exe
wait_for_screen started board_blank

step "opening High Scores (Alt+F, H): ten rows, the highest score on top"
activate_main_window
open_high_scores
for slot in "${!SORTED[@]}"; do
    index=${SORTED[$slot]}
    expect_high_score_row "$slot" "$(shown_name "$index")" "${ENTRIES[$index]##*|}"
done
close_high_scores

step "leaving the game (Alt+F, X)"
exit_lettro

step "checking High Scores.dat byte for byte: nothing was written"
expect_same_bytes "$GAME_FOLDER/High Scores.dat" "$E2E_OUT/expected-high-scores" "High Scores.dat"
expect_no_temporary_file "$GAME_FOLDER" "the save's temporary file"
log "passed"
