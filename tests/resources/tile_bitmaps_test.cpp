// The committed tile bitmaps and icon: the exact bytes the resource script and the board painting rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Colour {
    int red;
    int green;
    int blue;
};

// Where the dark pixels of a picture lie, inclusive, and how many there are.
struct InkBox {
    int left;
    int right;
    int top;
    int bottom;
    int count;
};

const std::size_t FILE_HEADER_SIZE = 14;
const std::size_t INFO_HEADER_SIZE = 40;
const std::size_t PALETTE_ENTRIES = 256;
const std::size_t PALETTE_SIZE = 4 * PALETTE_ENTRIES;

const int TILE_SIDE = 70;
const std::size_t TILE_ROW_BYTES = 72;
const std::size_t TILE_PIXEL_BYTES = TILE_ROW_BYTES * TILE_SIDE;
const std::size_t TILE_PALETTE_OFFSET = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
const std::size_t TILE_PIXEL_OFFSET = TILE_PALETTE_OFFSET + PALETTE_SIZE;
const std::size_t TILE_FILE_SIZE = 6118;
// windres drops the 14-byte file header: what Lettro.exe carries of each tile.
const std::size_t TILE_RESOURCE_SIZE = 6104;
const int FRAME_WIDTH = 3;

const int ICON_SIDE = 35;
const std::size_t ICON_DIRECTORY_SIZE = 6 + 16;
const std::size_t ICON_ROW_BYTES = 36;
const std::size_t ICON_MASK_ROW_BYTES = 8;
const std::size_t ICON_COLOUR_BYTES = ICON_ROW_BYTES * ICON_SIDE;
const std::size_t ICON_MASK_BYTES = ICON_MASK_ROW_BYTES * ICON_SIDE;
const std::size_t ICON_IMAGE_SIZE = INFO_HEADER_SIZE + PALETTE_SIZE + ICON_COLOUR_BYTES + ICON_MASK_BYTES;
const std::size_t ICON_PALETTE_OFFSET = ICON_DIRECTORY_SIZE + INFO_HEADER_SIZE;
const std::size_t ICON_COLOUR_OFFSET = ICON_PALETTE_OFFSET + PALETTE_SIZE;
const std::size_t ICON_MASK_OFFSET = ICON_COLOUR_OFFSET + ICON_COLOUR_BYTES;

const char* const LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

Bytes readFile(const std::string& path)
{
    Bytes bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    unsigned char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    return bytes;
}

Bytes readTile(char letter)
{
    return readFile(std::string(TILE_FOLDER) + "/" + letter + ".bmp");
}

std::uint32_t readU16(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t readU32(const Bytes& bytes, std::size_t at)
{
    return readU16(bytes, at) | readU16(bytes, at + 2) << 16;
}

std::int32_t readS32(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::int32_t>(readU32(bytes, at));
}

Colour paletteColour(const Bytes& bytes, std::size_t paletteOffset, unsigned index)
{
    std::size_t at = paletteOffset + 4 * index;
    return Colour{bytes[at + 2], bytes[at + 1], bytes[at]};
}

bool isDark(Colour colour)
{
    return colour.red < 100 && colour.green < 100 && colour.blue < 100;
}

bool isNearWhite(Colour colour)
{
    return colour.red >= 230 && colour.green >= 230 && colour.blue >= 230;
}

// Rows are stored bottom-up; y counts from the top, as on screen.
Colour tilePixel(const Bytes& tile, int x, int y)
{
    std::size_t row = static_cast<std::size_t>(TILE_SIDE - 1 - y);
    unsigned index = tile[TILE_PIXEL_OFFSET + row * TILE_ROW_BYTES + static_cast<std::size_t>(x)];
    return paletteColour(tile, TILE_PALETTE_OFFSET, index);
}

bool inFrame(int x, int y)
{
    int far = TILE_SIDE - FRAME_WIDTH;
    return x < FRAME_WIDTH || y < FRAME_WIDTH || x >= far || y >= far;
}

bool inCentre(int x, int y)
{
    return x >= 20 && x < 50 && y >= 20 && y < 50;
}

InkBox inkBox(const Bytes& tile)
{
    InkBox box{TILE_SIDE, -1, TILE_SIDE, -1, 0};
    for (int y = 0; y < TILE_SIDE; ++y) {
        for (int x = 0; x < TILE_SIDE; ++x) {
            if (isDark(tilePixel(tile, x, y))) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
                ++box.count;
            }
        }
    }
    return box;
}

std::string letterName(const ::testing::TestParamInfo<char>& info)
{
    return std::string(1, info.param);
}

// ---- Each tile on its own ------------------------------------------------------------------

using TileBitmap = ::testing::TestWithParam<char>;

