#include "Lockstep.h"

#include <cstdio>
#include <sstream>

#include "ModelPanel.h"
#include "panel/PanelCommands.h"
#include "panel/PinMap.h"
#include "support/FakePort.h"
#include "support/FakeWindow.h"

namespace {

// The fake window, noting for every message box how many port accesses came
// before it, so that a box shown after the access it should precede shows up.
class WatchedWindow : public FakeWindow {
public:
    explicit WatchedWindow(const FakePort& port) : m_port(port) {}
    void ShowMessage(const std::wstring& text) override {
        FakeWindow::ShowMessage(text);
        accessesBeforeMessage.push_back(m_port.log.size());
    }
    std::vector<size_t> accessesBeforeMessage;

private:
    const FakePort& m_port;
};

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*x", digits, value);
    return text;
}

std::string AccessText(bool write, uint16_t port, uint16_t value) {
    return write ? "out " + Hex(port, 4) + " <- " + Hex(value, 2)
                 : "in " + Hex(port, 4) + " -> " + Hex(value, 2);
}

// The first id whose value differs between the real and the expected map,
// taking an absent entry as `none`. Both maps are sorted: one merged walk.
template <class Value, class Print>
std::string CompareById(const char* what, const std::map<int, Value>& real,
                        const std::map<int, Value>& expected, const Value& none, Print print) {
    auto r = real.begin();
    auto e = expected.begin();
    while (r != real.end() || e != expected.end()) {
        const bool takeReal = e == expected.end() || (r != real.end() && r->first <= e->first);
        const bool takeExpected = r == real.end() || (e != expected.end() && e->first <= r->first);
        const int id = takeReal ? r->first : e->first;
        const Value& realValue = takeReal ? r->second : none;
        const Value& expectedValue = takeExpected ? e->second : none;
        if (!(realValue == expectedValue))
            return std::string(what) + " " + std::to_string(id) + ": panel " + print(realValue) +
                   ", model " + print(expectedValue);
        if (takeReal)
            ++r;
        if (takeExpected)
            ++e;
    }
    return "";
}

bool IsCommandOnPins(Action::Kind kind) {
    return kind == Action::PinButton || kind == Action::ToggleData || kind == Action::ToggleControl;
}

} // namespace

