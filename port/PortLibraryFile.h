// The port library's file name, which the build sets for the architecture
// (KELVARIN_PORT_LIBRARY): inpout32.dll for a 32-bit program, inpoutx64.dll
// (the 64-bit libraries of the same family, with the same exports) for a
// 64-bit one, which cannot load a 32-bit DLL. Resource scripts include it too.
#pragma once

#define KELVARIN_STRINGIFY_TOKENS(tokens) #tokens
#define KELVARIN_STRINGIFY(tokens) KELVARIN_STRINGIFY_TOKENS(tokens)
// A narrow string literal, "inpout32.dll" or "inpoutx64.dll".
#define KELVARIN_PORT_LIBRARY_FILE KELVARIN_STRINGIFY(KELVARIN_PORT_LIBRARY.dll)

#ifndef RC_INVOKED
inline constexpr char kPortLibraryFileA[] = KELVARIN_PORT_LIBRARY_FILE;
inline constexpr wchar_t kPortLibraryFile[] = L"" KELVARIN_PORT_LIBRARY_FILE;
#endif
