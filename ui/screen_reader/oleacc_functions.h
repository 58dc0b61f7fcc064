// The functions of oleacc.dll that the game uses, taken from System32 when first wanted: the exe
// does not import oleacc.dll, and without it the game plays as ever, with nothing for a screen reader.
#pragma once

#include <windows.h>

#include <oleacc.h>

// LresultFromObject: the answer to WM_GETOBJECT that hands `object` to the asker; 0 without
// oleacc or when it fails, so that the system's own object answers instead.
LRESULT resultFromObject(REFIID interfaceId, WPARAM wParam, IUnknown* object);

// CreateStdAccessibleObject: the system's own object `objectId` of `window`; null without oleacc.
IAccessible* standardObject(HWND window, LONG objectId);

// QueryInterface of one of the game's own IAccessible objects: it is an IUnknown, an IDispatch
// and an IAccessible, and nothing else.
HRESULT offerAccessible(IAccessible* self, REFIID interfaceId, void** object);
