// Support for the simulated port's tests: the library loaded as the program
// loads it, a fresh port section for every test, and running helper
// processes (the portsim tool, simport_child) with their output captured.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "AppProcess.h"
#include "ChildProcess.h"
#include "client/PortSimClient.h"
#include "port/PortLibraryFile.h"

// The folder of this test program, where the build puts inpout32.dll.
using driver::ProgramFolder;

// The portsim tool and simport_child, run with their output captured.
using driver::ChildProcess;
using driver::ProcessResult;
using driver::RunHelper;

// inpout32.dll loaded by full path and bound by its export names.
class SimLibrary {
public:
    explicit SimLibrary(const std::wstring& path = ProgramFolder() + L"\\" + kPortLibraryFile);
    ~SimLibrary();
    SimLibrary(const SimLibrary&) = delete;
    SimLibrary& operator=(const SimLibrary&) = delete;

    bool Bound() const { return m_inp32 != nullptr && m_out32 != nullptr; }
    short In(uint16_t port) const { return m_inp32(static_cast<short>(port)); }
    void Out(uint16_t port, uint16_t value) const {
        m_out32(static_cast<short>(port), static_cast<short>(value));
    }

private:
    HMODULE m_module;
    short(__stdcall* m_inp32)(short) = nullptr;
    void(__stdcall* m_out32)(short, short) = nullptr;
};

// Points the PORTSIM_* variables at a section of this test alone, with the
// default port; helper processes inherit them.
std::wstring UseFreshSection();

// A test with the library loaded (so its section exists) and a client on it.
class SimPortTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::wstring m_section;
    std::unique_ptr<SimLibrary> m_library;
    std::unique_ptr<portsim::PortSimClient> m_client;
};
