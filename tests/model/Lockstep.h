// Runs the real panel logic (PanelCommands over the fake window and the fake
// port) and the reference model side by side, one action at a time, and
// compares after every step everything the user or the port can see: every
// field text, READ/WRITE/Reflesh enabled, every indicator image, the message
// boxes and where they fall among the port accesses, the whole port access
// log, and the panel's port record and SET flag.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class FakePort;
class FakeWindow;
class PanelCommands;

enum class Binding { Bound, Unbound, Inp32Only, Out32Only };

// The port behind the panel when the window opens.
struct Scenario {
    Binding binding = Binding::Bound;
    std::map<uint16_t, uint8_t> registers; // preset contents; other ports read 0xFF
    std::set<uint16_t> readOnly;           // ports that ignore writes (no ECR there)
};

struct Action {
    enum Kind { Type, Set, Read, Write, Refresh, PinButton, ToggleData, ToggleControl, Device };
    Action(Kind kind = Set, int id = 0, std::wstring text = {})
        : kind(kind), id(id), text(std::move(text)) {}

    Kind kind;
    int id = 0;        // Type: the field; PinButton: the clicked id (any id)
    std::wstring text; // Type: the field's new text
    uint8_t value = 0; // ToggleData, ToggleControl: the mask; Device: the register value
    uint16_t port = 0; // Device: a register that the hardware changes on its own
};

// Printable forms for failure reports; long texts are cut short.
std::string Printable(const std::wstring& text);
std::string Describe(const Action& action);
std::string Describe(const Scenario& scenario);

class Lockstep {
public:
    explicit Lockstep(const Scenario& scenario);
    ~Lockstep();
    Lockstep(const Lockstep&) = delete;
    Lockstep& operator=(const Lockstep&) = delete;

    // Opens the window as the dialog does (starting images, default addresses
    // and mode). Each returns the first difference found, or "" when none.
    std::string Open();
    std::string Apply(const Action& action);

    size_t AccessesCompared() const;
    size_t MessagesCompared() const;

    // The real side, for tests that plant faults in it.
    FakeWindow& RealWindow();
    FakePort& RealPort();
    PanelCommands& RealPanel();

private:
    struct Sides;
    std::string Compare(const Action* action, size_t accessesBefore, bool configuredBefore);
    std::unique_ptr<Sides> m_sides;
};
