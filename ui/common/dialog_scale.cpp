// A dialog's scale from its base units, and the same font measured at 96 dots an inch.
#include "ui/common/dialog_scale.h"

#include "ui/common/window_dpi.h"

namespace {

const char FIFTY_TWO_LETTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
const int LETTER_COUNT_IN_TEXT = 52;

// The font measured at BASE_DPI is kept for the font and DPI it was measured from: the scale is
// asked for at every tile's rectangle, and a font made and measured each time would slow picking.
struct MeasuredFont {
    HFONT font;
    int dpi;
    SIZE baseUnits;
};

MeasuredFont measured = {};

SIZE mappedUnits(HWND dialog)
{
    RECT units = {0, 0, 4, 8};
    if (dialog == nullptr || !MapDialogRect(dialog, &units)) {
        return SIZE{0, 0};
    }
    return SIZE{units.right, units.bottom};
}

// As the dialog manager measures its font: the average width rounded up from half a pixel.
SIZE measureFont(HFONT font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ kept = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    SIZE extent = {0, 0};
    BOOL ok = GetTextMetricsA(screen, &metrics) &&
              GetTextExtentPoint32A(screen, FIFTY_TWO_LETTERS, LETTER_COUNT_IN_TEXT, &extent);
    SelectObject(screen, kept);
    ReleaseDC(nullptr, screen);
    return ok ? SIZE{(extent.cx / (LETTER_COUNT_IN_TEXT / 2) + 1) / 2, metrics.tmHeight} : SIZE{0, 0};
}

int scaled(int pixels, LONG now, LONG base)
{
    return now > 0 && base > 0 ? MulDiv(pixels, now, base) : pixels;
}

} // namespace

SIZE fontBaseUnits(HWND dialog, int dpi)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA description;
    if (font == nullptr || GetObjectA(font, sizeof description, &description) == 0) {
        return SIZE{0, 0};
    }
    int fontDpi = windowDpi(dialog);
    if (font == measured.font && fontDpi == measured.dpi && dpi == BASE_DPI) {
        return measured.baseUnits;
    }
    description.lfHeight = MulDiv(description.lfHeight, dpi, fontDpi);
    HFONT atDpi = CreateFontIndirectA(&description);
    SIZE units = atDpi != nullptr ? measureFont(atDpi) : SIZE{0, 0};
    DeleteObject(atDpi);
    if (dpi == BASE_DPI) {
        measured = MeasuredFont{font, fontDpi, units};
    }
    return units;
}

DialogScale dialogScale(HWND dialog)
{
    SIZE units = mappedUnits(dialog);
    if (units.cx <= 0 || units.cy <= 0) {
        return DialogScale{{1, 1}, {1, 1}};
    }
    // At BASE_DPI the dialog is the base: no measuring, so no rounding of another font's.
    if (windowDpi(dialog) == BASE_DPI) {
        return DialogScale{units, units};
    }
    SIZE base = fontBaseUnits(dialog, BASE_DPI);
    if (base.cx <= 0 || base.cy <= 0) {
        // No font of its own: the system font, which grows with the DPI.
        base = SIZE{MulDiv(units.cx, BASE_DPI, windowDpi(dialog)), MulDiv(units.cy, BASE_DPI, windowDpi(dialog))};
    }
    return DialogScale{units, base};
}

int scaledAcross(const DialogScale& scale, int pixels)
{
    return scaled(pixels, scale.units.cx, scale.baseUnits.cx);
}

int scaledDown(const DialogScale& scale, int pixels)
{
    return scaled(pixels, scale.units.cy, scale.baseUnits.cy);
}

// The smaller scale, compared without rounding: cx / bx against cy / by.
int scaledSquare(const DialogScale& scale, int pixels)
{
    long long across = static_cast<long long>(scale.units.cx) * scale.baseUnits.cy;
    long long down = static_cast<long long>(scale.units.cy) * scale.baseUnits.cx;
    return across <= down ? scaledAcross(scale, pixels) : scaledDown(scale, pixels);
}

RECT scaledRect(const DialogScale& scale, const RECT& place)
{
    return RECT{scaledAcross(scale, place.left), scaledDown(scale, place.top), scaledAcross(scale, place.right),
                scaledDown(scale, place.bottom)};
}

RECT squareCentredIn(const RECT& place, int side)
{
    int left = place.left + (place.right - place.left - side) / 2;
    int top = place.top + (place.bottom - place.top - side) / 2;
    return RECT{left, top, left + side, top + side};
}
