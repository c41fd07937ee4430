#include "tools/vorix-sim/interrupt.h"

#include <signal.h>

#include <atomic>

namespace {

// A lock-free atomic is safe to store from a signal handler.
std::atomic<int> requested{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler stores an atomic int");

void onSignal(int signal) { requested.store(signal); }

void catchSignal(int signal) {
    struct sigaction old;
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) return;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The second signal finds the default action back in place; writes go on
    // where the first one interrupted them.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(signal, &action, nullptr);
}

}  // namespace

void catchInterrupts() {
    catchSignal(SIGINT);
    catchSignal(SIGTERM);
}

int interruptSignal() { return requested.load(); }

void requestInterrupt(int signal) { requested.store(signal); }