TEST_P(TileBitmap, FileHeaderGivesTheSizeAndWhereThePixelsStart)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    EXPECT_EQ(tile.size() - FILE_HEADER_SIZE, TILE_RESOURCE_SIZE);
    EXPECT_EQ(tile.size() - TILE_PIXEL_OFFSET, TILE_PIXEL_BYTES);
    EXPECT_EQ(tile[0], 'B');
    EXPECT_EQ(tile[1], 'M');
    EXPECT_EQ(readU32(tile, 2), TILE_FILE_SIZE);
    EXPECT_EQ(readU16(tile, 6), 0u);
    EXPECT_EQ(readU16(tile, 8), 0u);
    EXPECT_EQ(readU32(tile, 10), TILE_PIXEL_OFFSET);
}

TEST_P(TileBitmap, InfoHeaderDescribesA70By70BottomUp256ColourBitmap)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    EXPECT_EQ(readU32(tile, 14), INFO_HEADER_SIZE);
    EXPECT_EQ(readS32(tile, 18), 70);
    EXPECT_EQ(readS32(tile, 22), 70);
    EXPECT_EQ(readU16(tile, 26), 1u);
    EXPECT_EQ(readU16(tile, 28), 8u);
    EXPECT_EQ(readU32(tile, 30), 0u);
    EXPECT_EQ(readU32(tile, 34), TILE_PIXEL_BYTES);
    EXPECT_EQ(readS32(tile, 38), 2835);
    EXPECT_EQ(readS32(tile, 42), 2835);
    EXPECT_EQ(readU32(tile, 46), PALETTE_ENTRIES);
    EXPECT_EQ(readU32(tile, 50), 0u);
}

TEST_P(TileBitmap, ColourTableHoldsBlackAndWhiteWithReservedBytesZero)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    bool black = false;
    bool white = false;
    for (unsigned index = 0; index < PALETTE_ENTRIES; ++index) {
        Colour colour = paletteColour(tile, TILE_PALETTE_OFFSET, index);
        black = black || (colour.red == 0 && colour.green == 0 && colour.blue == 0);
        white = white || (colour.red == 255 && colour.green == 255 && colour.blue == 255);
        EXPECT_EQ(tile[TILE_PALETTE_OFFSET + 4 * index + 3], 0) << "entry " << index;
    }
    EXPECT_TRUE(black);
    EXPECT_TRUE(white);
}

TEST_P(TileBitmap, RowPaddingIsZero)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    for (std::size_t row = 0; row < static_cast<std::size_t>(TILE_SIDE); ++row) {
        std::size_t rowStart = TILE_PIXEL_OFFSET + row * TILE_ROW_BYTES;
        EXPECT_EQ(tile[rowStart + 70], 0) << "row " << row;
        EXPECT_EQ(tile[rowStart + 71], 0) << "row " << row;
    }
}

TEST_P(TileBitmap, TileIsMostlyWhite)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    int white = 0;
    for (int y = 0; y < TILE_SIDE; ++y) {
        for (int x = 0; x < TILE_SIDE; ++x) {
            white += isNearWhite(tilePixel(tile, x, y)) ? 1 : 0;
        }
    }
    EXPECT_GT(white * 10, TILE_SIDE * TILE_SIDE * 6);
}

TEST_P(TileBitmap, LetterIsDarkInTheMiddleAndClearOfTheEdge)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    int centre = 0;
    int frame = 0;
    for (int y = 0; y < TILE_SIDE; ++y) {
        for (int x = 0; x < TILE_SIDE; ++x) {
            bool dark = isDark(tilePixel(tile, x, y));
            centre += dark && inCentre(x, y) ? 1 : 0;
            frame += dark && inFrame(x, y) ? 1 : 0;
        }
    }
    EXPECT_GE(centre, 150);
    EXPECT_EQ(frame, 0);
}

TEST_P(TileBitmap, LetterIsCentredAcrossWithinAPixel)
{
    Bytes tile = readTile(GetParam());
    ASSERT_EQ(tile.size(), TILE_FILE_SIZE);
    InkBox box = inkBox(tile);
    int leftGap = box.left;
    int rightGap = TILE_SIDE - 1 - box.right;
    EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " left, " << rightGap << " right";
}

INSTANTIATE_TEST_SUITE_P(EveryLetter, TileBitmap, ::testing::ValuesIn(std::string(LETTERS)), letterName);

// ---- The tiles side by side ----------------------------------------------------------------

TEST(TileSet, EveryLetterHangsFromTheSameCapLineAndAllButJAndQSitOnOneBaseline)
{
    Bytes reference = readTile('H');
    ASSERT_EQ(reference.size(), TILE_FILE_SIZE);
    InkBox h = inkBox(reference);
    for (char letter : std::string(LETTERS)) {
        Bytes tile = readTile(letter);
        ASSERT_EQ(tile.size(), TILE_FILE_SIZE) << letter;
        InkBox box = inkBox(tile);
        EXPECT_EQ(box.top, h.top) << letter;
        if (letter == 'J' || letter == 'Q') {
            EXPECT_GT(box.bottom, h.bottom + 4) << letter;
        } else {
            EXPECT_LE(std::abs(box.bottom - h.bottom), 1) << letter;
        }
    }
}

