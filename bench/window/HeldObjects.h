// What the running program holds: GDI objects (sampled inside it by the
// simulated port library at an access, since GetGuiResources is a stub under
// Wine), USER objects (its windows and menus, counted from outside) and its
// peak working set.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "KelvarinSession.h"

namespace bench {

struct Held {
    uint32_t gdiObjects = 0;
    int userObjects = 0;
    SIZE_T peakWorkingSet = 0;
    std::string failure; // empty when sampled
};

// Toggles `pin` once, after a pause that makes the library's GDI sample at
// that write a fresh one (it samples at most every 10 ms).
Held SampleHeld(KelvarinSession& session, HWND pin);

} // namespace bench
