#pragma once

#include <ctime>
#include <functional>

// "Now" and the protocol's pauses, injected so that tests fix the clock and never sleep.
struct DeviceTiming {
    std::function<std::time_t()> now;
    std::function<void(int milliseconds)> wait;

    // The computer's clock and real sleeps.
    static DeviceTiming System();
};
