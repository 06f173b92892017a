#pragma once
// Time through one installable service, so that waits and retries (such as ten retries 500 ms
// apart) cost tests nothing: tests install a clock that records the sleeps and advances a counter.

#include <cstdint>
#include <functional>

class IClock {
public:
    virtual ~IClock() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
    // Milliseconds on a steady clock (only differences mean anything).
    virtual std::int64_t TickCount() = 0;
    // Seconds since 1 January 1970 (UTC).
    virtual std::int64_t UnixTime() = 0;
};

// The installed clock (the real one until another is installed).
IClock& Clock();
// Installs a clock (nullptr restores the real one). The caller keeps ownership.
void SetClock(IClock* clock);

// Shorthand for Clock().Sleep(milliseconds).
void SleepMs(unsigned milliseconds);

// Runs attempt until it succeeds: once, then again at once up to `retries` more times, waiting
// delayMs after each of those that fails (a file another program still holds may become readable
// in a moment). True when an attempt succeeded.
bool RetryAfterFailure(int retries, unsigned delayMs, const std::function<bool()>& attempt);

// How the document's files are opened: ten more tries half a second apart.
constexpr int kFileOpenRetries = 10;
constexpr unsigned kFileOpenRetryDelayMs = 500;
