// A Device ID's text as the program prints it: every field in the device's
// order, keys as sent, and one line for each field that is not KEY:value or
// repeats a key; bytes outside printable ASCII escaped.
#include "deviceid/DeviceIdText.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(DeviceIdText, FieldsInOrderAndEveryBadField) {
    const struct {
        std::string id;
        Lines lines;
        std::string escaped;
    } rows[] = {
        {"MANUFACTURER:Acme;COMMAND SET:PCL,PJL;MODEL:LinePrinter 9;CLS:PRINTER;DES:Acme 9;X:1;",
         {"MANUFACTURER: Acme", "COMMAND SET: PCL,PJL", "MODEL: LinePrinter 9", "CLS: PRINTER",
          "DES: Acme 9", "X: 1"},
         "MANUFACTURER:Acme;COMMAND SET:PCL,PJL;MODEL:LinePrinter 9;CLS:PRINTER;DES:Acme 9;X:1;"},
        {"MFG:Acme;MDL:9", {"MFG: Acme", "MDL: 9"}, "MFG:Acme;MDL:9"},
        {"MFG:Acme;LinePrinter;",
         {"MFG: Acme", "(a field without a colon: \"LinePrinter\")"},
         "MFG:Acme;LinePrinter;"},
        {"MFG:Acme;;CLS:PRINTER;",
         {"MFG: Acme", "(an empty field)", "CLS: PRINTER"},
         "MFG:Acme;;CLS:PRINTER;"},
        {"MFG:Acme;MFG:Other;", {"MFG: Acme", "MFG: Other    (MFG again)"}, "MFG:Acme;MFG:Other;"},
        {std::string("MDL:A\x01\xE9\"\\;", 10),
         {"MDL: A\\x01\\xE9\\\"\\\\"},
         "MDL:A\\x01\\xE9\\\"\\\\;"},
        {"", {}, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FieldLines(row.id), row.lines) << row.id;
        EXPECT_EQ(Escaped(row.id), row.escaped);
    }
}

} // namespace
