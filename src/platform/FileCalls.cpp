#include "platform/FileCalls.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

class SystemCalls : public IFileCalls {
public:
    int CreateTemp(char* pattern) override { return ::mkostemp(pattern, O_CLOEXEC); }
    ssize_t Write(int fd, const void* data, std::size_t size) override { return ::write(fd, data, size); }
    int Sync(int fd) override { return ::fsync(fd); }
    int Close(int fd) override { return ::close(fd); }
    int Rename(const char* from, const char* to) override { return ::rename(from, to); }
    int Link(const char* from, const char* to) override { return ::link(from, to); }
    int Remove(const char* path) override { return ::unlink(path); }
    int SyncFolder(const char* folder) override
    {
        const int fd = ::open(*folder ? folder : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return -1;
        const int synced = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        errno = error;
        return synced;
    }
};

SystemCalls g_systemCalls;
IFileCalls* g_fileCalls = nullptr;

}  // namespace

IFileCalls& FileCalls() { return g_fileCalls ? *g_fileCalls : g_systemCalls; }

void SetFileCalls(IFileCalls* calls) { g_fileCalls = calls; }

IFileCalls& SystemFileCalls() { return g_systemCalls; }
