// Mapping the simulator's shared section into this process.
#pragma once

#include <string>

#include "core/SectionLayout.h"
#include "core/SimSettings.h"

namespace portsim {

enum class OpenMode {
    Existing,        // only a section that some process holds
    CreateIfMissing, // create it when no process holds it
};

class SharedSection {
public:
    SharedSection() = default;
    ~SharedSection() { Close(); }
    SharedSection(const SharedSection&) = delete;
    SharedSection& operator=(const SharedSection&) = delete;

    // Maps the section named settings.section. A section that nobody has
    // initialised yet gets the power-on state of `settings`. Returns an empty
    // string on success, else why the section cannot be used.
    std::wstring Open(const SimSettings& settings, OpenMode mode);
    void Close();

    Section* get() const { return m_view; }
    // True when this process initialised the section.
    bool initialised() const { return m_initialised; }

private:
    void* m_mapping = nullptr;
    Section* m_view = nullptr;
    bool m_initialised = false;
};

// Puts the port into the power-on state of `settings`, clears the log and
// keeps the settings' notes. Under the lock.
void ResetSection(Section& section, const SimSettings& settings);

} // namespace portsim