TEST(TileSet, EveryTileHasTheSameEdgeAndWindowBlueCorners)
{
    Bytes reference = readTile('A');
    ASSERT_EQ(reference.size(), TILE_FILE_SIZE);
    for (char letter : std::string(LETTERS)) {
        Bytes tile = readTile(letter);
        ASSERT_EQ(tile.size(), TILE_FILE_SIZE) << letter;
        for (int y = 0; y < TILE_SIDE; ++y) {
            for (int x = 0; x < TILE_SIDE; ++x) {
                Colour mine = tilePixel(tile, x, y);
                Colour theirs = tilePixel(reference, x, y);
                bool same = mine.red == theirs.red && mine.green == theirs.green && mine.blue == theirs.blue;
                EXPECT_TRUE(!inFrame(x, y) || same) << letter << " at " << x << "," << y;
            }
        }
        for (int corner : {0, TILE_SIDE - 1}) {
            Colour colour = tilePixel(tile, corner, corner);
            EXPECT_EQ(colour.red, 150) << letter;
            EXPECT_EQ(colour.green, 150) << letter;
            EXPECT_EQ(colour.blue, 255) << letter;
        }
    }
}

// ---- The large tiles -----------------------------------------------------------------------
// The same drawing at 184 pixels, shrunk by the game for tiles above 60 pixels.

const int LARGE_SIDE = 184;
const std::size_t LARGE_PIXEL_BYTES = LARGE_SIDE * LARGE_SIDE; // rows of 184 bytes need no padding
const std::size_t LARGE_FILE_SIZE = TILE_PIXEL_OFFSET + LARGE_PIXEL_BYTES;

Bytes readLargeTile(char letter)
{
    return readFile(std::string(TILE_FOLDER) + "/large/" + letter + ".bmp");
}

Colour largePixel(const Bytes& tile, int x, int y)
{
    std::size_t row = static_cast<std::size_t>(LARGE_SIDE - 1 - y);
    unsigned index = tile[TILE_PIXEL_OFFSET + row * LARGE_SIDE + static_cast<std::size_t>(x)];
    return paletteColour(tile, TILE_PALETTE_OFFSET, index);
}

// The green of the large pixels whose centres lie in small pixel (x, y), averaged.
int averagedGreen(const Bytes& large, int x, int y)
{
    int sum = 0;
    int count = 0;
    for (int down = y * LARGE_SIDE / TILE_SIDE; down < (y + 1) * LARGE_SIDE / TILE_SIDE; ++down) {
        for (int across = x * LARGE_SIDE / TILE_SIDE; across < (x + 1) * LARGE_SIDE / TILE_SIDE; ++across) {
            sum += largePixel(large, across, down).green;
            ++count;
        }
    }
    return sum / count;
}

using LargeTileBitmap = ::testing::TestWithParam<char>;

TEST_P(LargeTileBitmap, HeadersDescribeA184By184BottomUp256ColourBitmap)
{
    Bytes tile = readLargeTile(GetParam());
    ASSERT_EQ(tile.size(), LARGE_FILE_SIZE);
    EXPECT_EQ(readU32(tile, 2), LARGE_FILE_SIZE);
    EXPECT_EQ(readU32(tile, 10), TILE_PIXEL_OFFSET);
    EXPECT_EQ(readU32(tile, 14), INFO_HEADER_SIZE);
    EXPECT_EQ(readS32(tile, 18), LARGE_SIDE);
    EXPECT_EQ(readS32(tile, 22), LARGE_SIDE);
    EXPECT_EQ(readU16(tile, 28), 8u);
    EXPECT_EQ(readU32(tile, 30), 0u);
    EXPECT_EQ(readU32(tile, 34), LARGE_PIXEL_BYTES);
    EXPECT_EQ(readU32(tile, 46), PALETTE_ENTRIES);
}

// The large tile, averaged down to 70 pixels, is within a few levels of the small tile's pixel at
// nine pixels in ten: the same letter in the same place, not another drawing.
TEST_P(LargeTileBitmap, AveragedDownItIsTheSmallTile)
{
    Bytes large = readLargeTile(GetParam());
    Bytes small = readTile(GetParam());
    ASSERT_EQ(large.size(), LARGE_FILE_SIZE);
    ASSERT_EQ(small.size(), TILE_FILE_SIZE);
    int near = 0;
    for (int y = 0; y < TILE_SIDE; ++y) {
        for (int x = 0; x < TILE_SIDE; ++x) {
            near += std::abs(averagedGreen(large, x, y) - tilePixel(small, x, y).green) <= 24 ? 1 : 0;
        }
    }
    EXPECT_GE(near * 10, TILE_SIDE * TILE_SIDE * 9);
}

