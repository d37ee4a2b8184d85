// The initial entries of a dialog's list controls, which resource scripts keep
// beside the dialog template in a DLGINIT resource.
#pragma once

#include <windows.h>

// The DLGINIT resource type.
#define RT_DLGINIT MAKEINTRESOURCE(240)

// Adds the initial entries of the dialog template templateId to its combo
// boxes. A template without such a resource has none.
void ExecuteDlgInit(HWND dialog, HINSTANCE module, UINT templateId);
