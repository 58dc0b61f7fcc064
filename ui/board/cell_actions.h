// What a screen reader can do to a cell of the board: select it, give it the focus, or take its
// default action, each exactly as the keys would.
#pragma once

#include <windows.h>

#include <string>

// IAccessible::accSelect on the cell of `tile`, by Microsoft's SELFLAG rules: TAKEFOCUS moves the
// focus mark there and gives the board the focus; ADDSELECTION picks an unpicked cell;
// REMOVESELECTION takes a picked cell back where the rule allows (E_INVALIDARG where it refuses);
// TAKESELECTION picks the cell only while no other is picked. EXTENDSELECTION and the forbidden
// combinations are refused with E_INVALIDARG; nothing changes while the main window is disabled
// (E_FAIL).
HRESULT selectCell(int tile, long flags);

// "Pick" on an unpicked cell, "Take back" on a picked one that Space would take back, else empty.
std::string defaultActionOf(int tile);

// Space on the cell, announcements included; DISP_E_MEMBERNOTFOUND where the cell has no action.
HRESULT doDefaultAction(int tile);
