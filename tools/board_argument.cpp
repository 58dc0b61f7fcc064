// Reading lettro-solve's BOARD argument into the game state's board.
#include "tools/board_argument.h"

#include <cstring>
#include <string>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"

namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isBoard(const char* text)
{
    if (std::strlen(text) != static_cast<std::size_t>(TILE_COUNT)) {
        return false;
    }
    for (int position = 0; position < TILE_COUNT; ++position) {
        if (!isLetter(text[position])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool setBoardFromArgument(const char* text)
{
    if (!isBoard(text)) {
        return false;
    }
    std::string letters = upperCased(std::string(text, static_cast<std::size_t>(TILE_COUNT)));
    std::memcpy(gameState.tileLetters, letters.data(), static_cast<std::size_t>(TILE_COUNT));
    layOutBoard();
    return true;
}
