// The fixture of the end-to-end tests: a simulated port of the test's own and
// the real program started on it, plus the checks every test makes after a
// user action: the message boxes it opened, the port accesses it caused
// (exactly those, in order), the fields, the command buttons and the
// indicators' colours on the screen.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "BenchPort.h"
#include "ExpectedAccesses.h"
#include "KelvarinUnderTest.h"
#include "PanelExpectations.h"

namespace e2e {

// The folders the build puts a program copy in: beside the simulated port
// library, beside no library at all, beside a library that exports Inp32
// but not Out32, beside one whose driver is closed, beside the port-device
// library. And one with the simulated library but no program.
std::wstring SimulatedLibraryFolder();
std::wstring NoLibraryFolder();
std::wstring LibraryOnlyFolder();
std::wstring Inp32OnlyFolder();
std::wstring DriverClosedFolder();
std::wstring PortDeviceFolder();

// The caption of the program's own message boxes: its title.
inline constexpr wchar_t kProgramTitle[] = L"Kelvarin";
inline constexpr wchar_t kLoadFailText[] = L"Loading inpout32 library fail.";

class KelvarinTest : public ::testing::Test {
protected:
    // Removes the screenshots an earlier run of this test left.
    void SetUp() override;
    void TearDown() override;

    // Opens the port, starts the program beside the simulated library and
    // waits for its window; the start shows no box and makes no access.
    void StartProgram(const BenchOptions& options = {});

    // Clicks a button and goes through the message boxes it must open, in
    // order: each with this text, the program's title as caption, owned by
    // the main window, one OK button and no icon. Each is dismissed; then the
    // command must finish without any further box.
    void PressExpectingBoxes(int id, const std::vector<std::wstring>& texts);
    // One box as the program shows it: text, caption, owner, one OK, no icon.
    void ExpectBox(const ShownBox& box, const std::wstring& text, const std::wstring& caption,
                   HWND owner);
    void ExpectNoMessageBox();

    // The accesses since the last check are exactly these; returns them.
    std::vector<portsim::LogEntry> ExpectAccesses(const std::vector<Access>& expected);
    std::vector<portsim::LogEntry> ExpectAccesses(const ExpectedAccesses& expected) {
        return ExpectAccesses(expected.List());
    }
    void ExpectNoAccess() { ExpectAccesses(std::vector<Access>{}); }

    void ExpectFields(const PanelFields& fields);
    void ExpectLevels(const std::map<int, driver::Level>& expected);
    // Fields and the indicators that follow them.
    void ExpectPanel(const PanelFields& fields);
    // READ and WRITE enabled (and the hidden Reflesh with them) or disabled.
    void ExpectTransferCommands(bool enabled);

    // SET with the address fields and the mode as they are (base and ext:
    // the fields' values). Checks the mode's box, the accesses,
    // the fields, READ and WRITE, the indicators; returns what it shows.
    PanelFields Set(const std::wstring& mode, uint32_t base = 0x378, uint32_t ext = 0x778);

    // Saves a screenshot named after the test and the state shown.
    void Screenshot(const std::string& state);

    BenchPort m_bench;
    KelvarinUnderTest m_app;
};

} // namespace e2e
