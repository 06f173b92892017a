#pragma once
// File calls for tests: they record the calls a safe write makes (create, write, sync, close,
// rename) and can make one chosen call fail as a full disk or a failing device would, with nothing
// done by it. Installs itself for its lifetime.
//
//     FaultyFileCalls calls;
//     ... a save ...                      // calls.steps lists what it did
//     calls.FailCall(3, ENOSPC);          // the third call of the next save fails

#include "platform/FileCalls.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

class FaultyFileCalls : public IFileCalls {
public:
    FaultyFileCalls() { SetFileCalls(this); }
    ~FaultyFileCalls() override { SetFileCalls(nullptr); }

    // Starts counting afresh; the n-th call from now fails with error (0: none fails).
    void FailCall(int n, int error = EIO)
    {
        m_failAt = n;
        m_error = error;
        steps.clear();
        createdNames.clear();
    }

    // Each write takes at most this many bytes, so that a save makes several writes.
    std::size_t maxWrite = SIZE_MAX;
    std::vector<std::string> steps;         // "create", "write", "sync", "close", "rename"
    std::vector<std::string> createdNames;  // the temporary names asked for, as given to create

    int CreateTemp(char* pattern) override
    {
        createdNames.push_back(pattern);
        return Fails("create") ? -1 : SystemFileCalls().CreateTemp(pattern);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override
    {
        return Fails("write") ? -1 : SystemFileCalls().Write(fd, data, size < maxWrite ? size : maxWrite);
    }
    int Sync(int fd) override { return Fails("sync") ? -1 : SystemFileCalls().Sync(fd); }
    int Close(int fd) override
    {
        // A failing close still releases the handle, as the system's does.
        const bool fails = Fails("close");
        const int result = SystemFileCalls().Close(fd);
        if (fails)
            errno = m_error;
        return fails ? -1 : result;
    }
    int Rename(const char* from, const char* to) override
    {
        return Fails("rename") ? -1 : SystemFileCalls().Rename(from, to);
    }

private:
    int m_failAt = 0;
    int m_error = EIO;

    bool Fails(const char* step)
    {
        steps.push_back(step);
        if (static_cast<int>(steps.size()) != m_failAt)
            return false;
        errno = m_error;
        return true;
    }
};
