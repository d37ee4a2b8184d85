// Binding the port library for real. The same program runs in a folder per
// kind of library: one exporting both entry points, one exporting only Inp32,
// two that also say whether their driver is open, and none; each run selects
// its tests with --gtest_filter.
#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "port/LoadPortIo.h"
#include "tests/support/LoadedPortLibrary.h"

namespace {

using ProbeLastAccessProc = long(__stdcall*)(unsigned short*, unsigned short*);

bool LibraryIsLoaded() {
    return GetModuleHandleA(kLoadedPortLibraryA) != nullptr;
}

// Loads the library while a watcher answers any message box.
int LoadWatched(ParallelPort& port, std::vector<SeenMessageBox>& boxes) {
    MessageBoxWatcher watcher;
    const int result = LoadPortIo(&port);
    boxes = watcher.Seen();
    return result;
}

// The one warning a failed load shows: exact text, no owner, no icon, OK.
void ExpectSingleLoadWarning(const std::vector<SeenMessageBox>& boxes) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Warning");
    EXPECT_EQ(boxes[0].text, L"Loading inpout32 library fail.");
    EXPECT_FALSE(boxes[0].hasOwner);
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttonCount, 1);
}

// The quiet binding's reason; it shows no box. The library is released after.
PortBinding BindQuietly() {
    ParallelPort port{};
    MessageBoxWatcher watcher;
    const PortBinding binding = BindPortLibrary(port);
    EXPECT_TRUE(watcher.Seen().empty());
    ReleasePortIo(port);
    EXPECT_FALSE(LibraryIsLoaded());
    return binding;
}

TEST(Binding, NullRecordFailsWithoutLoadingAnything) {
    MessageBoxWatcher watcher;
    EXPECT_EQ(LoadPortIo(nullptr), -1);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_FALSE(LibraryIsLoaded());
}

TEST(WithFullLibrary, BindsBothEntryPointsSilently) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    ASSERT_EQ(LoadWatched(port, boxes), 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(port.lib, nullptr);
    EXPECT_TRUE(IsPortIoBound());
    EXPECT_TRUE(LibraryIsLoaded());
    ReleasePortIo(port);
    EXPECT_EQ(port.lib, nullptr);
    EXPECT_FALSE(IsPortIoBound());
    EXPECT_FALSE(LibraryIsLoaded());
    EXPECT_EQ(BindQuietly(), PortBinding::Bound);
}

// Port numbers of PCI Express cards (0x8000 and above) and wrapped sums must
// reach the library as their exact 16-bit pattern.
TEST(WithFullLibrary, PortNumbersAndValuesCrossTheBoundaryIntact) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    ASSERT_EQ(LoadWatched(port, boxes), 0);
    const auto lastAccess = reinterpret_cast<ProbeLastAccessProc>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(port.lib), "ProbeLastAccess")));
    ASSERT_NE(lastAccess, nullptr);

    struct Case {
        uint16_t port;
        uint32_t value;
        uint16_t valueSeen;
    };
    const Case cases[] = {
        {0x0378, 0x01, 0x01},
        {0xD100, 0xA5, 0xA5},
        {0xFFFF, 0x80, 0x80},
        {StatusPort(0xFFFF), 0x7F, 0x7F},
        {ControlPort(0xFFFF), 0x0B, 0x0B},
        {0x8000, 0x1FF, 0x1FF}, // a typed value above a byte passes unchanged
    };
    for (const Case& c : cases) {
        unsigned short seenPort = 0, seenValue = 0;
        WritePort(c.port, c.value);
        lastAccess(&seenPort, &seenValue);
        EXPECT_EQ(seenPort, c.port);
        EXPECT_EQ(seenValue, c.valueSeen);

        EXPECT_EQ(ReadPort(c.port), c.port & 0xFF); // the probe's high byte is cut
        lastAccess(&seenPort, &seenValue);
        EXPECT_EQ(seenPort, c.port);
    }
    ReleasePortIo(port);
}

TEST(WithInp32Only, FailsSilentlyAndTheCallerReleases) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    EXPECT_EQ(LoadWatched(port, boxes), -1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(port.lib, nullptr);
    EXPECT_FALSE(IsPortIoBound());
    ReleasePortIo(port);
    EXPECT_EQ(port.lib, nullptr);
    EXPECT_EQ(g_pfnInp32, nullptr); // never to be used after a failed bind
    EXPECT_FALSE(LibraryIsLoaded());
    ReleasePortIo(port); // a second release finds nothing to release
    EXPECT_EQ(port.lib, nullptr);
    EXPECT_EQ(BindQuietly(), PortBinding::NoEntryPoints);
}

TEST(WithoutLibrary, WarnsOnceWithTheExactBox) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    EXPECT_EQ(LoadWatched(port, boxes), -1);
    EXPECT_EQ(port.lib, nullptr);
    EXPECT_FALSE(IsPortIoBound());
    ExpectSingleLoadWarning(boxes);
    EXPECT_EQ(BindQuietly(), PortBinding::NoLibrary);
}

// A library whose driver is closed would take every access and do nothing:
// it counts as missing, and no entry point survives the failed bind.
TEST(WithDriverClosed, WarnsAsForAMissingLibraryAndUnbinds) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    EXPECT_EQ(LoadWatched(port, boxes), -1);
    ExpectSingleLoadWarning(boxes);
    EXPECT_FALSE(IsPortIoBound());
    EXPECT_EQ(g_pfnInp32, nullptr);
    EXPECT_EQ(g_pfnOut32, nullptr);
    ASSERT_NE(port.lib, nullptr); // the caller releases it
    ReleasePortIo(port);
    EXPECT_FALSE(LibraryIsLoaded());
    EXPECT_EQ(BindQuietly(), PortBinding::DriverClosed);
}

TEST(WithDriverOpen, BindsSilentlyAndReachesTheLibrary) {
    ParallelPort port{};
    std::vector<SeenMessageBox> boxes;
    ASSERT_EQ(LoadWatched(port, boxes), 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(IsPortIoBound());
    EXPECT_EQ(ReadPort(0x0379), 0x79);
    ReleasePortIo(port);
    EXPECT_FALSE(LibraryIsLoaded());
}

} // namespace