std::string Printable(const std::wstring& text) {
    constexpr size_t kShown = 48;
    std::string out = "\"";
    for (size_t i = 0; i < text.size() && i < kShown; ++i) {
        const wchar_t c = text[i];
        if (c >= 0x20 && c < 0x7F && c != L'"' && c != L'\\')
            out += static_cast<char>(c);
        else
            out += "\\x{" + Hex(static_cast<unsigned>(c), 1).substr(2) + "}";
    }
    out += "\"";
    if (text.size() > kShown)
        out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

std::string Describe(const Action& action) {
    switch (action.kind) {
    case Action::Type:
        return "type into " + std::to_string(action.id) + ": " + Printable(action.text);
    case Action::Set:
        return "SET";
    case Action::Read:
        return "READ";
    case Action::Write:
        return "WRITE";
    case Action::Refresh:
        return "Reflesh";
    case Action::PinButton:
        return "click " + std::to_string(action.id);
    case Action::ToggleData:
        return "toggle Data mask " + Hex(action.value, 2);
    case Action::ToggleControl:
        return "toggle DCR mask " + Hex(action.value, 2);
    case Action::Device:
        return "hardware sets " + Hex(action.port, 4) + " to " + Hex(action.value, 2);
    }
    return "?";
}

std::string Describe(const Scenario& scenario) {
    static const char* const kBindings[] = {"bound", "unbound", "Inp32 only", "Out32 only"};
    std::ostringstream out;
    out << "library " << kBindings[static_cast<int>(scenario.binding)] << "; registers";
    for (const auto& [port, value] : scenario.registers)
        out << ' ' << Hex(port, 4) << '=' << Hex(value, 2);
    out << "; read-only";
    for (const uint16_t port : scenario.readOnly)
        out << ' ' << Hex(port, 4);
    return out.str();
}

struct Lockstep::Sides {
    explicit Sides(const Scenario& scenario)
        : bound(scenario.binding == Binding::Bound), window(port), panel(window),
          model(bound, model::ModelPort{scenario.registers, scenario.readOnly, {}}) {
        port.registers = scenario.registers;
        port.readOnly = scenario.readOnly;
        // The fake port binds both entry points; a failed binding leaves the
        // panel with none, or with the one that was found before the other
        // was missed.
        if (scenario.binding == Binding::Unbound || scenario.binding == Binding::Out32Only)
            g_pfnInp32 = nullptr;
        if (scenario.binding == Binding::Unbound || scenario.binding == Binding::Inp32Only)
            g_pfnOut32 = nullptr;
    }

    const bool bound;
    FakePort port;
    WatchedWindow window;
    PanelCommands panel;
    model::Panel model;
    size_t accessesCompared = 0;
    size_t messagesCompared = 0;
};

Lockstep::Lockstep(const Scenario& scenario) : m_sides(std::make_unique<Sides>(scenario)) {}

Lockstep::~Lockstep() = default;

size_t Lockstep::AccessesCompared() const {
    return m_sides->accessesCompared;
}
size_t Lockstep::MessagesCompared() const {
    return m_sides->messagesCompared;
}
FakeWindow& Lockstep::RealWindow() {
    return m_sides->window;
}
FakePort& Lockstep::RealPort() {
    return m_sides->port;
}
PanelCommands& Lockstep::RealPanel() {
    return m_sides->panel;
}

std::string Lockstep::Open() {
    Sides& s = *m_sides;
    SetStartingImages(s.window);
    s.model.ShowStartingImages();
    // The dialog's defaults, as if typed.
    const std::pair<int, const wchar_t*> defaults[] = {
        {model::kBaseField, L"378"}, {model::kExtField, L"778"}, {model::kModeField, L"PS/2"}};
    for (const auto& [id, text] : defaults) {
        s.window.texts[id] = text;
        s.model.Type(id, text);
    }
    return Compare(nullptr, 0, false);
}

std::string Lockstep::Apply(const Action& action) {
    Sides& s = *m_sides;
    const size_t accessesBefore = s.port.log.size();
    const bool configuredBefore = s.panel.m_bConfigured != 0;
    switch (action.kind) {
    case Action::Type:
        s.window.texts[action.id] = action.text;
        s.model.Type(action.id, action.text);
        break;
    case Action::Set:
        s.panel.OnSet();
        s.model.Set();
        break;
    case Action::Read:
        s.panel.OnRead();
        s.model.Read();
        break;
    case Action::Write:
        s.panel.OnWrite();
        s.model.Write();
        break;
    case Action::Refresh:
        s.panel.OnRefresh();
        s.model.Read();
        break;
    case Action::PinButton: {
        const bool handled = s.panel.OnPinButton(action.id);
        if (handled != s.model.PinButton(action.id))
            return "pin button " + std::to_string(action.id) + ": panel " +
                   (handled ? "handled" : "ignored") + " it, model did not";
        break;
    }
    case Action::ToggleData:
        s.panel.OnToggleDataBit(action.value);
        s.model.ToggleData(action.value);
        break;
    case Action::ToggleControl:
        s.panel.OnToggleControlBit(action.value);
        s.model.ToggleControl(action.value);
        break;
    case Action::Device:
        s.port.registers[action.port] = action.value;
        s.model.port.registers[action.port] = action.value;
        break;
    }
    return Compare(&action, accessesBefore, configuredBefore);
}

std::string Lockstep::Compare(const Action* action, size_t accessesBefore, bool configuredBefore) {
    Sides& s = *m_sides;
    const std::vector<PortAccess>& log = s.port.log;

    // Checks that hold whatever the model says.
    if (!s.bound && !log.empty())
        return "port accessed although the library is not bound: " +
               AccessText(log[0].write, log[0].port, log[0].value);
    if (action != nullptr && IsCommandOnPins(action->kind) && !configuredBefore &&
        log.size() != accessesBefore)
        return "a pin toggle before a successful SET accessed the port";
    const ParallelPort& record = s.panel.m_port;
    for (size_t i = accessesBefore; i < log.size(); ++i) {
        const uint16_t port = log[i].port;
        const bool known = port == static_cast<uint16_t>(record.base) ||
                           port == static_cast<uint16_t>(record.base + 2) ||
                           port == static_cast<uint16_t>(record.ext + 2);
        if (log[i].write && !known)
            return "write to a port that is neither Data, DCR nor ECR: " +
                   AccessText(true, port, log[i].value);
    }

    // The port access log, from where the last step left off.
    const std::vector<model::Access>& expected = s.model.port.log;
    for (size_t i = s.accessesCompared; i < log.size() || i < expected.size(); ++i) {
        const std::string real =
            i < log.size() ? AccessText(log[i].write, log[i].port, log[i].value) : "nothing";
        const std::string wanted =
            i < expected.size() ? AccessText(expected[i].write, expected[i].port, expected[i].value)
                                : "nothing";
        if (real != wanted)
            return "port access #" + std::to_string(i + 1) + ": panel " + real + ", model " +
                   wanted;
    }

    // Message boxes, and how many accesses each one followed.
    const std::vector<std::wstring>& shown = s.window.messages;
    for (size_t i = s.messagesCompared; i < shown.size() || i < s.model.messages.size(); ++i) {
        const std::wstring real = i < shown.size() ? shown[i] : L"(none)";
        const std::wstring wanted = i < s.model.messages.size() ? s.model.messages[i] : L"(none)";
        if (real != wanted)
            return "message box #" + std::to_string(i + 1) + ": panel " + Printable(real) +
                   ", model " + Printable(wanted);
        if (s.window.accessesBeforeMessage[i] != s.model.accessesBeforeMessage[i])
            return "message box " + Printable(real) + " after " +
                   std::to_string(s.window.accessesBeforeMessage[i]) +
                   " port accesses, model after " +
                   std::to_string(s.model.accessesBeforeMessage[i]);
    }

    std::string difference =
        CompareById<std::wstring>("field", s.window.texts, s.model.texts, L"", Printable);
    if (difference.empty())
        difference = CompareById<bool>("button", s.window.enabled, s.model.enabled, false,
                                       [](bool on) { return on ? "enabled" : "disabled"; });
    if (difference.empty())
        difference = CompareById<int>("indicator", s.window.images, s.model.images, 0,
                                      [](int image) { return "image " + std::to_string(image); });
    if (!difference.empty())
        return difference;

    if ((s.panel.m_bConfigured != 0) != s.model.configured)
        return std::string("SET flag: panel ") + std::to_string(s.panel.m_bConfigured) +
               ", model " + (s.model.configured ? "1" : "0");
    if (record.base != s.model.base || record.ext != s.model.ext || record.mode != s.model.mode)
        return "port record: panel base " + Hex(record.base, 1) + " ext " + Hex(record.ext, 1) +
               " mode " + std::to_string(record.mode) + ", model base " + Hex(s.model.base, 1) +
               " ext " + Hex(s.model.ext, 1) + " mode " + std::to_string(s.model.mode);

    s.accessesCompared = log.size();
    s.messagesCompared = shown.size();
    return "";
}
