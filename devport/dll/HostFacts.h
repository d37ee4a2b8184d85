// Facts about the system the library runs on, read through Wine.
#pragma once

#include <string>

// Empty when the library runs under Wine on Linux; otherwise why it cannot
// reach a Linux port device.
std::string HostProblem();

// The text of a small file (at most 64 KiB), given its Linux path; empty when
// it cannot be read.
std::string ReadHostFile(const wchar_t* unixPath);

// One line on standard error, which Wine connects to the terminal the program
// was started from.
void TellStandardError(const std::string& line);

// Text for Linux and for standard error, which take UTF-8.
std::string Utf8(const std::wstring& text);
