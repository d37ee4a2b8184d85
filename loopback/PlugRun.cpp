#include "loopback/PlugRun.h"

#include "loopback/Patterns.h"
#include "panel/PinMap.h"

namespace {

constexpr uint8_t kControlDirection = 0x20; // set: the data lines stop driving

// Puts Data and Control back as they were when it was made.
class FoundRegisters {
public:
    explicit FoundRegisters(RegisterPort& port)
        : m_port(port), m_data(port.Read(PinRegister::Data)),
          m_control(port.Read(PinRegister::Control)) {}
    ~FoundRegisters() {
        // Data first: while Control still drives the lines, the found
        // latch goes out, and the found direction follows.
        m_port.Write(PinRegister::Data, m_data);
        m_port.Write(PinRegister::Control, m_control);
    }
    FoundRegisters(const FoundRegisters&) = delete;
    FoundRegisters& operator=(const FoundRegisters&) = delete;

    uint8_t Data() const { return m_data; }
    uint8_t Control() const { return m_control; }

private:
    RegisterPort& m_port;
    uint8_t m_data;
    uint8_t m_control;
};

// The register value of `start` with every output of the plug in `reg` at
// its level in the pattern.
uint8_t Drive(const Plug& plug, PinRegister reg, uint8_t start, uint8_t levels) {
    uint8_t value = start;
    for (size_t w = 0; w < kWiresPerPlug; ++w) {
        const PinRow& output = *FindPin(plug.wires[w].outputPin);
        if (output.reg == reg)
            value = WithPinLevel(output, value, (levels >> w) & 1u);
    }
    return value;
}

// Bit w: the level of wire w's `end` pin (output or input) in the registers read.
uint8_t Levels(const Plug& plug, int Wire::*end, uint8_t data, uint8_t status, uint8_t control) {
    uint8_t levels = 0;
    for (size_t w = 0; w < kWiresPerPlug; ++w) {
        const PinRow& row = *FindPin(plug.wires[w].*end);
        const uint8_t value = row.reg == PinRegister::Data     ? data
                              : row.reg == PinRegister::Status ? status
                                                               : control;
        if (PinIsHigh(row, value))
            levels = static_cast<uint8_t>(levels | (1u << w));
    }
    return levels;
}

} // namespace

PlugRun RunPlug(RegisterPort& port, const Plug& plug, int rounds,
                const std::function<bool()>& stopRequested) {
    PlugRun run;
    const FoundRegisters found(port);
    const auto control = static_cast<uint8_t>(found.Control() & ~kControlDirection);
    const std::vector<uint8_t> patterns = WalkingPatterns(kWiresPerPlug);
    for (int round = 0; round < rounds; ++round) {
        for (const uint8_t pattern : patterns) {
            if (stopRequested()) {
                run.interrupted = true;
                return run;
            }
            port.Write(PinRegister::Data, Drive(plug, PinRegister::Data, found.Data(), pattern));
            port.Write(PinRegister::Control, Drive(plug, PinRegister::Control, control, pattern));
            const uint8_t status = port.Read(PinRegister::Status);
            const uint8_t data = port.Read(PinRegister::Data);
            const uint8_t readControl = port.Read(PinRegister::Control);
            run.samples.push_back({pattern,
                                   Levels(plug, &Wire::outputPin, data, status, readControl),
                                   Levels(plug, &Wire::inputPin, data, status, readControl)});
        }
    }
    return run;
}
