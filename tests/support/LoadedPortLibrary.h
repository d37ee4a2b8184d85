// The port library file each architecture's programs must load, written out
// rather than taken from the build's own setting (kPortLibraryFile): a 64-bit
// build that looked for the 32-bit file would load nothing on a real machine,
// and the tests that check which library is loaded must see that.
#pragma once

#if defined(_WIN64)
#define KELVARIN_LOADED_PORT_LIBRARY "inpoutx64.dll"
#else
#define KELVARIN_LOADED_PORT_LIBRARY "inpout32.dll"
#endif

inline constexpr char kLoadedPortLibraryA[] = KELVARIN_LOADED_PORT_LIBRARY;
inline constexpr wchar_t kLoadedPortLibrary[] = L"" KELVARIN_LOADED_PORT_LIBRARY;
