// A list of accessible objects handed to a screen reader as an IEnumVARIANT, as
// IAccessible::get_accSelection answers when more than one child is selected.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <vector>

// Takes over one reference of each object; null when it cannot be made (the references are then
// released here).
IEnumVARIANT* enumerationOf(const std::vector<IDispatch*>& objects);
