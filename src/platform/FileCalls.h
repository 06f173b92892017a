#pragma once
// The system calls through which the safe writer (FileIO.h) and the file sets (FileTransaction.h)
// create, write, sync, link, rename and remove files, reached through one installable service. The program uses the system's own calls; a test
// installs calls that fail at a chosen step (tests/support/FaultyFileCalls.h), so that every step of
// a save can be made to fail in turn, as database engines test their commits.

#include <cstddef>
#include <sys/types.h>

class IFileCalls {
public:
    virtual ~IFileCalls() = default;
    // mkstemp: creates and opens a new file from a name ending in "XXXXXX" (filled in place).
    virtual int CreateTemp(char* pattern) = 0;
    // write: some or all of the bytes; -1 with errno on failure.
    virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
    // fsync: the file's data on the disk.
    virtual int Sync(int fd) = 0;
    // close: the last of the file is handed over; a network file system reports a failed write here.
    virtual int Close(int fd) = 0;
    // rename: the new file takes the old one's place in one step.
    virtual int Rename(const char* from, const char* to) = 0;
    // link: a second name for an existing file.
    virtual int Link(const char* from, const char* to) = 0;
    // unlink: a name removed.
    virtual int Remove(const char* path) = 0;
    // fsync of a folder: the names created, renamed and removed in it are on the disk.
    virtual int SyncFolder(const char* folder) = 0;
};

// The installed calls (the system's until others are installed).
IFileCalls& FileCalls();
// Installs calls (nullptr restores the system's). The caller keeps ownership.
void SetFileCalls(IFileCalls* calls);
// The system's own calls, for an installed service that passes most calls on.
IFileCalls& SystemFileCalls();
