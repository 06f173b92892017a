#pragma once
// File calls for tests: they record the calls a safe write makes (create, write, sync, close,
// link, rename, remove, syncfolder) and can make one chosen call fail as a full disk or a failing
// device would, with nothing done by it, or end the process (SIGKILL) right after a chosen call,
// as a crash or a power cut would. Installs itself for its lifetime.
//
//     FaultyFileCalls calls;
//     ... a save ...                      // calls.steps lists what it did, calls.trace with names
//     calls.FailCall(3, ENOSPC);          // the third call of the next save fails
//     calls.killAfter = 7;                // the process dies once the seventh call is done

#include "platform/FileCalls.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <map>
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
        trace.clear();
        createdNames.clear();
    }

    // A file name as the trace shows it: the name alone, its six random characters as "XXXXXX".
    static std::string TraceName(const std::string& path)
    {
        std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
        for (const char* marker : {".saving-", ".old-", ".commit-"}) {
            const std::size_t at = name.rfind(marker);
            if (!name.empty() && name[0] == '.' && at != std::string::npos &&
                name.size() == at + std::char_traits<char>::length(marker) + 6)
                name = name.substr(0, name.size() - 6) + "XXXXXX";
        }
        return name;
    }

    // Each write takes at most this many bytes, so that a save makes several writes.
    std::size_t maxWrite = SIZE_MAX;
    // The process kills itself once this many calls are done (0: never).
    int killAfter = 0;
    std::vector<std::string> steps;         // "create", "write", "sync", "close", "link", "rename", ...
    std::vector<std::string> trace;         // each step with the names it touched ("rename .a.saving-XXXXXX a")
    std::vector<std::string> createdNames;  // the temporary names asked for, as given to create

    int CreateTemp(char* pattern) override
    {
        createdNames.push_back(pattern);
        if (Fails("create", TraceName(pattern)))
            return -1;
        const int fd = SystemFileCalls().CreateTemp(pattern);
        if (fd >= 0)
            m_names[fd] = TraceName(pattern);
        return Done(fd);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override
    {
        if (Fails("write", m_names[fd]))
            return -1;
        return Done(SystemFileCalls().Write(fd, data, size < maxWrite ? size : maxWrite));
    }
    int Sync(int fd) override { return Fails("sync", m_names[fd]) ? -1 : Done(SystemFileCalls().Sync(fd)); }
    int Close(int fd) override
    {
        // A failing close still releases the handle, as the system's does.
        const bool fails = Fails("close", m_names[fd]);
        m_names.erase(fd);
        const int result = SystemFileCalls().Close(fd);
        if (fails)
            errno = m_error;
        return fails ? -1 : Done(result);
    }
    int Rename(const char* from, const char* to) override
    {
        return Fails("rename", TraceName(from) + " " + TraceName(to)) ? -1 : Done(SystemFileCalls().Rename(from, to));
    }
    int Link(const char* from, const char* to) override
    {
        return Fails("link", TraceName(from) + " " + TraceName(to)) ? -1 : Done(SystemFileCalls().Link(from, to));
    }
    int Remove(const char* path) override
    {
        return Fails("remove", TraceName(path)) ? -1 : Done(SystemFileCalls().Remove(path));
    }
    int SyncFolder(const char* folder) override
    {
        return Fails("syncfolder", "") ? -1 : Done(SystemFileCalls().SyncFolder(folder));
    }

private:
    int m_failAt = 0;
    int m_error = EIO;
    std::map<int, std::string> m_names;  // the temporary file each open handle writes

    bool Fails(const char* step, const std::string& names)
    {
        steps.push_back(step);
        trace.push_back(names.empty() ? std::string(step) : std::string(step) + " " + names);
        if (static_cast<int>(steps.size()) != m_failAt)
            return false;
        errno = m_error;
        return true;
    }

    // A call that was carried out: where the process is to die, it dies now.
    template <typename T>
    T Done(T result)
    {
        if (killAfter > 0 && static_cast<int>(steps.size()) == killAfter)
            std::raise(SIGKILL);
        return result;
    }
};