INSTANTIATE_TEST_SUITE_P(EveryLetter, LargeTileBitmap, ::testing::ValuesIn(std::string(LETTERS)), letterName);

// ---- The icon ------------------------------------------------------------------------------

bool iconSeeThrough(const Bytes& icon, int x, int y)
{
    std::size_t row = static_cast<std::size_t>(ICON_SIDE - 1 - y);
    unsigned bits = icon[ICON_MASK_OFFSET + row * ICON_MASK_ROW_BYTES + static_cast<std::size_t>(x / 8)];
    return (bits >> (7 - x % 8) & 1u) != 0;
}

Colour iconPixel(const Bytes& icon, int x, int y)
{
    std::size_t row = static_cast<std::size_t>(ICON_SIDE - 1 - y);
    unsigned index = icon[ICON_COLOUR_OFFSET + row * ICON_ROW_BYTES + static_cast<std::size_t>(x)];
    return paletteColour(icon, ICON_PALETTE_OFFSET, index);
}

TEST(Icon, DirectoryListsOne35By35EightBitImageRightAfterIt)
{
    Bytes icon = readFile(ICON_FILE);
    ASSERT_EQ(icon.size(), ICON_DIRECTORY_SIZE + ICON_IMAGE_SIZE);
    EXPECT_EQ(readU16(icon, 0), 0u);
    EXPECT_EQ(readU16(icon, 2), 1u);
    EXPECT_EQ(readU16(icon, 4), 1u);
    EXPECT_EQ(icon[6], 35);
    EXPECT_EQ(icon[7], 35);
    EXPECT_EQ(icon[8], 0);
    EXPECT_EQ(icon[9], 0);
    EXPECT_EQ(readU16(icon, 10), 1u);
    EXPECT_EQ(readU16(icon, 12), 8u);
    EXPECT_EQ(readU32(icon, 14), ICON_IMAGE_SIZE);
    EXPECT_EQ(readU32(icon, 18), ICON_DIRECTORY_SIZE);
}

TEST(Icon, ImageHeaderIsTwiceAsTallForColoursAndMask)
{
    Bytes icon = readFile(ICON_FILE);
    ASSERT_EQ(icon.size(), ICON_DIRECTORY_SIZE + ICON_IMAGE_SIZE);
    std::size_t header = ICON_DIRECTORY_SIZE;
    EXPECT_EQ(readU32(icon, header), INFO_HEADER_SIZE);
    EXPECT_EQ(readS32(icon, header + 4), 35);
    EXPECT_EQ(readS32(icon, header + 8), 70);
    EXPECT_EQ(readU16(icon, header + 12), 1u);
    EXPECT_EQ(readU16(icon, header + 14), 8u);
    EXPECT_EQ(readU32(icon, header + 16), 0u);
    EXPECT_EQ(readU32(icon, header + 20), ICON_COLOUR_BYTES + ICON_MASK_BYTES);
    EXPECT_EQ(readU32(icon, header + 32), PALETTE_ENTRIES);
    EXPECT_EQ(readU32(icon, header + 36), 0u);
}

TEST(Icon, CornersAreSeeThroughOverBlackAndTheTileShowsADarkLetterOnWhite)
{
    Bytes icon = readFile(ICON_FILE);
    ASSERT_EQ(icon.size(), ICON_DIRECTORY_SIZE + ICON_IMAGE_SIZE);
    int white = 0;
    int dark = 0;
    for (int y = 0; y < ICON_SIDE; ++y) {
        for (int x = 0; x < ICON_SIDE; ++x) {
            Colour colour = iconPixel(icon, x, y);
            if (iconSeeThrough(icon, x, y)) {
                EXPECT_TRUE(colour.red == 0 && colour.green == 0 && colour.blue == 0) << x << "," << y;
            }
            white += isNearWhite(colour) ? 1 : 0;
            dark += isDark(colour) && !iconSeeThrough(icon, x, y) ? 1 : 0;
        }
    }
    for (int corner : {0, ICON_SIDE - 1}) {
        EXPECT_TRUE(iconSeeThrough(icon, corner, corner));
        EXPECT_TRUE(iconSeeThrough(icon, corner, ICON_SIDE - 1 - corner));
    }
    EXPECT_FALSE(iconSeeThrough(icon, ICON_SIDE / 2, ICON_SIDE / 2));
    EXPECT_GT(white * 2, ICON_SIDE * ICON_SIDE);
    EXPECT_GT(dark, 100);
}

}  // namespace
