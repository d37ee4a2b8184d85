// String resources.
#pragma once

#include <windows.h>

#include <string>

// String resource id of the application's module; empty when there is none.
std::wstring AfxLoadString(UINT id);
