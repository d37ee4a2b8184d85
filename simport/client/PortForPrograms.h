// A simulated port of the caller's own for the programs it starts: a fresh
// shared section, created now in the power-on state the settings give, with
// the PORTSIM_* variables pointing at it, so that a program started
// afterwards inherits them and its inpout32.dll maps that same section.
// Used by the end-to-end tests and the window benchmark.
#pragma once

#include <memory>
#include <string>

#include "client/PortSimClient.h"

namespace portsim {

// Creates the section (settings.section is replaced by a name no other run
// uses) and sets the environment. Null, with the reason in *error, when the
// section cannot be made or one of that name exists already.
std::unique_ptr<PortSimClient> CreatePortForPrograms(SimSettings settings, std::wstring* error);

} // namespace portsim
