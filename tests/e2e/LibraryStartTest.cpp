// Starting without a usable port library: with none at all, with one whose
// driver is closed and with the port-device library that cannot reach its
// device, the program warns once, opens its window without the About entry
// and never touches a port; with a library that lacks Out32 it says nothing
// at start, releases it and never reads through it. SET explains itself in
// every case. The library is looked for beside the program and in the system
// folder only: one in the working folder or on PATH is never loaded.
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "KelvarinTest.h"
#include "Polling.h"
#include "Printable.h"
#include "ScratchFile.h"
#include "Connector.h"
#include "ui/resource.h"
#include "port/PortLibraryFile.h"
#include "tests/support/LoadedPortLibrary.h"

namespace e2e {
namespace {

// A folder put first on this process's PATH, which the programs it starts
// inherit, for as long as it lives.
class PathWithFolderFirst {
public:
    explicit PathWithFolderFirst(const std::wstring& folder) {
        wchar_t path[32767] = {};
        const DWORD length = ::GetEnvironmentVariableW(L"PATH", path, 32767);
        m_old.assign(path, length);
        ::SetEnvironmentVariableW(L"PATH", (folder + L";" + m_old).c_str());
    }
    ~PathWithFolderFirst() { ::SetEnvironmentVariableW(L"PATH", m_old.c_str()); }

private:
    std::wstring m_old;
};

class WithoutPortLibrary : public KelvarinTest {
protected:
    // The window stays as it opened: defaults, empty fields, every pin low,
    // READ and WRITE disabled.
    void ExpectUntouchedWindow() {
        EXPECT_EQ(m_app.Text(IDC_BASE_ADDR), L"378");
        EXPECT_EQ(m_app.Text(IDC_EXT_ADDR), L"778");
        EXPECT_EQ(m_app.Text(IDC_MODE), L"PS/2");
        ExpectFields(EmptyFields());
        ExpectLevels(StartingLevels());
        ExpectTransferCommands(false);
    }

    // SET says the library is missing, every time, and does nothing else;
    // the pins stay inert.
    void ExpectSetExplainsAndNothingMoves() {
        ASSERT_TRUE(m_app.PickMode(L"SPP"));
        for (int press = 0; press < 2; ++press)
            PressExpectingBoxes(IDC_SET, {kLoadFailText});
        for (const ConnectorPin& pin : ButtonPins())
            ASSERT_TRUE(m_app.Press(pin.indicatorId));
        ExpectNoMessageBox();
        ExpectFields(EmptyFields());
        ExpectLevels(StartingLevels());
        ExpectTransferCommands(false);
    }

