#include "RandomSequences.h"

#include <cwchar>

#include "ModelPanel.h"
#include "TextSamples.h"

namespace {

// The addresses the samples name, so that typed addresses meet preset ports.
constexpr uint16_t kBases[] = {0x378, 0x278, 0x3BC};
constexpr uint16_t kEcrs[] = {0x77A, 0x67A, 0x7BE};
// Base 0xFFFF and extended address 0xFFFF wrap around to these.
constexpr uint16_t kWrapped[] = {0xFFFF, 0x0000, 0x0001};

class Generator {
public:
    // SplitMix64: cheap to seed per sequence and plenty for choosing inputs.
    Generator(uint64_t seed, uint64_t index)
        : m_state(seed * 0x9E3779B97F4A7C15u ^ (index + 0x632BE59BD9B4E019u)) {}

    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    uint8_t Byte() { return static_cast<uint8_t>(Next()); }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<uint32_t>(items.size()))];
    }

    Scenario MakeScenario() {
        Scenario scenario;
        const uint32_t binding = Below(100);
        scenario.binding = binding < 88   ? Binding::Bound
                           : binding < 92 ? Binding::Unbound
                           : binding < 96 ? Binding::Inp32Only
                                          : Binding::Out32Only;
        for (const uint16_t base : kBases) {
            if (Chance(70)) {
                for (uint16_t offset = 0; offset < 3; ++offset)
                    scenario.registers[static_cast<uint16_t>(base + offset)] = Byte();
            }
        }
        if (Chance(20)) {
            for (const uint16_t port : kWrapped)
                scenario.registers[port] = Byte();
        }
        // Either ECRs that read back what is written, or no ECR at all: writes
        // are lost and the bus reads 0xFF.
        const bool withEcr = Chance(50);
        for (const uint16_t ecr : kEcrs) {
            if (!withEcr)
                scenario.readOnly.insert(ecr);
            else if (Chance(70))
                scenario.registers[ecr] = Byte();
        }
        if (Chance(5))
            scenario.readOnly.insert(kBases[Below(3)]);
        return scenario;
    }

    Action MakeAction() {
        const uint32_t pick = Below(100);
        Action action{Action::Set};
        if (pick < 38) {
            static const int kFields[] = {model::kBaseField, model::kExtField, model::kModeField,
                                          model::kDataHex, model::kDcrHex};
            static const uint32_t kWeights[] = {15, 30, 50, 75, 100};
            const uint32_t field = Below(100);
            int at = 0;
            while (field >= kWeights[at])
                ++at;
            action.kind = Action::Type;
            action.id = kFields[at];
            action.text = TextFor(action.id);
        } else if (pick < 56) {
            action.kind = Action::Set;
        } else if (pick < 63) {
            action.kind = Action::Read;
        } else if (pick < 70) {
            action.kind = Action::Write;
        } else if (pick < 72) {
            action.kind = Action::Refresh;
        } else if (pick < 91) {
            action.kind = Action::PinButton;
            // Now and then an id that is no pin button.
            action.id =
                Chance(8) ? static_cast<int>(1000 + Below(100)) : model::kPinButtonIds[Below(12)];
        } else if (pick < 96) {
            action.kind = Chance(50) ? Action::ToggleData : Action::ToggleControl;
            action.value = Byte(); // any mask, several bits or none
        } else {
            action.kind = Action::Device;
            action.port = DevicePort();
            action.value = Byte();
        }
        return action;
    }

private:
    uint16_t DevicePort() {
        switch (Below(4)) {
        case 0:
            return static_cast<uint16_t>(kBases[Below(3)] + Below(3));
        case 1:
            return kEcrs[Below(3)];
        case 2:
            return kWrapped[Below(3)];
        default:
            return static_cast<uint16_t>(Below(0x10000));
        }
    }

    std::wstring TextFor(int field) {
        const uint32_t kind = Below(100);
        if (kind < 12)
            return Pick(NastyTexts());
        if (kind < 15)
            return LongText();
        if (kind < 19)
            return Soup(Below(13));
        if (field == model::kBaseField || field == model::kExtField)
            return Pick(AddressTexts());
        if (field == model::kModeField) {
            const std::vector<std::wstring>& modes = ModeTexts();
            return Chance(80) ? modes[Below(kValidModeCount)] : Pick(modes);
        }
        return RegisterText();
    }

    // A register value as a user might type it: mostly a byte, in either
    // case, sometimes with a prefix, leading zeros, blanks or a wider value.
    std::wstring RegisterText() {
        const uint32_t value = Chance(85)   ? Byte()
                               : Chance(50) ? Below(0x10000)
                                            : static_cast<uint32_t>(Next());
        wchar_t digits[16];
        std::swprintf(digits, 16, Chance(20) ? L"%X" : L"%x", value);
        std::wstring text = digits;
        if (Chance(10))
            text.insert(0, Chance(50) ? L"0x" : L"0X");
        if (Chance(5))
            text.insert(0, L"00");
        if (Chance(5))
            text.insert(0, L" ");
        if (Chance(5))
            text += L" ";
        return text;
    }

    wchar_t AnyCharacter() {
        static const std::wstring kTyped = L"0123456789abcdefABCDEFxXgz+- \t\n\v\f\r";
        if (Chance(75))
            return kTyped[Below(static_cast<uint32_t>(kTyped.size()))];
        return Pick(OddCharacters());
    }

    std::wstring Soup(size_t length) {
        std::wstring text;
        for (size_t i = 0; i < length; ++i)
            text += AnyCharacter();
        return text;
    }

    // Thousands of characters: what a paste into a field can bring.
    std::wstring LongText() {
        const size_t n = 1000 + Below(5000);
        switch (Below(6)) {
        case 0:
            return std::wstring(n, L'0') + L"378"; // still a small value
        case 1:
            return std::wstring(n, L'f');
        case 2:
            return std::wstring(n, L' ') + L"1f";
        case 3:
            return L"-" + std::wstring(n, L'0') + L"1";
        case 4:
            return L"378" + Soup(n);
        default:
            return Soup(n);
        }
    }

    uint64_t m_state;
};

} // namespace

Sequence RandomSequence(uint64_t seed, uint64_t index, size_t maxSteps) {
    Generator generator(seed, index);
    Sequence sequence;
    sequence.scenario = generator.MakeScenario();
    const size_t steps = 1 + generator.Below(static_cast<uint32_t>(maxSteps));
    for (size_t i = 0; i < steps; ++i)
        sequence.actions.push_back(generator.MakeAction());
    return sequence;
}
