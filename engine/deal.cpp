// Dealing the board from the C library's generator, seeded twice from the clock.
#include "engine/deal.h"

#include "engine/display.h"
#include "engine/game_state.h"
#include "engine/random_source.h"

const char letterOrder[] = "AEIOUBCDFGHJKLMNPQRSTVWXYZ";

namespace {

const int CONSONANT_COUNT = LETTER_COUNT - VOWEL_COUNT;

void seedFromClock()
{
    seedRandom(static_cast<unsigned>(currentSeconds()));
}

void drawLetters()
{
    for (int position = 0; position < TILE_COUNT; ++position) {
        if (position < VOWELS_PER_BOARD) {
            gameState.tileLetters[position] = letterOrder[drawRandom() % VOWEL_COUNT];
        } else {
            gameState.tileLetters[position] = letterOrder[VOWEL_COUNT + drawRandom() % CONSONANT_COUNT];
        }
    }
}

// Within one second of the clock the shuffle replays the numbers that chose the letters.
void shuffleLetters()
{
    for (int swap = 0; swap < SHUFFLE_SWAPS; ++swap) {
        int first = drawRandom() % TILE_COUNT;
        int second = drawRandom() % TILE_COUNT;
        char kept = gameState.tileLetters[first];
        gameState.tileLetters[first] = gameState.tileLetters[second];
        gameState.tileLetters[second] = kept;
    }
}

} // namespace

void layOutBoard()
{
    for (int position = 0; position < TILE_COUNT; ++position) {
        int column = position % BOARD_SIZE;
        int row = position / BOARD_SIZE;
        gameState.board[boardIndex(column, row)] = gameState.tileLetters[position];
    }
}

void dealBoard()
{
    seedFromClock();
    drawLetters();
    seedFromClock();
    shuffleLetters();
    layOutBoard();
    requestBoardRepaint();
}
