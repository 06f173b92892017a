#pragma once
// A clock for tests: sleeps return at once, are recorded, and advance the clock's time.
// Installs itself for its lifetime.

#include "platform/Clock.h"

#include <vector>

class RecordingClock : public IClock {
public:
    RecordingClock() { SetClock(this); }
    ~RecordingClock() override { SetClock(nullptr); }

    void Sleep(unsigned milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    std::int64_t TickCount() override { return now; }
    std::int64_t UnixTime() override { return unixTime + now / 1000; }

    std::vector<unsigned> sleeps;
    std::int64_t now = 0;
    std::int64_t unixTime = 1700000000;
};
