#include "framework/MessageMap.h"

#include <gtest/gtest.h>

namespace {

LRESULT BaseOk(CDialog&, WPARAM, LPARAM) {
    return 1;
}
LRESULT BasePaint(CDialog&, WPARAM, LPARAM) {
    return 2;
}
LRESULT DerivedOk(CDialog&, WPARAM, LPARAM) {
    return 3;
}
LRESULT DerivedRange(CDialog&, WPARAM, LPARAM) {
    return 4;
}
LRESULT DerivedSysCommand(CDialog&, WPARAM, LPARAM) {
    return 5;
}

const MessageMapEntry kBaseEntries[] = {
    {WM_COMMAND, IDOK, IDOK, &BaseOk},
    {WM_PAINT, 0, 0, &BasePaint},
    {0, 0, 0, nullptr},
};
const MessageMap kBaseMap = {&MessageMapRoot::GetThisMessageMap, kBaseEntries};
const MessageMap* BaseMap() {
    return &kBaseMap;
}

const MessageMapEntry kDerivedEntries[] = {
    {WM_COMMAND, IDOK, IDOK, &DerivedOk},
    {WM_COMMAND, 10, 20, &DerivedRange},
    {WM_SYSCOMMAND, 0, 0, &DerivedSysCommand},
    {0, 0, 0, nullptr},
};
const MessageMap kDerivedMap = {&BaseMap, kDerivedEntries};

struct LookupCase {
    const MessageMap* map;
    UINT message;
    UINT commandId;
    MessageHandler expected; // null: nothing maps it
};

TEST(MessageMap, FindsTheMostDerivedEntryThenTheBases) {
    const LookupCase cases[] = {
        {&kDerivedMap, WM_COMMAND, IDOK, &DerivedOk}, // the derived class overrides its base
        {&kBaseMap, WM_COMMAND, IDOK, &BaseOk},
        {&kDerivedMap, WM_COMMAND, 10, &DerivedRange}, // ranges include both ends
        {&kDerivedMap, WM_COMMAND, 15, &DerivedRange},
        {&kDerivedMap, WM_COMMAND, 20, &DerivedRange},
        {&kDerivedMap, WM_COMMAND, 9, nullptr},
        {&kDerivedMap, WM_COMMAND, 21, nullptr},
        {&kDerivedMap, WM_PAINT, 0, &BasePaint}, // found in the base
        {&kDerivedMap, WM_SYSCOMMAND, 0, &DerivedSysCommand},
        {&kDerivedMap, WM_TIMER, 0, nullptr},
        {&kBaseMap, WM_SYSCOMMAND, 0, nullptr},
    };
    for (const LookupCase& c : cases) {
        const MessageMapEntry* entry = FindMessageEntry(c.map, c.message, c.commandId);
        EXPECT_EQ(entry != nullptr ? entry->handler : nullptr, c.expected)
            << "message " << c.message << ", command " << c.commandId;
    }
}

TEST(MessageMap, AnEmptyChainMapsNothing) {
    EXPECT_EQ(FindMessageEntry(nullptr, WM_COMMAND, IDOK), nullptr);
}

} // namespace
