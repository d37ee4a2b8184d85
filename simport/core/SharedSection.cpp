#include "core/SharedSection.h"

#include <windows.h>

#include <algorithm>

#include "core/SectionLock.h"
#include "core/SectionLog.h"

namespace portsim {

namespace {

std::wstring SystemMessage(DWORD error) {
    wchar_t text[256] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, ARRAYSIZE(text), nullptr);
    std::wstring message(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message.empty() ? L"error " + std::to_wstring(error) : message;
}

void Initialise(Section& section, const SimSettings& settings) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    section.version = kLayoutVersion;
    section.size = sizeof(Section);
    section.creatorPid = GetCurrentProcessId();
    section.ticksPerSecond = frequency.QuadPart;
    section.createdTicks = now.QuadPart;
    section.nextSeq = 1;
    ResetSection(section, settings);
    section.magic = kSectionMagic;
}

} // namespace

void ResetSection(Section& section, const SimSettings& settings) {
    section.port = PowerOnState(settings.base, settings.chip, settings.device, settings.faults,
                                settings.waves);
    section.port.printer = MakePrinter(settings.deviceId, settings.printerFaults);
    section.port.ticksPerSecond = section.ticksPerSecond;
    ClearLog(section);
    const size_t length = std::min(settings.notes.size(), kNoteLength - 1);
    settings.notes.copy(section.settingsNote, length);
    section.settingsNote[length] = L'\0';
}

std::wstring SharedSection::Open(const SimSettings& settings, OpenMode mode) {
    Close();
    const wchar_t* name = settings.section.c_str();
    HANDLE mapping = mode == OpenMode::CreateIfMissing
                         ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(Section), name)
                         : OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
    if (mapping == nullptr) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return L"no simulated port is open under the name " + settings.section;
        return L"cannot open section " + settings.section + L": " + SystemMessage(error);
    }
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Section));
    if (view == nullptr) {
        const DWORD error = GetLastError();
        CloseHandle(mapping);
        return L"cannot map section " + settings.section +
               L" (made by another version of the simulator?): " + SystemMessage(error);
    }
    m_mapping = mapping;
    m_view = static_cast<Section*>(view);
    {
        SectionLock lock(*m_view);
        if (m_view->magic == 0) {
            Initialise(*m_view, settings);
            m_initialised = true;
        }
    }
    if (m_view->magic != kSectionMagic || m_view->version != kLayoutVersion ||
        m_view->size != sizeof(Section)) {
        const std::wstring error =
            L"section " + settings.section + L" was made by another version of the simulator";
        Close();
        return error;
    }
    return {};
}

void SharedSection::Close() {
    if (m_view != nullptr)
        UnmapViewOfFile(m_view);
    if (m_mapping != nullptr)
        CloseHandle(m_mapping);
    m_view = nullptr;
    m_mapping = nullptr;
    m_initialised = false;
}

} // namespace portsim
