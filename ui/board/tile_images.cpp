// Shrinking the large tile images to the size of a tile at the window's DPI, kept for the next paint.
//
// GDI's own shrinking is not used: StretchBlt's HALFTONE mode filters on Windows, but what other
// GDIs (Wine's) do with it is their own, and the look of the letters' edges should not depend on it.
// An area average (a box filter of the exact overlap) is a few lines and the same everywhere.
#include "ui/board/tile_images.h"

#include <algorithm>
#include <vector>

#include "ui/resources/resource_ids.h"

HBITMAP largeTileBitmaps[LETTER_COUNT];

namespace {

// The images of the side in shrunkSide, by slot; made as first asked for.
HBITMAP shrunkImages[LETTER_COUNT];
int shrunkSide = 0;

using Pixels = std::vector<unsigned>;

// A side x side 32-bit top-down DIB's header.
BITMAPINFO squareInfo(int side)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The large image's pixels as 0x00RRGGBB, top row first; empty when they cannot be read.
Pixels pixelsOf(HBITMAP image, int& side)
{
    BITMAP record;
    if (GetObjectA(image, sizeof record, &record) == 0 || record.bmWidth != record.bmHeight) {
        return Pixels();
    }
    side = record.bmWidth;
    Pixels pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    BITMAPINFO info = squareInfo(side);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, image, 0, static_cast<UINT>(side), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == side ? pixels : Pixels();
}

// How much of large pixel `from` (of `large`) lies in small pixel `to` (of `small`), both measured
// in units of 1 / (large * small) of the side: the small pixel covers [to * large, (to + 1) * large).
int overlap(int to, int small, int from, int large)
{
    int start = std::max(to * large, from * small);
    int end = std::min((to + 1) * large, (from + 1) * small);
    return end > start ? end - start : 0;
}

unsigned channel(unsigned pixel, int shift)
{
    return pixel >> shift & 0xFFu;
}

// One small pixel: the large pixels under it, each weighted by its overlap across and down.
unsigned averagedPixel(const Pixels& large, int side, int x, int y, int small)
{
    unsigned long long sums[3] = {0, 0, 0};
    int firstX = x * side / small;
    int firstY = y * side / small;
    int lastX = std::min(side - 1, ((x + 1) * side - 1) / small);
    int lastY = std::min(side - 1, ((y + 1) * side - 1) / small);
    for (int from = firstY; from <= lastY; ++from) {
        unsigned long long down = static_cast<unsigned long long>(overlap(y, small, from, side));
        for (int across = firstX; across <= lastX; ++across) {
            unsigned long long weight = down * static_cast<unsigned long long>(overlap(x, small, across, side));
            unsigned pixel = large[static_cast<std::size_t>(from * side + across)];
            for (int c = 0; c < 3; ++c) {
                sums[c] += weight * channel(pixel, 8 * c);
            }
        }
    }
    // The weights of one small pixel add up to side * side.
    unsigned long long total = static_cast<unsigned long long>(side) * static_cast<unsigned long long>(side);
    unsigned result = 0;
    for (int c = 0; c < 3; ++c) {
        result |= static_cast<unsigned>((sums[c] + total / 2) / total) << (8 * c);
    }
    return result;
}

HBITMAP shrunkImage(HBITMAP image, int small)
{
    int side = 0;
    Pixels large = pixelsOf(image, side);
    if (large.empty() || small > side) {
        return nullptr;
    }
    BITMAPINFO info = squareInfo(small);
    void* bits = nullptr;
    HBITMAP shrunk = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (shrunk == nullptr) {
        return nullptr;
    }
    unsigned* target = static_cast<unsigned*>(bits);
    for (int y = 0; y < small; ++y) {
        for (int x = 0; x < small; ++x) {
            target[y * small + x] = averagedPixel(large, side, x, y, small);
        }
    }
    return shrunk;
}

void forgetShrunkImages()
{
    for (HBITMAP& image : shrunkImages) {
        DeleteObject(image);
        image = nullptr;
    }
}

} // namespace

void loadLargeTileBitmaps()
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int slot = 0; slot < LETTER_COUNT; ++slot) {
        int alphabetical = letterOrder[slot] - 'A';
        largeTileBitmaps[slot] = LoadBitmapA(module, MAKEINTRESOURCEA(LARGE_TILE_BITMAP_FIRST + alphabetical));
    }
}

HBITMAP tileImageOfSide(int slot, int side)
{
    if (side != shrunkSide) {
        forgetShrunkImages();
        shrunkSide = side;
    }
    if (shrunkImages[slot] == nullptr && largeTileBitmaps[slot] != nullptr) {
        shrunkImages[slot] = shrunkImage(largeTileBitmaps[slot], side);
    }
    return shrunkImages[slot];
}
