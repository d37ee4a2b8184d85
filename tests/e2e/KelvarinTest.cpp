#include "KelvarinTest.h"

#include "AppProcess.h"
#include "Polling.h"
#include "Printable.h"
#include "Connector.h"
#include "ui/resource.h"

namespace e2e {

using driver::Level;

namespace {

// Long typed texts are shown by their length and start.
std::string Shorten(const std::wstring& text) {
    if (text.size() <= 40)
        return "\"" + Printable(text) + "\"";
    return std::to_string(text.size()) + " characters \"" + Printable(text.substr(0, 16)) + "...\"";
}

std::string IndicatorName(int id) {
    for (const ConnectorPin& pin : kConnector)
        if (pin.indicatorId == id)
            return "pin " + std::to_string(pin.pin) + " (" + std::string(pin.label) + ")";
    if (id == kLegendHigh)
        return "legend H";
    if (id == kLegendLow)
        return "legend L";
    return "indicator " + std::to_string(id);
}

// Differences between the indicators' expected and shown levels; empty when
// they agree.
std::string LevelDifferences(const std::map<int, Level>& expected,
                             const std::map<int, Level>& shown) {
    std::string differences;
    for (const auto& [id, level] : expected) {
        const auto seen = shown.find(id);
        const Level actual = seen == shown.end() ? Level::Unknown : seen->second;
        if (actual != level)
            differences += "\n  " + IndicatorName(id) + ": expected " + driver::LevelName(level) +
                           ", shows " + driver::LevelName(actual);
    }
    return differences;
}

// The name this test's screenshots start with.
std::string ScreenshotPrefix() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name() + "-";
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name;
}

} // namespace

std::wstring SimulatedLibraryFolder() {
    return driver::ProgramFolder();
}
std::wstring NoLibraryFolder() {
    return driver::ProgramFolder() + L"\\e2e\\no_library";
}
std::wstring LibraryOnlyFolder() {
    return driver::ProgramFolder() + L"\\e2e\\library_only";
}
std::wstring Inp32OnlyFolder() {
    return driver::ProgramFolder() + L"\\e2e\\inp32_only";
}
std::wstring DriverClosedFolder() {
    return driver::ProgramFolder() + L"\\e2e\\driver_closed";
}
std::wstring PortDeviceFolder() {
    return driver::ProgramFolder() + L"\\e2e\\port_device";
}

