// A Device ID's text as people read it. The ID is a run of KEY:value;
// fields (MFG:Acme;MDL:LinePrinter 9;CMD:PCL,PJL;CLS:PRINTER;), the keys as
// the device sends them (MFG or MANUFACTURER, MDL or MODEL, CMD or COMMAND
// SET, CLS, DES and any other), in the device's order.
#pragma once

#include <string>
#include <vector>

// One line per field, "KEY: value", in the ID's order; a field that is no
// KEY:value (no colon, empty) or repeats a key gets a line that says so.
std::vector<std::string> FieldLines(const std::string& id);

// The bytes with everything outside printable ASCII, and the backslash and
// double quote, as escapes (\x07, \\, \"), so that any ID prints as one line.
std::string Escaped(const std::string& bytes);
