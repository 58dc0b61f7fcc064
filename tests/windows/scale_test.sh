#!/bin/sh
# Runs the scale tests, or another Windows program (make bench's paint_bench), at one DPI: under
# Wine in a prefix of that DPI's own (Wine reads LogPixels as a program starts), on a virtual X
# screen of its own, large enough for the main window at 300 % (2,637 x 1,516 pixels under Wine).
# Usage: scale_test.sh DPI PROGRAM
set -eu
dpi=$1
program=$2
top=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="$top/build/wineprefix-dpi$dpi"
export LETTRO_TEST_DPI="$dpi"
# Nothing of this prefix reaches the screen of the other Windows tests, where a window of its Wine
# desktop could take their focus.
unset DISPLAY
export LETTRO_XVFB_SCREEN=2700x1600x24
"$top/scripts/with-xvfb" "$top/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# The next program then starts a fresh Wine server, which reads the setting, on the screen below.
timeout 60 wineserver -w || wineserver -k || true
exec "$top/scripts/with-xvfb" "$top/scripts/wine-run" "$program"
