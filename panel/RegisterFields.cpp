#include "panel/RegisterFields.h"

#include "panel/PanelIds.h"

const RegisterField kRegisterFields[3] = {
    {PinRegister::Data, IDC_DATA_HEX, IDC_DATA_BIN, 0},
    {PinRegister::Status, IDC_DSR_HEX, IDC_DSR_BIN, 1},
    {PinRegister::Control, IDC_DCR_HEX, IDC_DCR_BIN, 2},
};

const RegisterField& FieldOf(PinRegister reg) {
    return kRegisterFields[static_cast<int>(reg)];
}
