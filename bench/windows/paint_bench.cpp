// The time to paint the whole board at the DPI of the Wine prefix it runs in (make bench runs it at
// 288 dots an inch, 300 %): the first paint at a new tile size, which makes the sixteen images,
// and the paints after it, which draw the kept ones. Measured under Wine, whose GDI draws into
// the X server: a figure to compare runs by, not Windows' own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/board/board_on_screen.h"
#include "ui/board/tile_images.h"
#include "ui/common/window_dpi.h"
#include "windows_test_support.h"

namespace {

const int FIRST_PAINTS = 20;
const int LATER_PAINTS = 200;

double millisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One whole paint of the board, handled at once.
double timedPaint(HWND dialog, bool freshImages)
{
    if (freshImages) {
        tileImageOfSide(0, tilePixels() + 1); // another size: the kept images are let go
    }
    RECT board = boardRect();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    RedrawWindow(dialog, &board, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
    return millisecondsSince(start);
}

void report(const char* name, HWND dialog, int paints, bool freshImages)
{
    std::vector<double> times;
    for (int paint = 0; paint < paints; ++paint) {
        times.push_back(timedPaint(dialog, freshImages));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s %9.3f ms median %9.3f ms fastest %6d paints\n", name, times[times.size() / 2], times[0], paints);
}

} // namespace

int main()
{
    HWND dialog = openMainWindow("ab abc cab");
    if (dialog == nullptr) {
        std::printf("paint_bench: the main window could not be opened\n");
        return 1;
    }
    newGameWithBoard(dialog, "ABCDEFGHIJKLMNOP");
    std::printf("Painting the whole board at %d dots an inch, tiles of %d pixels:\n", windowDpi(dialog), tilePixels());
    report("BM_PaintBoard/first paint at a new size", dialog, FIRST_PAINTS, true);
    report("BM_PaintBoard/later paints", dialog, LATER_PAINTS, false);
    DestroyWindow(dialog);
    return 0;
}
