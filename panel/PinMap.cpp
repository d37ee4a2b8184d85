#include "panel/PinMap.h"

#include "panel/RegisterFields.h"
#include "panel/RegisterText.h"
#include "panel/PanelIds.h"

// clang-format off
const PinRow kPinTable[25] = {
    // pin  register              bit indicator   inverted label name         imageHigh     imageLow
    {2,  PinRegister::Data,    0, IDC_D0,    false, "D0", "D0",        IDB_D0_HIGH, IDB_D0_LOW},
    {3,  PinRegister::Data,    1, IDC_D1,    false, "D1", "D1",        IDB_D1_HIGH, IDB_D1_LOW},
    {4,  PinRegister::Data,    2, IDC_D2,    false, "D2", "D2",        IDB_D2_HIGH, IDB_D2_LOW},
    {5,  PinRegister::Data,    3, IDC_D3,    false, "D3", "D3",        IDB_D3_HIGH, IDB_D3_LOW},
    {6,  PinRegister::Data,    4, IDC_D4,    false, "D4", "D4",        IDB_D4_HIGH, IDB_D4_LOW},
    {7,  PinRegister::Data,    5, IDC_D5,    false, "D5", "D5",        IDB_D5_HIGH, IDB_D5_LOW},
    {8,  PinRegister::Data,    6, IDC_D6,    false, "D6", "D6",        IDB_D6_HIGH, IDB_D6_LOW},
    {9,  PinRegister::Data,    7, IDC_D7,    false, "D7", "D7",        IDB_D7_HIGH, IDB_D7_LOW},
    {15, PinRegister::Status,  3, IDC_PIN15, false, "S3", "Error",     IDB_S3_HIGH, IDB_S3_LOW},
    {13, PinRegister::Status,  4, IDC_PIN13, false, "S4", "Select",    IDB_S4_HIGH, IDB_S4_LOW},
    {12, PinRegister::Status,  5, IDC_PIN12, false, "S5", "Paper Out", IDB_S5_HIGH, IDB_S5_LOW},
    {10, PinRegister::Status,  6, IDC_PIN10, false, "S6", "Ack",       IDB_S6_HIGH, IDB_S6_LOW},
    {11, PinRegister::Status,  7, IDC_PIN11, true,  "S7", "Busy",      IDB_S7_HIGH, IDB_S7_LOW},
    {1,  PinRegister::Control, 0, IDC_C0,    true,  "C0", "Strobe",    IDB_C0_HIGH, IDB_C0_LOW},
    {14, PinRegister::Control, 1, IDC_C1,    true,  "C1", "Auto Feed", IDB_C1_HIGH, IDB_C1_LOW},
    {16, PinRegister::Control, 2, IDC_C2,    false, "C2", "Init",      IDB_C2_HIGH, IDB_C2_LOW},
    {17, PinRegister::Control, 3, IDC_C3,    true,  "C3", "Select In", IDB_C3_HIGH, IDB_C3_LOW},
    {18, PinRegister::Ground,  0, IDC_PIN18, false, "G0", "Ground",    0, IDB_G0_LOW},
    {19, PinRegister::Ground,  0, IDC_PIN19, false, "G1", "Ground",    0, IDB_G1_LOW},
    {20, PinRegister::Ground,  0, IDC_PIN20, false, "G2", "Ground",    0, IDB_G2_LOW},
    {21, PinRegister::Ground,  0, IDC_PIN21, false, "G3", "Ground",    0, IDB_G3_LOW},
    {22, PinRegister::Ground,  0, IDC_PIN22, false, "G4", "Ground",    0, IDB_G4_LOW},
    {23, PinRegister::Ground,  0, IDC_PIN23, false, "G5", "Ground",    0, IDB_G5_LOW},
    {24, PinRegister::Ground,  0, IDC_PIN24, false, "G6", "Ground",    0, IDB_G6_LOW},
    {25, PinRegister::Ground,  0, IDC_PIN25, false, "G7", "Ground",    0, IDB_G7_LOW},
};

const LegendRow kLegend[2] = {
    {IDC_LEGEND_HIGH, "H", IDB_LEGEND_HIGH, true},
    {IDC_LEGEND_LOW,  "L", IDB_LEGEND_LOW,  false},
};
// clang-format on

int PinImage(const PinRow& row, bool bitSet) {
    return bitSet != row.inverted ? row.imageHigh : row.imageLow;
}

const PinRow* FindPin(int pin) {
    for (const PinRow& row : kPinTable) {
        if (row.pin == pin)
            return &row;
    }
    return nullptr;
}

std::string PinLabel(int pin) {
    const PinRow* row = FindPin(pin);
    return "pin " + std::to_string(pin) + " (" + std::string(row ? row->name : "?") + ")";
}

bool PinIsHigh(const PinRow& row, uint32_t value) {
    return ((value >> row.bit) & 1u) != row.inverted;
}

uint8_t WithPinLevel(const PinRow& row, uint8_t value, bool high) {
    const auto mask = static_cast<uint8_t>(1u << row.bit);
    return high != row.inverted ? static_cast<uint8_t>(value | mask)
                                : static_cast<uint8_t>(value & ~mask);
}

const PinRow* FindPinButton(int id) {
    for (const PinRow& row : kPinTable) {
        const bool isButton = row.reg == PinRegister::Data || row.reg == PinRegister::Control;
        if (isButton && row.indicatorId == id)
            return &row;
    }
    return nullptr;
}

namespace {

// Starting images of one register's pins, forwards or backwards in table order.
void SetLowImages(WindowOps& window, PinRegister reg, bool backwards) {
    for (int n = 0; n < 25; ++n) {
        const PinRow& row = kPinTable[backwards ? 24 - n : n];
        if (row.reg == reg)
            window.SetIndicatorImage(row.indicatorId, row.imageLow);
    }
}

} // namespace

void SetStartingImages(WindowOps& window) {
    SetLowImages(window, PinRegister::Ground, false);
    SetLowImages(window, PinRegister::Status, false);
    for (const LegendRow& legend : kLegend)
        window.SetIndicatorImage(legend.indicatorId, legend.image);
    SetLowImages(window, PinRegister::Data, true);
    SetLowImages(window, PinRegister::Control, true);
}

void UpdatePinImages(WindowOps& window) {
    for (const RegisterField& field : kRegisterFields) {
        const uint32_t value = ParseHex(window.GetFieldText(field.hexId));
        for (const PinRow& row : kPinTable) {
            if (row.reg == field.reg)
                window.SetIndicatorImage(row.indicatorId, PinImage(row, (value >> row.bit) & 1u));
        }
    }
}
