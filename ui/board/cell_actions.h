// What a screen reader can do to a cell of the board: select it, give it the focus, or take its
// default action, each exactly as the keys would.
#pragma once

#include <windows.h>

#include <string>

// IAccessible::accSelect on the cell of `tile`, by Microsoft's SELFLAG rules: TAKEFOCUS moves the
// focus mark there and gives the board the focus; ADDSELECTION picks an unpicked cell;
// REMOVESELECTION takes a picked cell back where the rule allows (E_INVALIDARG where it refuses);
// TAKESELECTION alone picks the cell only while no other is picked; TAKEFOCUS | TAKESELECTION is a
// click, which picks the cell and keeps the other picks. EXTENDSELECTION and the forbidden
// combinations are refused with E_INVALIDARG; nothing changes while the main window is disabled or
// not active (E_FAIL). A refused call changes nothing at all.
HRESULT selectCell(int tile, long flags);

// accSelect on the board's table: TAKEFOCUS gives the board the focus (E_FAIL while the main window
// is disabled or not active, or before the first deal); the table itself is not selectable.
HRESULT selectBoard(long flags);

// "Pick" on an unpicked cell, "Take back" on a picked one that Space would take back, else empty.
std::string defaultActionOf(int tile);

// Space on the cell, announcements included; DISP_E_MEMBERNOTFOUND where the cell has no action.
HRESULT doDefaultAction(int tile);
