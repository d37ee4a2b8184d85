#include "panel/PanelCommands.h"

#include <gtest/gtest.h>

#include "support/FakePort.h"
#include "support/FakeWindow.h"
#include "panel/PanelIds.h"

namespace {

class PanelCommandsTest : public ::testing::Test {
protected:
    PanelCommandsTest() {
        port.registers = {{0x378, 0x00}, {0x379, 0x7F}, {0x37A, 0xC4}, {0x77A, 0x35}};
    }

    void Type(const wchar_t* base, const wchar_t* ext, const wchar_t* mode) {
        window.texts[IDC_BASE_ADDR] = base;
        window.texts[IDC_EXT_ADDR] = ext;
        window.texts[IDC_MODE] = mode;
    }

    void SetUpPort(const wchar_t* mode = L"SPP") {
        Type(L"378", L"778", mode);
        panel.OnSet();
        ASSERT_EQ(panel.m_bConfigured, 1);
        port.log.clear();
        window.messages.clear();
        journal.clear();
    }

    bool TransferEnabled() {
        return window.enabled[IDC_READ] && window.enabled[IDC_WRITE] && window.enabled[IDC_REFRESH];
    }
    bool TransferDisabled() {
        return window.enabled.count(IDC_READ) && !window.enabled[IDC_READ] &&
               !window.enabled[IDC_WRITE] && !window.enabled[IDC_REFRESH];
    }

