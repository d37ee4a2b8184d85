// Fuzzes the panel commands: the bytes choose the port (bound or not, with or
// without an ECR, what its registers hold) and a sequence of typed texts of
// any content and length, commands in any order, pin clicks (also on ids that
// are no pins), masks and hardware changes. After every step the real panel
// must show and do exactly what the reference model does.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "Lockstep.h"
#include "ModelPanel.h"
#include "TextSamples.h"

namespace {

constexpr size_t kMaxSteps = 64;
constexpr size_t kMaxRepeatedLength = 8000;
constexpr int kTypedFields[] = {model::kBaseField, model::kExtField, model::kModeField,
                                model::kDataHex, model::kDcrHex};
constexpr uint16_t kPorts[] = {0x378, 0x379, 0x37A, 0x278, 0x279,  0x27A,  0x3BC,  0x3BD,
                               0x3BE, 0x77A, 0x67A, 0x7BE, 0xFFFF, 0x0000, 0x0001, 0x0002};

const std::vector<std::wstring>& Samples() {
    static const std::vector<std::wstring> samples = [] {
        std::vector<std::wstring> all = NastyTexts();
        all.insert(all.end(), AddressTexts().begin(), AddressTexts().end());
        all.insert(all.end(), ModeTexts().begin(), ModeTexts().end());
        return all;
    }();
    return samples;
}

uint16_t PortOf(FuzzInput& input) {
    const uint8_t pick = input.Byte();
    if (pick < 0xF0)
        return kPorts[pick % std::size(kPorts)];
    const unsigned high = input.Byte();
    return static_cast<uint16_t>(high << 8 | input.Byte());
}

Scenario ScenarioOf(FuzzInput& input) {
    Scenario scenario;
    const uint8_t kind = input.Byte();
    static const Binding kBindings[] = {Binding::Bound,     Binding::Bound,    Binding::Bound,
                                        Binding::Bound,     Binding::Bound,    Binding::Unbound,
                                        Binding::Inp32Only, Binding::Out32Only};
    scenario.binding = kBindings[kind % 8];
    const bool withEcr = (kind & 0x08) != 0;
    // Each remaining bit of the first byte presets one group of registers.
    const uint16_t groups[][3] = {{0x378, 0x379, 0x37A},
                                  {0x278, 0x279, 0x27A},
                                  {0x3BC, 0x3BD, 0x3BE},
                                  {0xFFFF, 0x0000, 0x0001}};
    for (int g = 0; g < 4; ++g) {
        if (kind & (0x10 << g)) {
            for (const uint16_t port : groups[g])
                scenario.registers[port] = input.Byte();
        }
    }
    for (const uint16_t ecr : {0x77A, 0x67A, 0x7BE}) {
        if (withEcr)
            scenario.registers[static_cast<uint16_t>(ecr)] = input.Byte();
        else
            scenario.readOnly.insert(static_cast<uint16_t>(ecr));
    }
    return scenario;
}

Action ActionOf(FuzzInput& input) {
    switch (input.Byte() % 12) {
    case 0:
        return {Action::Type, kTypedFields[input.Byte() % 5], input.Text()};
    case 1: {
        const int field = kTypedFields[input.Byte() % 5];
        return {Action::Type, field, Samples()[input.Byte() % Samples().size()]};
    }
    case 2: {
        // A fragment repeated into a long text, as a paste might bring.
        const int field = kTypedFields[input.Byte() % 5];
        const std::wstring fragment = input.Text();
        const size_t times = 1 + input.Byte() * 16u;
        std::wstring text;
        for (size_t i = 0; i < times && text.size() + fragment.size() <= kMaxRepeatedLength; ++i)
            text += fragment;
        return {Action::Type, field, text};
    }
    case 3:
    case 4:
        return {Action::Set};
    case 5:
        return {Action::Read};
    case 6:
        return {Action::Write};
    case 7:
        return {Action::Refresh};
    case 8: {
        const uint8_t pick = input.Byte();
        return {Action::PinButton,
                pick < 0xF0 ? model::kPinButtonIds[pick % 12] : 1000 + input.Byte() % 100};
    }
    case 9:
    case 10: {
        Action action(input.Byte() & 1 ? Action::ToggleData : Action::ToggleControl);
        action.value = input.Byte();
        return action;
    }
    default: {
        Action action(Action::Device);
        action.port = PortOf(input);
        action.value = input.Byte();
        return action;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const Scenario scenario = ScenarioOf(input);
    Lockstep lockstep(scenario);
    std::string difference = lockstep.Open();
    std::vector<Action> actions;
    while (difference.empty() && !input.Empty() && actions.size() < kMaxSteps) {
        actions.push_back(ActionOf(input));
        difference = lockstep.Apply(actions.back());
    }
    if (!difference.empty()) {
        std::string report = difference + "\n  port: " + Describe(scenario);
        for (size_t i = 0; i < actions.size(); ++i)
            report += "\n  " + std::to_string(i + 1) + ". " + Describe(actions[i]);
        FuzzFailure(report);
    }
    return 0;
}
