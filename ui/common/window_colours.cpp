// The main window's colours. Under High Contrast the light blue gives way to one pair of the
// system's colours, the window's text on the window's background, so that every label stays as
// readable as the scheme the player chose; the system keeps those brushes, and they follow the scheme.
#include "ui/common/window_colours.h"

#include "ui/common/ui_state.h"

bool highContrastOn = false;

void readContrastSetting()
{
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    highContrastOn = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
                     (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

INT_PTR dialogBackground()
{
    HBRUSH brush = highContrastOn ? GetSysColorBrush(COLOR_WINDOW) : backgroundBrush;
    return reinterpret_cast<INT_PTR>(brush);
}

INT_PTR colourStatic(HDC context)
{
    if (highContrastOn) {
        SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(context, GetSysColor(COLOR_WINDOW));
    } else {
        SetBkColor(context, BACKGROUND_COLOUR);
    }
    return dialogBackground();
}
