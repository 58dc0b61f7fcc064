// Making the tile images for the size of a tile at the window's scale, kept for the next paint.
//
// GDI's own resizing is not used: StretchBlt's HALFTONE mode filters on Windows, but what other
// GDIs (Wine's) do with it is their own, and the look of the letters' edges should not depend on it.
// An area average (a box filter of the exact overlap) and a bilinear blend are a few lines each and
// the same everywhere. The large images are read straight from the resources, which stay mapped
// with the program: no bitmap is loaded for them, and nothing is read back from GDI.
#include "ui/board/tile_images.h"

#include <algorithm>
#include <vector>

#include "ui/resources/resource_ids.h"

namespace {

// A large image as the resource holds it: 8-bit palette indices, bottom-up rows.
struct LargeImage {
    const RGBQUAD* palette;
    const BYTE* rows;
};

// What the images are made from, and what has been made: for the side in madeSide, by slot, each
// made as first asked for.
struct TileImages {
    LargeImage large[LETTER_COUNT];
    HBITMAP made[LETTER_COUNT];
    int madeSide;
};

TileImages images = {};

using Pixels = std::vector<unsigned>;

const int PALETTE_ENTRIES = 256;

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

// The resource's image when it is exactly what the generator writes; else none.
LargeImage largeImageOf(HINSTANCE module, int id)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)); // RT_BITMAP
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const BYTE* bytes = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    DWORD size = found != nullptr ? SizeofResource(module, found) : 0;
    DWORD expected = sizeof(BITMAPINFOHEADER) + PALETTE_ENTRIES * sizeof(RGBQUAD) + LARGE_TILE_PIXELS * LARGE_TILE_PIXELS;
    if (bytes == nullptr || size < expected) {
        return LargeImage{nullptr, nullptr};
    }
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    bool plain = header->biSize == sizeof(BITMAPINFOHEADER) && header->biWidth == LARGE_TILE_PIXELS &&
                 header->biHeight == LARGE_TILE_PIXELS && header->biBitCount == 8 &&
                 header->biCompression == BI_RGB && (header->biClrUsed == 0 || header->biClrUsed == PALETTE_ENTRIES);
    if (!plain) {
        return LargeImage{nullptr, nullptr};
    }
    const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(bytes + header->biSize);
    return LargeImage{palette, reinterpret_cast<const BYTE*>(palette + PALETTE_ENTRIES)};
}

// The large image's pixels as 0x00RRGGBB, top row first. Its rows need no padding: 184 is a
// multiple of four.
Pixels pixelsOf(const LargeImage& image)
{
    Pixels pixels(static_cast<std::size_t>(LARGE_TILE_PIXELS) * LARGE_TILE_PIXELS);
    for (int y = 0; y < LARGE_TILE_PIXELS; ++y) {
        const BYTE* row = image.rows + static_cast<std::size_t>(LARGE_TILE_PIXELS - 1 - y) * LARGE_TILE_PIXELS;
        for (int x = 0; x < LARGE_TILE_PIXELS; ++x) {
            RGBQUAD colour = image.palette[row[x]];
            pixels[static_cast<std::size_t>(y * LARGE_TILE_PIXELS + x)] =
                static_cast<unsigned>(colour.rgbRed) << 16 | static_cast<unsigned>(colour.rgbGreen) << 8 | colour.rgbBlue;
        }
    }
    return pixels;
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

// Where the centre of pixel `to` of `big` falls among the `side` source pixels, in 1/256ths,
// kept within the first and last source pixels' centres.
int sourcePoint(int to, int big, int side)
{
    int point = ((2 * to + 1) * side * 256 / big - 256) / 2;
    return std::min(std::max(point, 0), (side - 1) * 256);
}

// One pixel of an image grown past the source: the four source pixels round its centre blended.
unsigned blendedPixel(const Pixels& large, int side, int x, int y, int big)
{
    int pointX = sourcePoint(x, big, side);
    int pointY = sourcePoint(y, big, side);
    int leftX = pointX / 256, topY = pointY / 256;
    int rightX = std::min(leftX + 1, side - 1), bottomY = std::min(topY + 1, side - 1);
    unsigned shareX = static_cast<unsigned>(pointX % 256), shareY = static_cast<unsigned>(pointY % 256);
    auto at = [&](int px, int py, int shift) { return channel(large[static_cast<std::size_t>(py * side + px)], shift); };
    unsigned result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned top = at(leftX, topY, shift) * (256 - shareX) + at(rightX, topY, shift) * shareX;
        unsigned bottom = at(leftX, bottomY, shift) * (256 - shareX) + at(rightX, bottomY, shift) * shareX;
        result |= ((top * (256 - shareY) + bottom * shareY + 32768) >> 16) << shift;
    }
    return result;
}

HBITMAP imageOfSide(const LargeImage& image, int side)
{
    Pixels large = pixelsOf(image);
    BITMAPINFO info = squareInfo(side);
    void* bits = nullptr;
    HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (made == nullptr) {
        return nullptr;
    }
    unsigned* target = static_cast<unsigned*>(bits);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            target[y * side + x] = side <= LARGE_TILE_PIXELS ? averagedPixel(large, LARGE_TILE_PIXELS, x, y, side)
                                                             : blendedPixel(large, LARGE_TILE_PIXELS, x, y, side);
        }
    }
    return made;
}

void forgetMadeImages()
{
    for (HBITMAP& image : images.made) {
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
        images.large[slot] = largeImageOf(module, LARGE_TILE_BITMAP_FIRST + alphabetical);
    }
}

HBITMAP tileImageOfSide(int slot, int side)
{
    if (side != images.madeSide) {
        forgetMadeImages();
        images.madeSide = side;
    }
    if (images.made[slot] == nullptr && images.large[slot].rows != nullptr && side > 0) {
        images.made[slot] = imageOfSide(images.large[slot], side);
    }
    return images.made[slot];
}