    Journal journal;
    FakeWindow window{&journal};
    FakePort port{&journal};
    PanelCommands panel{window};
};

struct SetCase {
    const wchar_t* mode;
    PortMode number;
    std::vector<PortAccess> ecrAccesses;
};

// The whole of SET: the message names the mode before any access, the ECR
// passes through mode 000, then the registers are read and Data and DCR
// written straight back.
TEST_F(PanelCommandsTest, SetSwitchesReadsAndWritesBackInOrder) {
    const SetCase cases[] = {
        {L"SPP", kPortModeSpp, {In(0x77A, 0x35), Out(0x77A, 0x15), In(0x77A, 0x15)}},
        {L"PS/2",
         kPortModePs2,
         {In(0x77A, 0x35), Out(0x77A, 0x15), In(0x77A, 0x15), In(0x77A, 0x15), Out(0x77A, 0x35),
          In(0x77A, 0x35)}},
        {L"PPF",
         kPortModePpf,
         {In(0x77A, 0x35), Out(0x77A, 0x15), In(0x77A, 0x15), In(0x77A, 0x15), Out(0x77A, 0x55),
          In(0x77A, 0x55)}},
        {L"EPP",
         kPortModeEpp,
         {In(0x77A, 0x35), Out(0x77A, 0x15), In(0x77A, 0x15), In(0x77A, 0x15), Out(0x77A, 0x95),
          In(0x77A, 0x95)}},
        {L"ECP",
         kPortModeEcp,
         {In(0x77A, 0x35), Out(0x77A, 0x15), In(0x77A, 0x15), In(0x77A, 0x15), Out(0x77A, 0x75),
          In(0x77A, 0x75)}},
    };
    for (const SetCase& c : cases) {
        port.registers[0x77A] = 0x35;
        port.log.clear();
        journal.clear();
        window.messages.clear();
        Type(L"378", L"778", c.mode);
        panel.OnSet();

        std::vector<PortAccess> expected = c.ecrAccesses;
        for (const PortAccess& a : {In(0x378, 0x00), In(0x379, 0x7F), In(0x37A, 0xC4),
                                    Out(0x378, 0x00), Out(0x37A, 0xC4)})
            expected.push_back(a);
        EXPECT_EQ(port.log, expected) << Narrow(c.mode);
        EXPECT_EQ(window.messages, std::vector<std::wstring>{c.mode});
        EXPECT_EQ(journal.front(), "message " + Narrow(c.mode));
        EXPECT_EQ(panel.m_bConfigured, 1);
        EXPECT_EQ(panel.m_port.mode, c.number);
        EXPECT_EQ(panel.m_port.base, 0x378u);
        EXPECT_EQ(panel.m_port.ext, 0x778u);
        EXPECT_TRUE(TransferEnabled());
        EXPECT_EQ(window.texts[IDC_DATA_HEX], L"0");
        EXPECT_EQ(window.texts[IDC_DSR_HEX], L"7f");
        EXPECT_EQ(window.texts[IDC_DCR_BIN], L"11000100");
        EXPECT_EQ(window.images[IDC_PIN11], IDB_S7_HIGH); // busy bit clear: pin high
        EXPECT_EQ(window.images[IDC_C2], IDB_C2_HIGH);    // DCR c4: initialise set
    }
}

TEST_F(PanelCommandsTest, SetOnAPortWithoutEcrGoesOnSilently) {
    port.registers[0x77A] = 0xFF;
    port.readOnly.insert(0x77A);
    Type(L"378", L"778", L"SPP");
    panel.OnSet();
    EXPECT_EQ(port.Writes(),
              (std::vector<PortAccess>{Out(0x77A, 0x1F), Out(0x378, 0x00), Out(0x37A, 0xC4)}));
    EXPECT_EQ(window.messages, std::vector<std::wstring>{L"SPP"});
    EXPECT_EQ(panel.m_bConfigured, 1);
}

TEST_F(PanelCommandsTest, ExtZeroSkipsTheEcrButSetGoesOn) {
    Type(L"378", L"0", L"ECP");
    panel.OnSet();
    EXPECT_EQ(port.log, (std::vector<PortAccess>{In(0x378, 0x00), In(0x379, 0x7F), In(0x37A, 0xC4),
                                                 Out(0x378, 0x00), Out(0x37A, 0xC4)}));
    EXPECT_EQ(panel.m_port.mode, kPortModeEcp);
    EXPECT_TRUE(TransferEnabled());
}

TEST_F(PanelCommandsTest, TheExtendedAddressIsUsedAsTyped) {
    Type(L"278", L"778", L"SPP");
    panel.OnSet();
    ASSERT_FALSE(port.log.empty());
    EXPECT_EQ(port.log[0], In(0x77A, 0x35));
    EXPECT_EQ(port.log[3], In(0x278, 0xFF)); // nothing at 0x278: an empty bus
}

TEST_F(PanelCommandsTest, BaseFfffWrapsTheRegisterPorts) {
    Type(L"ffff", L"0", L"SPP");
    panel.OnSet();
    EXPECT_EQ(port.log,
              (std::vector<PortAccess>{In(0xFFFF, 0xFF), In(0x0000, 0xFF), In(0x0001, 0xFF),
                                       Out(0xFFFF, 0xFF), Out(0x0001, 0xFF)}));
}

TEST_F(PanelCommandsTest, AllEmptyShowsThreeMessagesInOrderAndTouchesNothing) {
    Type(L"", L"", L"");
    panel.OnSet();
    EXPECT_EQ(window.messages, (std::vector<std::wstring>{L"Base Addr Error!", L"Ext Addr Error!",
                                                          L"Please Select Parallel Mode!"}));
    EXPECT_TRUE(port.log.empty());
    EXPECT_EQ(panel.m_bConfigured, 0);
    EXPECT_TRUE(TransferDisabled());
    EXPECT_EQ(panel.m_port.base, 0u);
}

struct FailedSetCase {
    const wchar_t* base;
    const wchar_t* ext;
    const wchar_t* mode;
    std::vector<std::wstring> messages;
};

TEST_F(PanelCommandsTest, FailedSetsAreSilentOrNameTheEmptyField) {
    const FailedSetCase cases[] = {
        {L"378", L"778", L"spp", {}},
        {L"378", L"778", L"SPP ", {}},
        {L"378", L"778", L" ", {}}, // blanks are not empty, and match no mode
        {L"", L"778", L"SPP", {L"Base Addr Error!"}},
        {L"378", L"", L"EPP", {L"Ext Addr Error!"}},
        {L"378", L"778", L"", {L"Please Select Parallel Mode!"}},
    };
    for (const FailedSetCase& c : cases) {
        SetUpPort();
        Type(c.base, c.ext, c.mode);
        panel.OnSet();
        EXPECT_EQ(window.messages, c.messages) << Narrow(c.mode);
        EXPECT_TRUE(port.log.empty()) << Narrow(c.mode);
        EXPECT_EQ(panel.m_bConfigured, 0);
        EXPECT_TRUE(TransferDisabled());

        // Toggles are inert again.
        panel.OnToggleDataBit(0x01);
        EXPECT_TRUE(port.log.empty());
    }
}

TEST_F(PanelCommandsTest, FailedSetKeepsTheNewlyParsedAddresses) {
    SetUpPort();
    Type(L"278", L"", L"SPP");
    panel.OnSet();
    EXPECT_EQ(panel.m_port.base, 0x278u);
    EXPECT_EQ(panel.m_port.ext, 0u);
}

TEST_F(PanelCommandsTest, NonHexadecimalAddressIsAcceptedAsZero) {
    Type(L"xyz", L"0", L"SPP");
    panel.OnSet();
    EXPECT_EQ(panel.m_bConfigured, 1);
    EXPECT_EQ(port.log.front(), In(0x0000, 0xFF));
}

TEST_F(PanelCommandsTest, TogglesBeforeSetDoNothing) {
    window.texts[IDC_DATA_HEX] = L"5";
    for (const int id : {IDC_D0, IDC_D3, IDC_D7, IDC_C0, IDC_C3})
        EXPECT_TRUE(panel.OnPinButton(id));
    EXPECT_TRUE(port.log.empty());
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(window.texts[IDC_DATA_HEX], L"5");
}

struct ToggleCase {
    const wchar_t* typed; // in the toggled register's field
    int button;
    const wchar_t* hex;
    const wchar_t* binary;
    PortAccess write;
    int pinImage;
};

TEST_F(PanelCommandsTest, ToggleFlipsTheFieldsBitAndWritesOnce) {
    const ToggleCase cases[] = {
        {L"0", IDC_D0, L"1", L"1", Out(0x378, 0x01), IDB_D0_HIGH},
        {L"0x1F", IDC_D0, L"1e", L"11110", Out(0x378, 0x1E), IDB_D0_LOW},
        {L"7f", IDC_D7, L"ff", L"11111111", Out(0x378, 0xFF), IDB_D7_HIGH},
        {L"ff", IDC_D3, L"f7", L"11110111", Out(0x378, 0xF7), IDB_D3_LOW},
        {L"zz", IDC_D6, L"40", L"1000000", Out(0x378, 0x40), IDB_D6_HIGH},
        {L"1ff", IDC_D1, L"1fd", L"111111101", Out(0x378, 0x1FD), IDB_D1_LOW},
        {L"4", IDC_C0, L"5", L"101", Out(0x37A, 0x05), IDB_C0_LOW},
        {L"5", IDC_C0, L"4", L"100", Out(0x37A, 0x04), IDB_C0_HIGH},
        {L"0", IDC_C1, L"2", L"10", Out(0x37A, 0x02), IDB_C1_LOW},
        {L"0", IDC_C2, L"4", L"100", Out(0x37A, 0x04), IDB_C2_HIGH},
        {L"c4", IDC_C3, L"cc", L"11001100", Out(0x37A, 0xCC), IDB_C3_LOW},
    };
    for (const ToggleCase& c : cases) {
        SetUpPort();
        const bool control = c.write.port == 0x37A;
        const int hexId = control ? IDC_DCR_HEX : IDC_DATA_HEX;
        const int binId = control ? IDC_DCR_BIN : IDC_DATA_BIN;
        const int otherId = control ? IDC_DATA_HEX : IDC_DCR_HEX;
        const std::wstring other = window.texts[otherId];
        window.texts[hexId] = c.typed;
        ASSERT_TRUE(panel.OnPinButton(c.button));
        EXPECT_EQ(window.texts[hexId], c.hex) << Narrow(c.typed);
        EXPECT_EQ(window.texts[binId], c.binary) << Narrow(c.typed);
        EXPECT_EQ(window.texts[otherId], other);
        EXPECT_EQ(port.log, std::vector<PortAccess>{c.write}) << Narrow(c.typed);
        EXPECT_EQ(window.images[c.button], c.pinImage) << Narrow(c.typed);
        EXPECT_TRUE(window.messages.empty());
        // The indicators are updated before the register is written.
        EXPECT_EQ(journal.back(), ToString(c.write));
    }
}

TEST_F(PanelCommandsTest, ReadShowsWhatTheDeviceChanged) {
    SetUpPort();
    port.registers[0x379] = 0x87; // busy pin low, the other status pins low too
    panel.OnRead();
    EXPECT_EQ(port.log,
              (std::vector<PortAccess>{In(0x378, 0x00), In(0x379, 0x87), In(0x37A, 0xC4)}));
    EXPECT_EQ(window.texts[IDC_DSR_HEX], L"87");
    EXPECT_EQ(window.texts[IDC_DSR_BIN], L"10000111");
    EXPECT_EQ(window.images[IDC_PIN11], IDB_S7_LOW);
    EXPECT_EQ(window.images[IDC_PIN15], IDB_S3_LOW);

    port.log.clear();
    panel.OnRefresh();
    EXPECT_EQ(port.log.size(), 3u);
}

TEST_F(PanelCommandsTest, WriteSendsTypedValuesAndShowsThemOnThePins) {
    SetUpPort();
    window.texts[IDC_DATA_HEX] = L"A5";
    window.texts[IDC_DCR_HEX] = L"";
    panel.OnWrite();
    EXPECT_EQ(port.log, (std::vector<PortAccess>{Out(0x378, 0xA5), Out(0x37A, 0x00)}));
    EXPECT_EQ(window.texts[IDC_DATA_HEX], L"A5");
    EXPECT_EQ(window.texts[IDC_DATA_BIN], L"10100101");
    EXPECT_EQ(window.images[IDC_D0], IDB_D0_HIGH);
    EXPECT_EQ(window.images[IDC_D1], IDB_D1_LOW);
    EXPECT_EQ(window.images[IDC_C0], IDB_C0_HIGH);
}

// With only Inp32 bound the library counts as unbound: nothing may call it.
TEST_F(PanelCommandsTest, WithoutTheLibraryNothingTouchesThePort) {
    g_pfnOut32 = nullptr;
    Type(L"378", L"778", L"SPP");
    panel.OnSet();
    EXPECT_EQ(window.messages, std::vector<std::wstring>{kLoadFailText});
    EXPECT_TRUE(TransferDisabled());
    EXPECT_EQ(panel.m_bConfigured, 0);
    panel.OnRead();
    panel.OnWrite();
    panel.OnPinButton(IDC_D0);
    panel.OnPinButton(IDC_C0);
    EXPECT_TRUE(port.log.empty());
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(PanelCommandsTest, OtherIdsAreNotPinButtons) {
    SetUpPort();
    for (const int id : {IDC_SET, IDC_PIN15, IDC_LEGEND_LOW, 1015, IDC_DATA_HEX})
        EXPECT_FALSE(panel.OnPinButton(id));
    EXPECT_TRUE(port.log.empty());
}

} // namespace
