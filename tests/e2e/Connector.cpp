#include "Connector.h"

#include "support/IndicatorImageList.h"

namespace e2e {

// clang-format off
const ConnectorPin kConnector[25] = {
    // pin register          bit  id    inverted set  clear label
    {1,  Register::Control, 0, 1024, true,  173, 134, "C0"}, // strobe
    {2,  Register::Data,    0, 1023, false, 184, 176, "D0"},
    {3,  Register::Data,    1, 1020, false, 185, 177, "D1"},
    {4,  Register::Data,    2, 1019, false, 186, 178, "D2"},
    {5,  Register::Data,    3, 1016, false, 187, 179, "D3"},
    {6,  Register::Data,    4, 1013, false, 188, 180, "D4"},
    {7,  Register::Data,    5, 1012, false, 189, 181, "D5"},
    {8,  Register::Data,    6, 1009, false, 190, 182, "D6"},
    {9,  Register::Data,    7, 1008, false, 175, 183, "D7"},
    {10, Register::Status,  6, 1062, false, 156, 167, "S6"}, // acknowledge
    {11, Register::Status,  7, 1061, true,  166, 133, "S7"}, // busy
    {12, Register::Status,  5, 1060, false, 132, 168, "S5"}, // paper out
    {13, Register::Status,  4, 1059, false, 154, 169, "S4"}, // select
    {14, Register::Control, 1, 1025, true,  172, 135, "C1"}, // auto feed
    {15, Register::Status,  3, 1063, false, 153, 165, "S3"}, // error
    {16, Register::Control, 2, 1021, false, 136, 171, "C2"}, // initialise
    {17, Register::Control, 3, 1018, true,  170, 137, "C3"}, // select in
    {18, Register::Ground,  0, 1058, false, 157, 157, "G0"},
    {19, Register::Ground,  0, 1057, false, 158, 158, "G1"},
    {20, Register::Ground,  0, 1056, false, 159, 159, "G2"},
    {21, Register::Ground,  0, 1055, false, 160, 160, "G3"},
    {22, Register::Ground,  0, 1054, false, 161, 161, "G4"},
    {23, Register::Ground,  0, 1053, false, 162, 162, "G5"},
    {24, Register::Ground,  0, 1052, false, 163, 163, "G6"},
    {25, Register::Ground,  0, 1051, false, 164, 164, "G7"},
};
// clang-format on

std::vector<ConnectorPin> ButtonPins() {
    std::vector<ConnectorPin> pins;
    for (const ConnectorPin& pin : kConnector)
        if (pin.reg == Register::Data || pin.reg == Register::Control)
            pins.push_back(pin);
    return pins;
}

const ConnectorPin* FindButton(int id) {
    for (const ConnectorPin& pin : kConnector)
        if (pin.indicatorId == id && (pin.reg == Register::Data || pin.reg == Register::Control))
            return &pin;
    return nullptr;
}

bool IsHighImage(int image) {
    for (const ListedImage& listed : kListedImages)
        if (listed.resource == image)
            return listed.high;
    return false;
}

} // namespace e2e
