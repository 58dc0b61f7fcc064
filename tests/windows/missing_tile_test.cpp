// A program whose "B" image is missing: one error box at start-up, and the letter drawn in its place.
#include <gtest/gtest.h>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "ui/board/board_painting.h"
#include "ui/resources/resource_ids.h"
#include "ui/common/ui_state.h"
#include "windows_test_support.h"

namespace {

TEST(MissingTile, StartUpReportsItsSlotNumberOnceAndTheBoardStillShowsTheLetter)
{
    answerNextMessageBox();
    HWND dialog = openMainWindow("ab");
    ASSERT_EQ(answeredBoxCount(), 1);
    AnsweredBox box = lastAnsweredBox();
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.text, "Could not load Bitmap 6") << "numbered by slot in letterOrder, not alphabetically";
    EXPECT_EQ(box.owner, dialog);
    EXPECT_EQ(tileBitmaps[5], nullptr);

    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        gameState.tileLetters[tile] = 'B';
    }
    layOutBoard();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<unsigned> square = screenSquare(dialog, 130, 130);
    int white = 0;
    int darkInTheMiddle = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            unsigned pixel = square[static_cast<std::size_t>(y * 60 + x)];
            white += pixel == 0xFFFFFF ? 1 : 0;
            bool middle = x >= 15 && x < 45 && y >= 10 && y < 50;
            darkInTheMiddle += middle && (pixel & 0xFF) < 0x60 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 60 * 60 / 2) << "a white tile";
    EXPECT_GT(darkInTheMiddle, 50) << "with a dark letter in its middle";
    DestroyWindow(dialog);
}

} // namespace
