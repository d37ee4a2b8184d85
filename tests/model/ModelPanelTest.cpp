// The reference model against worked examples of the panel's rules, so that
// the model check compares the panel with something known to be right.
#include "ModelPanel.h"

#include <gtest/gtest.h>

#include "ModelText.h"

namespace {

using Writes = std::vector<std::pair<uint16_t, uint16_t>>;

Writes WritesOf(const model::Panel& panel) {
    Writes writes;
    for (const model::Access& a : panel.port.log) {
        if (a.write)
            writes.push_back({a.port, a.value});
    }
    return writes;
}

model::Panel PanelAt(const wchar_t* base, const wchar_t* ext, const wchar_t* mode,
                     std::map<uint16_t, uint8_t> registers = {}) {
    model::Panel panel(true, model::ModelPort{std::move(registers), {}, {}});
    panel.ShowStartingImages();
    panel.Type(model::kBaseField, base);
    panel.Type(model::kExtField, ext);
    panel.Type(model::kModeField, mode);
    return panel;
}

TEST(ModelText, ParsesAndFormatsByTheRules) {
    const std::pair<const wchar_t*, uint32_t> parses[] = {
        {L"378", 0x378},
        {L"0x378", 0x378},
        {L" 1F", 0x1F},
        {L"12z", 0x12},
        {L"zz", 0},
        {L"", 0},
        {L"0x0", 0},
        {L"-1", 0xFFFFFFFF},
        {L"0x", 0},
        {L"-0x", 0},
        {L"100000000", ~0u},
        {L"-100000000", ~0u},
        {L"\x0661", 1},
        {L"\u00A0\uFF10x\u1819f", 0x9F},
        {L"\xFF21", 0},
        {L"-0x10", 0xFFFFFFF0},
        {L"00000000000000000001f", 0x1F},
    };
    for (const auto& [text, value] : parses)
        EXPECT_EQ(model::ParseHexText(text), value) << value;

    const std::tuple<uint32_t, const wchar_t*, const wchar_t*> formats[] = {
        {0x00, L"0", L"0"},    {0x05, L"5", L"101"},       {0x80, L"80", L"10000000"},
        {0x0F, L"f", L"1111"}, {0xAB, L"ab", L"10101011"}, {0x1F4, L"1f4", L"111110100"},
    };
    for (const auto& [value, hex, binary] : formats) {
        EXPECT_EQ(model::HexText(value), hex);
        EXPECT_EQ(model::BinaryText(value), binary);
    }
}

TEST(ModelPanel, SetSwitchesTheModeThroughModeZero) {
    struct Case {
        const wchar_t* mode;
        uint8_t ecr;
        Writes ecrWrites;
        int number;
    };
    const Case cases[] = {
        {L"EPP", 0x35, {{0x77A, 0x15}, {0x77A, 0x95}}, 5},
        {L"SPP", 0xFF, {{0x77A, 0x1F}}, 1},
        {L"ECP", 0x00, {{0x77A, 0x00}, {0x77A, 0x60}}, 4},
        {L"PS/2", 0xE7, {{0x77A, 0x07}, {0x77A, 0x27}}, 2},
        {L"PPF", 0x1A, {{0x77A, 0x1A}, {0x77A, 0x5A}}, 3},
    };
    for (const Case& c : cases) {
        model::Panel panel =
            PanelAt(L"378", L"778", c.mode, {{0x77A, c.ecr}, {0x378, 0x12}, {0x37A, 0x04}});
        panel.Set();
        Writes expected = c.ecrWrites;
        expected.push_back({0x378, 0x12});
        expected.push_back({0x37A, 0x04});
        EXPECT_EQ(WritesOf(panel), expected) << c.number;
        EXPECT_EQ(panel.messages, std::vector<std::wstring>{c.mode});
        EXPECT_EQ(panel.accessesBeforeMessage, std::vector<size_t>{0}); // the box comes first
        EXPECT_TRUE(panel.configured);
        EXPECT_EQ(panel.mode, c.number);
        EXPECT_TRUE(panel.enabled[model::kReadButton] && panel.enabled[model::kWriteButton]);
    }
}

TEST(ModelPanel, SetWithExtendedAddressZeroLeavesTheEcrAlone) {
    model::Panel panel = PanelAt(L"378", L"0", L"ECP", {{0x378, 0xA5}, {0x379, 0x78}});
    panel.Set();
    EXPECT_EQ(WritesOf(panel), (Writes{{0x378, 0xA5}, {0x37A, 0xFF}}));
    EXPECT_EQ(panel.mode, 4);
    EXPECT_EQ(panel.texts[model::kDsrHex], L"78");
    EXPECT_EQ(panel.texts[model::kDsrBin], L"1111000");
    EXPECT_EQ(panel.texts[model::kDcrHex], L"ff");
}

TEST(ModelPanel, FailedSetsShowTheirMessagesAndDisableTransfer) {
    struct Case {
        const wchar_t* base;
        const wchar_t* ext;
        const wchar_t* mode;
        std::vector<std::wstring> messages;
    };
    const Case cases[] = {
        {L"", L"", L"", {L"Base Addr Error!", L"Ext Addr Error!", L"Please Select Parallel Mode!"}},
        {L"378", L"", L"SPP", {L"Ext Addr Error!"}},
        {L"378", L"778", L"spp", {}},
        {L"378", L"778", L"SPP ", {}},
    };
    for (const Case& c : cases) {
        model::Panel panel = PanelAt(c.base, c.ext, c.mode);
        panel.Set();
        EXPECT_EQ(panel.messages, c.messages);
        EXPECT_FALSE(panel.configured);
        EXPECT_FALSE(panel.enabled[model::kReadButton] || panel.enabled[model::kWriteButton] ||
                     panel.enabled[model::kRefreshButton]);
        EXPECT_TRUE(panel.port.log.empty());
    }
}

TEST(ModelPanel, WithoutTheLibrarySetOnlyWarnsAndNothingTouchesThePort) {
    model::Panel panel(false, {});
    panel.Type(model::kBaseField, L"378");
    panel.Type(model::kExtField, L"778");
    panel.Type(model::kModeField, L"SPP");
    panel.Set();
    panel.Read();
    panel.Write();
    panel.PinButton(1023);
    EXPECT_EQ(panel.messages, std::vector<std::wstring>{L"Loading inpout32 library fail."});
    EXPECT_FALSE(panel.enabled[model::kReadButton]);
    EXPECT_TRUE(panel.port.log.empty());
}

TEST(ModelPanel, PinButtonsFlipOneBitAndWriteAtOnce) {
    struct Case {
        int button;
        int field;
        const wchar_t* before;
        const wchar_t* after;
        const wchar_t* binary;
        int image; // of the clicked pin
        std::pair<uint16_t, uint16_t> write;
    };
    const Case cases[] = {
        {1008, model::kDataHex, L"7f", L"ff", L"11111111", 175, {0x378, 0xFF}},
        {1024, model::kDcrHex, L"4", L"5", L"101", 173, {0x37A, 0x05}},
        {1023, model::kDataHex, L"0x1F", L"1e", L"11110", 176, {0x378, 0x1E}},
        {1018, model::kDcrHex, L"zz", L"8", L"1000", 170, {0x37A, 0x08}},
        {1023, model::kDataHex, L"1ff", L"1fe", L"111111110", 176, {0x378, 0x1FE}},
    };
    for (const Case& c : cases) {
        model::Panel panel = PanelAt(L"378", L"778", L"SPP");
        panel.Set();
        const size_t writesBefore = WritesOf(panel).size();
        panel.Type(c.field, c.before);
        EXPECT_TRUE(panel.PinButton(c.button));
        EXPECT_EQ(panel.texts[c.field], c.after);
        EXPECT_EQ(panel.texts[c.field + 2], c.binary);
        EXPECT_EQ(panel.images[c.button], c.image);
        ASSERT_EQ(WritesOf(panel).size(), writesBefore + 1);
        EXPECT_EQ(WritesOf(panel).back(), c.write);
    }
}

TEST(ModelPanel, PinButtonsDoNothingBeforeASuccessfulSet) {
    model::Panel panel = PanelAt(L"378", L"778", L"SPP");
    panel.Type(model::kDataHex, L"0");
    EXPECT_TRUE(panel.PinButton(1016));
    EXPECT_FALSE(panel.PinButton(1051)); // a status pin is a picture
    EXPECT_EQ(panel.texts[model::kDataHex], L"0");
    EXPECT_TRUE(panel.port.log.empty());
}

TEST(ModelPanel, IndicatorsShowTheHexadecimalFields) {
    struct Case {
        int field;
        const wchar_t* text;
        std::map<int, int> images;
    };
    const Case cases[] = {
        {model::kDcrHex, L"0", {{1024, 134}, {1025, 135}, {1021, 171}, {1018, 137}}},
        {model::kDcrHex, L"b", {{1024, 173}, {1025, 172}, {1021, 171}, {1018, 170}}},
        {model::kDsrHex, L"78", {{1063, 153}, {1059, 154}, {1060, 132}, {1062, 156}, {1061, 133}}},
        {model::kDsrHex, L"80", {{1063, 165}, {1059, 169}, {1060, 168}, {1062, 167}, {1061, 166}}},
        {model::kDataHex,
         L"a5",
         {{1023, 184},
          {1020, 177},
          {1019, 186},
          {1016, 179},
          {1013, 180},
          {1012, 189},
          {1009, 182},
          {1008, 175}}},
    };
    for (const Case& c : cases) {
        model::Panel panel = PanelAt(L"378", L"778", L"SPP");
        panel.Set();
        panel.Type(c.field, c.text);
        panel.Write(); // WRITE updates the indicators from the fields
        for (const auto& [indicator, image] : c.images)
            EXPECT_EQ(panel.images[indicator], image) << indicator;
    }
}

TEST(ModelPanel, RegisterAddressesWrapAt16Bits) {
    model::Panel panel = PanelAt(L"ffff", L"fffe", L"SPP");
    panel.Set();
    std::vector<uint16_t> ports;
    for (const model::Access& a : panel.port.log)
        ports.push_back(a.port);
    // ECR at 0x0000 (read, write, read back), then Data, DSR, DCR read, Data and DCR written.
    EXPECT_EQ(ports, (std::vector<uint16_t>{0x0000, 0x0000, 0x0000, 0xFFFF, 0x0000, 0x0001, 0xFFFF,
                                            0x0001}));
}

} // namespace
