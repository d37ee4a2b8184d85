#include "console/SignalStop.h"

#include <signal.h>

#include <initializer_list>

namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void RequestStop(int) {
    g_stop.store(true);
}

} // namespace

const std::atomic<bool>& StopOnSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    return g_stop;
}
