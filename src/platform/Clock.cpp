#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {

class SystemClock : public IClock {
public:
    void Sleep(unsigned milliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    std::int64_t TickCount() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    std::int64_t UnixTime() override
    {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    }
};

SystemClock g_systemClock;
IClock* g_clock = nullptr;

}  // namespace

IClock& Clock() { return g_clock ? *g_clock : g_systemClock; }

void SetClock(IClock* clock) { g_clock = clock; }

void SleepMs(unsigned milliseconds) { Clock().Sleep(milliseconds); }

bool RetryAfterFailure(int retries, unsigned delayMs, const std::function<bool()>& attempt)
{
    if (attempt())
        return true;
    for (int retry = 1; retry <= retries; ++retry) {
        if (attempt())
            return true;
        SleepMs(delayMs);
    }
    return false;
}
