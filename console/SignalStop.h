// Ctrl+C (SIGINT), SIGTERM and a closing terminal (SIGHUP) set a flag instead
// of ending a native program, so that its logic stops at the next step and
// its main puts the port back and releases it. POSIX only.
#pragma once

#include <atomic>

// Installs the handlers (once) and gives the flag they set.
const std::atomic<bool>& StopOnSignals();