    // The system menu's last item is not the About entry: choosing it does
    // what the system's own item does and opens no About box. (On Windows
    // that item is Close, which ends the program; Wine adds an "About Wine"
    // item of its own at the end, which opens its box.)
    void ExpectNoAboutEntryInTheSystemMenu() {
        ASSERT_TRUE(driver::ChooseLastSystemMenuItem(m_app.Window(), driver::kStepTimeoutMs));
        HWND shown = nullptr;
        const bool acted = driver::WaitUntil([&] {
            for (HWND dialog : driver::VisibleDialogs(m_app.Pid()))
                if (dialog != m_app.Window())
                    shown = dialog;
            return shown != nullptr || !m_app.Process().IsRunning();
        });
        ASSERT_TRUE(acted) << "the system menu's last item did nothing";
        EXPECT_EQ(driver::FindDialog(m_app.Pid(), L"About Kelvarin"), nullptr)
            << "the system menu has the About entry";
        if (shown != nullptr) {
            ::PostMessageW(shown, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(driver::WaitForWindowGone(shown, driver::kStepTimeoutMs));
        }
    }

    // OK ends the program; there is no library to release.
    void ExpectOkEndsTheProgram() {
        if (!m_app.Process().IsRunning())
            return; // the system menu's Close ended it
        ASSERT_TRUE(m_app.PressWithoutWaiting(IDOK));
        ASSERT_TRUE(m_app.Process().WaitForExit(driver::kStepTimeoutMs));
        EXPECT_EQ(m_app.Process().ExitCode(), 0u);
    }

    // Without a bound library the window's icons are not set: the caption
    // shows no icon.
    void ExpectNoIconInTheCaption() {
        EXPECT_LT(m_app.CaptionIconMatch(), 0.5) << "the caption shows the program's icon";
    }

    // Nothing reached the simulated port, and the program never loaded it.
    void ExpectThePortNeverTouched() {
        ExpectNoAccess();
        EXPECT_FALSE(m_bench.Record(m_app.Pid()).has_value())
            << "the program loaded the simulated port";
    }

    // The whole start with a library that cannot be used, from the warning to
    // OK: the library is not kept, and nothing reaches the simulated port.
    void ExpectWarnedStartAndNothingMoves(const std::wstring& folder,
                                          const std::wstring& workingFolder = {}) {
        ASSERT_TRUE(m_bench.Open());
        ASSERT_TRUE(m_app.Start(folder, workingFolder));
        // The warning comes while the window initialises, before it shows,
        // and has no owner.
        const ShownBox warning = m_app.WaitForMessageBox();
        ASSERT_NE(warning.window, nullptr) << "no warning at start";
        ExpectBox(warning, kLoadFailText, L"Warning", nullptr);
        EXPECT_EQ(driver::FindDialog(m_app.Pid(), L"Kelvarin"), nullptr)
            << "the window showed before the warning was dismissed";
        Screenshot("warning");
        ASSERT_TRUE(m_app.Dismiss(warning));

        ASSERT_TRUE(m_app.WaitForMainWindow());
        ASSERT_TRUE(m_app.WaitsForInput());
        ExpectNoMessageBox();
        ExpectUntouchedWindow();
        EXPECT_FALSE(m_app.HasModule(kLoadedPortLibrary));
        Screenshot("opened");

        ExpectNoIconInTheCaption();
        ExpectSetExplainsAndNothingMoves();
        ExpectNoAboutEntryInTheSystemMenu();
        ExpectOkEndsTheProgram();
        ExpectThePortNeverTouched();
    }
};

TEST_F(WithoutPortLibrary, WarnsOnceAndNeverTouchesAPort) {
    ExpectWarnedStartAndNothingMoves(NoLibraryFolder());
}

// The library's driver is closed: every access would do nothing, so it
// counts as missing.
TEST_F(WithoutPortLibrary, LibraryWithItsDriverClosedCountsAsMissing) {
    ExpectWarnedStartAndNothingMoves(DriverClosedFolder());
}

// The port-device library refuses to load when its device is missing, and
// creates no file in its place.
TEST_F(WithoutPortLibrary, PortDeviceLibraryWithoutItsDeviceCountsAsMissing) {
    const devport_test::ScratchFile device("e2e-missing-port.bin");
    const devport_test::DeviceSetting setting(device.LinuxPath());
    ExpectWarnedStartAndNothingMoves(PortDeviceFolder());
    EXPECT_FALSE(device.Read().has_value()) << "a file took the device's place";
}

TEST_F(WithoutPortLibrary, LibraryInTheWorkingFolderIsNeverLoaded) {
    ExpectWarnedStartAndNothingMoves(NoLibraryFolder(), LibraryOnlyFolder());
}

TEST_F(WithoutPortLibrary, LibraryOnPathIsNeverLoaded) {
    const PathWithFolderFirst path(LibraryOnlyFolder());
    ExpectWarnedStartAndNothingMoves(NoLibraryFolder());
}

TEST_F(WithoutPortLibrary, Inp32OnlyLibraryIsReleasedSilentlyAndNeverRead) {
    ASSERT_TRUE(m_bench.Open());
    ASSERT_TRUE(m_app.Start(Inp32OnlyFolder()));
    ASSERT_TRUE(m_app.WaitForMainWindow());
    ASSERT_TRUE(m_app.WaitsForInput());
    ExpectNoMessageBox();
    EXPECT_FALSE(m_app.HasModule(kLoadedPortLibrary)) << "the half library was not released";
    ExpectUntouchedWindow();

    ExpectNoIconInTheCaption();
    ExpectSetExplainsAndNothingMoves();
    ExpectNoAboutEntryInTheSystemMenu();
    ExpectOkEndsTheProgram();
    ExpectThePortNeverTouched();
}

// The simulated library in the prefix's system folder, where every later
// program of the prefix would find it (the tests without a library too): the
// test removes it when it ends, one left by a crashed run when it starts, and
// the Wine session's fixture before and after every run.
class LibraryInTheSystemFolder : public KelvarinTest {
protected:
    void SetUp() override {
        KelvarinTest::SetUp();
        Remove();
    }
    void TearDown() override {
        if (m_app.Process().IsRunning())
            m_app.Process().Kill();
        EXPECT_TRUE(Remove()) << "cannot remove " << Printable(Path());
        KelvarinTest::TearDown();
    }
    static std::wstring Path() {
        wchar_t folder[MAX_PATH] = {};
        ::GetSystemDirectoryW(folder, MAX_PATH);
        return std::wstring(folder) + L"\\" + kPortLibraryFile;
    }
    static bool Put() {
        return ::CopyFileW((SimulatedLibraryFolder() + L"\\" + kPortLibraryFile).c_str(),
                           Path().c_str(), TRUE) != FALSE;
    }
    static bool Remove() {
        return ::DeleteFileW(Path().c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
    }
};

// Beside the program or in the system folder, the library is bound: no
// warning, and it is held until OK.
TEST_F(LibraryInTheSystemFolder, LibraryBesideTheProgramOrInTheSystemFolderIsBound) {
    struct Case {
        const wchar_t* where;
        std::wstring programFolder;
        bool inSystemFolder;
    };
    const Case cases[] = {
        {L"beside the program", SimulatedLibraryFolder(), false},
        {L"in the system folder", NoLibraryFolder(), true},
    };
    ASSERT_TRUE(m_bench.Open());
    for (const Case& c : cases) {
        SCOPED_TRACE(Printable(c.where));
        if (c.inSystemFolder) {
            ASSERT_TRUE(Put()) << "cannot copy the library to " << Printable(Path());
        }
        ASSERT_TRUE(m_app.Start(c.programFolder));
        ASSERT_TRUE(m_app.WaitForMainWindow());
        ASSERT_TRUE(m_app.WaitsForInput());
        ExpectNoMessageBox();
        EXPECT_TRUE(m_app.HasModule(kLoadedPortLibrary));
        const auto record = m_bench.Record(m_app.Pid());
        ASSERT_TRUE(record.has_value()) << "the library never attached";
        EXPECT_TRUE(record->HoldsLibrary());
        ASSERT_TRUE(m_app.PressWithoutWaiting(IDOK));
        ASSERT_TRUE(m_app.Process().WaitForExit(driver::kStepTimeoutMs));
    }
}

} // namespace
} // namespace e2e
