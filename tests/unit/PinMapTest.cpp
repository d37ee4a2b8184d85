#include "panel/PinMap.h"

#include <gtest/gtest.h>

#include <set>

#include "support/FakeWindow.h"
#include "panel/PanelIds.h"

namespace {

TEST(PinMap, TableIsComplete) {
    std::set<int> pins, indicators, images;
    for (const PinRow& row : kPinTable) {
        pins.insert(row.pin);
        indicators.insert(row.indicatorId);
        if (row.imageHigh)
            images.insert(row.imageHigh);
        images.insert(row.imageLow);
    }
    EXPECT_EQ(pins.size(), 25u);
    EXPECT_EQ(*pins.begin(), 1);
    EXPECT_EQ(*pins.rbegin(), 25);
    EXPECT_EQ(indicators.size(), 25u);
    EXPECT_EQ(images.size(), 42u); // 17 register pins x 2 + 8 ground
}

TEST(PinMap, StartingImagesAreAllRedInOrder) {
    FakeWindow window;
    SetStartingImages(window);
    const std::vector<std::pair<int, int>> expected = {
        {1058, 157}, {1057, 158}, {1056, 159}, {1055, 160}, {1054, 161}, {1053, 162}, {1052, 163},
        {1051, 164}, {1063, 165}, {1059, 169}, {1060, 168}, {1062, 167}, {1061, 166}, {1064, 130},
        {1065, 131}, {1008, 183}, {1009, 182}, {1012, 181}, {1013, 180}, {1016, 179}, {1019, 178},
        {1020, 177}, {1023, 176}, {1018, 170}, {1021, 171}, {1025, 172}, {1024, 173},
    };
    EXPECT_EQ(window.imageLog, expected);
}

struct ImageCase {
    const wchar_t* data;
    const wchar_t* dsr;
    const wchar_t* dcr;
    std::map<int, int> images; // indicator -> image expected
};

TEST(PinMap, ImagesFollowTheFieldsText) {
    const ImageCase cases[] = {
        // DCR 0: strobe, auto feed and select in are inverted, so their lines are high.
        {L"0", L"0", L"0", {{IDC_C0, 134}, {IDC_C1, 135}, {IDC_C2, 171}, {IDC_C3, 137}}},
        {L"0", L"0", L"b", {{IDC_C0, 173}, {IDC_C1, 172}, {IDC_C2, 171}, {IDC_C3, 170}}},
        {L"0", L"0", L"4", {{IDC_C0, 134}, {IDC_C2, 136}}},
        // DSR 78: bits 3..6 set and busy clear: all five status pins high.
        {L"0",
         L"78",
         L"0",
         {{IDC_PIN15, 153},
          {IDC_PIN13, 154},
          {IDC_PIN12, 132},
          {IDC_PIN10, 156},
          {IDC_PIN11, 133}}},
        {L"0",
         L"80",
         L"0",
         {{IDC_PIN15, 165},
          {IDC_PIN13, 169},
          {IDC_PIN12, 168},
          {IDC_PIN10, 167},
          {IDC_PIN11, 166}}},
        {L"a5",
         L"0",
         L"0",
         {{IDC_D0, 184},
          {IDC_D1, 177},
          {IDC_D2, 186},
          {IDC_D3, 179},
          {IDC_D4, 180},
          {IDC_D5, 189},
          {IDC_D6, 182},
          {IDC_D7, 175}}},
        {L"A5", L"0", L"0", {{IDC_D0, 184}, {IDC_D7, 175}}},
        // Text that does not parse counts as 0; bits above the register are ignored.
        {L"zz", L"zz", L"zz", {{IDC_D0, 176}, {IDC_PIN11, 133}, {IDC_C0, 134}}},
        {L"100", L"", L"1f0", {{IDC_D0, 176}, {IDC_D7, 183}, {IDC_C0, 134}, {IDC_C3, 137}}},
        {L"-1", L"0", L"0", {{IDC_D0, 184}, {IDC_D7, 175}}},
    };
    for (const ImageCase& c : cases) {
        FakeWindow window;
        window.texts = {{IDC_DATA_HEX, c.data}, {IDC_DSR_HEX, c.dsr}, {IDC_DCR_HEX, c.dcr}};
        UpdatePinImages(window);
        EXPECT_EQ(window.imageLog.size(), 17u);
        for (const auto& [id, image] : c.images)
            EXPECT_EQ(window.images[id], image)
                << Narrow(c.data) << " " << Narrow(c.dsr) << " " << Narrow(c.dcr) << " id " << id;
    }
}

TEST(PinMap, UpdateOrderIsDataThenStatusThenControl) {
    FakeWindow window;
    UpdatePinImages(window);
    std::vector<int> order;
    for (const auto& entry : window.imageLog)
        order.push_back(entry.first);
    EXPECT_EQ(order, (std::vector<int>{IDC_D0, IDC_D1, IDC_D2, IDC_D3, IDC_D4, IDC_D5, IDC_D6,
                                       IDC_D7, IDC_PIN15, IDC_PIN13, IDC_PIN12, IDC_PIN10,
                                       IDC_PIN11, IDC_C0, IDC_C1, IDC_C2, IDC_C3}));
}

TEST(PinMap, OnlyDataAndControlButtonsToggle) {
    for (const int id : {IDC_D0, IDC_D7, IDC_C0, IDC_C3})
        EXPECT_NE(FindPinButton(id), nullptr) << id;
    for (const int id : {IDC_PIN15, IDC_PIN18, IDC_LEGEND_HIGH, IDC_SET, 1015, 0})
        EXPECT_EQ(FindPinButton(id), nullptr) << id;
}

// Busy reads inverted; Strobe, Auto Feed and Select In are inverted on the
// pins; Init is not.
TEST(PinMap, PinLevelsAndNamesFollowTheConnector) {
    struct LevelCase {
        int pin;
        const char* name;
        uint8_t value;
        bool high;         // the pin's level with the register at value
        uint8_t highValue; // value with the pin driven high
        uint8_t lowValue;  // value with the pin driven low
    };
    const LevelCase cases[] = {
        {2, "D0", 0x01, true, 0x01, 0x00},          {9, "D7", 0x7F, false, 0xFF, 0x7F},
        {15, "Error", 0x08, true, 0x08, 0x00},      {13, "Select", 0xEF, false, 0xFF, 0xEF},
        {12, "Paper Out", 0x20, true, 0x20, 0x00},  {10, "Ack", 0x40, true, 0x40, 0x00},
        {11, "Busy", 0x80, false, 0x00, 0x80},      {11, "Busy", 0x7F, true, 0x7F, 0xFF},
        {1, "Strobe", 0x00, true, 0x00, 0x01},      {1, "Strobe", 0xCD, false, 0xCC, 0xCD},
        {14, "Auto Feed", 0x02, false, 0x00, 0x02}, {16, "Init", 0x04, true, 0x04, 0x00},
        {16, "Init", 0xCB, false, 0xCF, 0xCB},      {17, "Select In", 0x08, false, 0x00, 0x08},
    };
    for (const LevelCase& c : cases) {
        const PinRow* row = FindPin(c.pin);
        ASSERT_NE(row, nullptr) << c.pin;
        EXPECT_EQ(row->name, c.name) << c.pin;
        EXPECT_EQ(PinIsHigh(*row, c.value), c.high) << c.pin << " at " << int{c.value};
        EXPECT_EQ(WithPinLevel(*row, c.value, true), c.highValue) << c.pin;
        EXPECT_EQ(WithPinLevel(*row, c.value, false), c.lowValue) << c.pin;
    }
    EXPECT_EQ(FindPin(18)->name, "Ground");
    for (const int pin : {0, 26, -1})
        EXPECT_EQ(FindPin(pin), nullptr) << pin;
}

} // namespace
