// The lockstep comparison agrees with the real panel on ordinary sessions and
// reports every kind of fault planted in the real side: wrong or lost port
// accesses, wrong texts, images, buttons or messages, a lost SET flag.
#include "Lockstep.h"

#include <functional>

#include <gtest/gtest.h>

#include "ModelPanel.h"
#include "panel/PanelCommands.h"
#include "support/FakePort.h"
#include "support/FakeWindow.h"

namespace {

Action Type(int id, const wchar_t* text) {
    return {Action::Type, id, text};
}
Action Click(int id) {
    return {Action::PinButton, id};
}
const Action kSet{Action::Set};
const Action kRead{Action::Read};
const Action kWrite{Action::Write};

Scenario PortWithEcr() {
    Scenario scenario;
    scenario.registers = {{0x378, 0x00}, {0x379, 0x78}, {0x37A, 0x04}, {0x77A, 0x35}};
    return scenario;
}

TEST(Lockstep, AgreesOnTheTypicalSession) {
    Lockstep lockstep(PortWithEcr());
    ASSERT_EQ(lockstep.Open(), "");
    const Action session[] = {
        Type(model::kModeField, L"SPP"),
        kSet,
        Click(1023),
        Click(1024),
        Type(model::kDataHex, L"0x3F"),
        kWrite,
        kRead,
        Type(model::kModeField, L"ECP"),
        kSet,
        Click(1008),
    };
    for (const Action& action : session)
        ASSERT_EQ(lockstep.Apply(action), "") << Describe(action);
    EXPECT_GT(lockstep.AccessesCompared(), 20u);
    EXPECT_EQ(lockstep.MessagesCompared(), 2u);
}

// Entry points that pass through to the fake port's, with a fault.
Inp32Proc g_realInp32;
Out32Proc g_realOut32;
short PORTIO_CALL ReadFlipped(short port) {
    return g_realInp32(port) ^ 1;
}
void PORTIO_CALL WriteFlipped(short port, short value) {
    g_realOut32(port, value ^ 1);
}
void PORTIO_CALL WriteLost(short, short) {}
short PORTIO_CALL ReadWithStrayWrite(short port) {
    g_realOut32(0x379, 0); // DSR is never written
    return g_realInp32(port);
}

struct PlantedFault {
    const char* name;
    bool setFirst; // plant it after a successful SET
    std::function<void(Lockstep&)> plant;
    Action next;
    const char* reported; // a word of the expected report
};

TEST(Lockstep, ReportsEveryPlantedFault) {
    const PlantedFault faults[] = {
        {"written value altered", true, [](Lockstep&) { g_pfnOut32 = WriteFlipped; }, kWrite,
         "port access"},
        {"write lost", true, [](Lockstep&) { g_pfnOut32 = WriteLost; }, Click(1023), "port access"},
        {"read value altered", true, [](Lockstep&) { g_pfnInp32 = ReadFlipped; }, kRead, "field"},
        {"stray write", true, [](Lockstep&) { g_pfnInp32 = ReadWithStrayWrite; }, kRead, "neither"},
        {"wrong image", true,
         [](Lockstep& l) { l.RealWindow().images[1023] = 176 + 184 - l.RealWindow().images[1023]; },
         Type(model::kBaseField, L"278"), "indicator 1023"},
        {"wrong binary text", true, [](Lockstep& l) { l.RealWindow().texts[1074] = L"1"; },
         Type(model::kBaseField, L"278"), "field 1074"},
        {"READ disabled", true, [](Lockstep& l) { l.RealWindow().enabled[3] = false; },
         Type(model::kBaseField, L"278"), "button 3"},
        {"extra message box", true,
         [](Lockstep& l) { l.RealWindow().ShowMessage(L"Base Addr Error!"); },
         Type(model::kBaseField, L"278"), "message box"},
        {"SET flag lost", true, [](Lockstep& l) { l.RealPanel().m_bConfigured = 0; }, Click(1023),
         "port access"},
        {"toggle before SET", false, [](Lockstep& l) { l.RealPanel().m_bConfigured = 1; },
         Click(1023), "port access #1: panel out"},
        {"base address changed", true, [](Lockstep& l) { l.RealPanel().m_port.base = 0x278; },
         Type(model::kBaseField, L"278"), "port record"},
    };
    for (const PlantedFault& fault : faults) {
        Lockstep lockstep(PortWithEcr());
        g_realInp32 = g_pfnInp32;
        g_realOut32 = g_pfnOut32;
        ASSERT_EQ(lockstep.Open(), "");
        if (fault.setFirst) {
            ASSERT_EQ(lockstep.Apply(kSet), "");
        }
        fault.plant(lockstep);
        const std::string report = lockstep.Apply(fault.next);
        EXPECT_NE(report.find(fault.reported), std::string::npos) << fault.name << ": " << report;
    }
}

TEST(Lockstep, ReportsAccessWhileTheLibraryIsNotBound) {
    for (const Binding binding : {Binding::Unbound, Binding::Inp32Only, Binding::Out32Only}) {
        Scenario scenario = PortWithEcr();
        scenario.binding = binding;
        Lockstep lockstep(scenario);
        ASSERT_EQ(lockstep.Open(), "");
        ASSERT_EQ(lockstep.Apply(kSet), "");
        ASSERT_EQ(lockstep.Apply(Click(1023)), "");
        lockstep.RealPort().log.push_back(In(0x378, 0xFF));
        EXPECT_NE(lockstep.Apply(kRead).find("not bound"), std::string::npos);
    }
}

} // namespace
