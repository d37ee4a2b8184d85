// The reference model of the register panel: what the window must show and
// which port accesses must happen for any sequence of typed texts and
// commands. Deliberately plain and kept apart from the panel's code (this
// library does not link it): its own tables, written from the pin, toggle
// and mode tables with their literal numbers, its own text rules and its own
// port.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ModelPort.h"

namespace model {

// Element ids of the main window.
constexpr int kBaseField = 1070;
constexpr int kExtField = 1071;
constexpr int kModeField = 1066;
constexpr int kDataHex = 1072;
constexpr int kDataBin = 1074;
constexpr int kDsrHex = 1076;
constexpr int kDsrBin = 1078;
constexpr int kDcrHex = 1080;
constexpr int kDcrBin = 1082;
constexpr int kReadButton = 3;
constexpr int kWriteButton = 4;
constexpr int kRefreshButton = 6;

constexpr wchar_t kLoadFailMessage[] = L"Loading inpout32 library fail.";

// The twelve data and control pin buttons, D7..D0 then C3..C0.
extern const int kPinButtonIds[12];

class Panel {
public:
    // bound: both entry points of the port library are there.
    Panel(bool bound, ModelPort port);

    // The indicators as the window opens: every pin low, the legend.
    void ShowStartingImages();
    // The user's typing: a field's whole text.
    void Type(int id, const std::wstring& text) { texts[id] = text; }

    void Set();
    void Read();
    void Write();
    void ToggleData(uint8_t mask);
    void ToggleControl(uint8_t mask);
    // A click on a pin button; false when id is no pin button.
    bool PinButton(int id);

    // What the window shows; a field never set shows "", a button never
    // enabled is disabled.
    std::map<int, std::wstring> texts;
    std::map<int, int> images;
    std::map<int, bool> enabled;
    std::vector<std::wstring> messages;
    // For every message box: how many port accesses came before it.
    std::vector<size_t> accessesBeforeMessage;

    ModelPort port;
    const bool bound;
    bool configured = false;
    uint32_t base = 0;
    uint32_t ext = 0;
    int mode = 0;

private:
    struct Register {
        int hexId;
        int binId;
        uint16_t offset;
    };
    static const Register kData, kDsr, kDcr;

    void Show(const std::wstring& text);
    void EnableTransfer(bool on);
    void StepEcr(uint8_t modeBits);
    void ReadRegisters();
    void WriteRegisters();
    void UpdateImages();
    void Toggle(const Register& reg, uint8_t mask);
};

} // namespace model
