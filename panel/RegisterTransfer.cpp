#include "panel/RegisterTransfer.h"

#include "panel/RegisterFields.h"
#include "panel/RegisterText.h"
#include "port/PortIo.h"

void ShowRegisterValue(WindowOps& window, const RegisterField& field, uint32_t value) {
    window.SetFieldText(field.hexId, FormatHex(value));
    window.SetFieldText(field.binId, FormatBinary(value));
}

void ReadRegisters(WindowOps& window, uint32_t base) {
    for (const RegisterField& field : kRegisterFields)
        ShowRegisterValue(window, field, ReadPort(static_cast<uint16_t>(base + field.portOffset)));
}

void WriteRegisters(WindowOps& window, uint32_t base) {
    for (const PinRegister reg : {PinRegister::Data, PinRegister::Control}) {
        const RegisterField& field = FieldOf(reg);
        const uint32_t value = ParseHex(window.GetFieldText(field.hexId));
        WritePort(static_cast<uint16_t>(base + field.portOffset), value);
        window.SetFieldText(field.binId, FormatBinary(value));
    }
}