void KelvarinTest::SetUp() {
    const std::string prefix = ScreenshotPrefix();
    const std::wstring folder = ScreenshotFolder() + L"\\";
    const std::wstring pattern = folder + std::wstring(prefix.begin(), prefix.end()) + L"*.bmp";
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        ::DeleteFileW((folder + found.cFileName).c_str());
    while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

void KelvarinTest::TearDown() {
    if (m_app.Process().IsRunning() && HasFailure())
        Screenshot("at-failure");
    // A program still running is ended by its process object.
}

void KelvarinTest::StartProgram(const BenchOptions& options) {
    ASSERT_TRUE(m_bench.Open(options));
    ASSERT_TRUE(m_app.Start(SimulatedLibraryFolder()));
    ASSERT_TRUE(m_app.WaitForMainWindow());
    ASSERT_TRUE(m_app.WaitsForInput());
    ExpectNoMessageBox();
    ExpectNoAccess();
}

void KelvarinTest::ExpectBox(const ShownBox& box, const std::wstring& text,
                             const std::wstring& caption, HWND owner) {
    EXPECT_EQ(Printable(box.text), Printable(text));
    EXPECT_EQ(Printable(box.caption), Printable(caption)) << "box " << Printable(box.text);
    EXPECT_EQ(box.owner, owner) << "owner of box " << Printable(box.text);
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"})
        << "buttons of box " << Printable(text);
    EXPECT_FALSE(box.hasIcon) << "box " << Printable(box.text) << " shows an icon";
}

void KelvarinTest::ExpectNoMessageBox() {
    for (const ShownBox& box : m_app.MessageBoxes())
        ADD_FAILURE() << "unexpected message box \"" << Printable(box.caption) << "\": \""
                      << Printable(box.text) << "\"";
}

void KelvarinTest::PressExpectingBoxes(int id, const std::vector<std::wstring>& texts) {
    // With no box to expect, the click is sent and returns once the command
    // has run; a box opened all the same holds it until the send times out.
    if (texts.empty()) {
        EXPECT_TRUE(m_app.Press(id));
        ExpectNoMessageBox();
        return;
    }
    ASSERT_TRUE(m_app.PressWithoutWaiting(id));
    for (const std::wstring& text : texts) {
        const ShownBox box = m_app.WaitForMessageBox();
        ASSERT_NE(box.window, nullptr) << "no message box \"" << Printable(text) << "\"";
        ExpectBox(box, text, kProgramTitle, m_app.Window());
        ASSERT_TRUE(m_app.Dismiss(box));
    }
    ASSERT_TRUE(m_app.Settle());
    ExpectNoMessageBox();
}

std::vector<portsim::LogEntry> KelvarinTest::ExpectAccesses(const std::vector<Access>& expected) {
    std::vector<portsim::LogEntry> logged;
    const auto takeMore = [&] {
        const std::vector<portsim::LogEntry> more = m_bench.TakeAccesses();
        logged.insert(logged.end(), more.begin(), more.end());
    };
    // The command may still be running: closing a message box can let the
    // test's Settle() in before the command's last steps.
    driver::WaitUntil(
        [&] {
            takeMore();
            return logged.size() >= expected.size();
        },
        driver::kStepTimeoutMs);
    if (m_app.Process().IsRunning()) {
        EXPECT_TRUE(m_app.Settle());
        takeMore();
    }
    EXPECT_TRUE(SameAccesses(expected, logged, m_app.Pid()));
    return logged;
}

void KelvarinTest::ExpectFields(const PanelFields& fields) {
    const struct {
        const char* name;
        int id;
        const std::wstring& text;
    } shown[] = {
        {"Data", IDC_DATA_HEX, fields.data.hex},
        {"Data binary", IDC_DATA_BIN, fields.data.binary},
        {"DSR", IDC_DSR_HEX, fields.status.hex},
        {"DSR binary", IDC_DSR_BIN, fields.status.binary},
        {"DCR", IDC_DCR_HEX, fields.control.hex},
        {"DCR binary", IDC_DCR_BIN, fields.control.binary},
    };
    for (const auto& field : shown) {
        const std::wstring text = m_app.Text(field.id);
        EXPECT_TRUE(text == field.text) << field.name << " field shows " << Shorten(text)
                                        << ", expected " << Shorten(field.text);
    }
}

void KelvarinTest::ExpectLevels(const std::map<int, Level>& expected) {
    // A repaint may still be on its way to the screen: look again until it
    // shows (the bound only stops a hung program).
    std::string differences;
    driver::WaitUntil(
        [&] { return (differences = LevelDifferences(expected, m_app.ShownLevels())).empty(); },
        driver::kStepTimeoutMs);
    EXPECT_TRUE(differences.empty()) << "indicators:" << differences;
}

void KelvarinTest::ExpectPanel(const PanelFields& fields) {
    ExpectFields(fields);
    ExpectLevels(ExpectedLevels(fields));
}

void KelvarinTest::ExpectTransferCommands(bool enabled) {
    EXPECT_EQ(m_app.Enabled(IDC_READ), enabled) << "READ";
    EXPECT_EQ(m_app.Enabled(IDC_WRITE), enabled) << "WRITE";
    EXPECT_EQ(m_app.Enabled(IDC_REFRESH), enabled) << "Reflesh";
    EXPECT_TRUE(m_app.Visible(IDC_READ));
    EXPECT_TRUE(m_app.Visible(IDC_WRITE));
    EXPECT_FALSE(m_app.Visible(IDC_REFRESH)) << "Reflesh shows";
}

PanelFields KelvarinTest::Set(const std::wstring& mode, uint32_t base, uint32_t ext) {
    ExpectedAccesses expected(m_bench.State());
    const PanelFields fields = Formatted(expected.Set(base, ext, Mode(mode).ecrBits));
    PressExpectingBoxes(IDC_SET, {mode});
    ExpectAccesses(expected);
    ExpectTransferCommands(true);
    ExpectPanel(fields);
    return fields;
}

void KelvarinTest::Screenshot(const std::string& state) {
    m_app.Screenshot(ScreenshotPrefix() + state);
}

} // namespace e2e
