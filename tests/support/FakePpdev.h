// A fake ppdev driver: /dev/parport0 at 0x378, its requests logged by name,
// what it answers and where it fails set by the tests. Every path it is asked
// about exists (ppdev and parport_pc loaded) unless a test says otherwise.
#pragma once

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "devport/core/PpdevSystem.h"

using Calls = std::vector<std::string>;

class FakePpdev : public devport::PpdevSystem {
public:
    int examined = 0;
    std::set<std::string> absent; // paths examined as missing
    devport::DeviceNode node{true, 99, 0, 7};
    int opened = 3;
    int claimed = 0;
    uint32_t failing = 0; // the request that fails with EIO
    std::map<std::string, std::string> texts = {
        {"/proc/sys/dev/parport/parport0/base-addr", "888\t1912\n"},
        {"/proc/sys/dev/parport/parport0/devices/active", "none\n"},
        {"/proc/self/status", "Gid:\t1000\t1000\t1000\t1000\nGroups:\t24 27 1000\n"},
        {"/etc/group", "root:x:0:\nlp:x:7:\n"}};
    uint8_t data = 0xA5, status = 0x7F, control = 0x0C;
    Calls calls;
    int held = 0; // open descriptors

    int Examine(const std::string& path, devport::DeviceNode& found) override {
        found = node;
        return absent.count(path) != 0 ? -2 : examined;
    }
    int Open(const std::string&) override {
        calls.push_back("open");
        held += opened >= 0;
        return opened;
    }
    void Close(int descriptor) override {
        calls.push_back("close");
        held -= descriptor == opened;
    }
    std::string ReadText(const std::string& path) override { return texts[path]; }
    int Control(int, uint32_t request, void* argument) override {
        static const std::map<uint32_t, std::pair<const char*, uint8_t FakePpdev::*>> requests = {
            {0x80017085, {"PPRDATA", &FakePpdev::data}},
            {0x40017086, {"PPWDATA", &FakePpdev::data}},
            {0x80017081, {"PPRSTATUS", &FakePpdev::status}},
            {0x80017083, {"PPRCONTROL", &FakePpdev::control}},
            {0x40017084, {"PPWCONTROL", &FakePpdev::control}},
            {0x40047090, {"PPDATADIR", nullptr}},
            {0x708B, {"PPCLAIM", nullptr}},
            {0x708C, {"PPRELEASE", nullptr}}};
        const auto& [name, line] = requests.at(request);
        auto* byte = static_cast<uint8_t*>(argument);
        const bool carriesIn = request >> 30 == 1;
        char value[8] = "";
        if (carriesIn)
            std::snprintf(value, sizeof value, " %02X",
                          line ? *byte : *static_cast<int*>(argument));
        calls.push_back(name + std::string(value));
        if (request == failing)
            return -5;
        if (line != nullptr)
            carriesIn ? this->*line = *byte : * byte = this->*line;
        return request == 0x708B ? claimed : 0;
    }
};
