#include "DeviceTiming.h"

#include <chrono>
#include <thread>

DeviceTiming DeviceTiming::System() {
    return {[] { return std::time(nullptr); },
            [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }};
}
