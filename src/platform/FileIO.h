#pragma once
// Byte-exact file reading and safe writing. Nothing is translated: line ends are what the caller
// writes (CR LF for statement files).
//
// Reading takes regular files only: a FIFO would wait for a writer for ever and a device such as
// /dev/zero never ends.
//
// Writing goes to a temporary file beside the target, named ".<name>.saving-XXXXXX" so that a save
// killed part-way leaves a file a user can tell for what it is. The temporary file is written,
// synced, closed and renamed over the target only when all of that worked, so a failed or
// interrupted save never leaves a half-written file. While it writes, the writer holds a lock on
// its temporary file; the next successful save of the same file removes the temporary files of
// that name nobody holds (its own leftovers), never one a running save still writes.
//
// A write goes to the name exactly as given (see ResolveWritePath in Path.h): through a symbolic
// link to the file it leads to; never over a file of that name in another case. A target whose mode
// bits forbid writing is refused, as editors refuse it, even where the system would let root
// replace it. The system calls go through the installable FileCalls() service (FileCalls.h).

#include <cstddef>
#include <functional>
#include <string>

// The largest ".layer" file the program opens: far above any real device, below what would
// exhaust memory.
constexpr std::size_t kMaxLayerFileBytes = std::size_t(256) * 1024 * 1024;

// Reads the whole file (path resolved with ResolveExistingPath). False when it cannot be read or
// is not a regular file.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Reads the file as ReadFileBytes does, handing each piece read to take instead of keeping it;
// take returns false to stop early. sizeHint receives the file's size before the first piece. False
// when the file cannot be read or is not a regular file.
bool ReadFilePieces(const std::string& path, const std::function<bool(const char* data, std::size_t size)>& take,
                    std::size_t* sizeHint = nullptr);

// Whether a file can be opened for reading, told without reading it.
enum class FileReadCheck {
    readable,    // a regular file of at most the size asked for, which this user may read
    cannotOpen,  // missing, or not readable by this user
    notRegular,  // a folder, FIFO, device or socket
    tooLarge,
};
// Checks path; reason tells why it cannot be read, in a few words ("No such file or directory",
// "It is not a regular file.", "It is larger than 256 MB.").
FileReadCheck CheckReadableFile(const std::string& path, std::size_t maxBytes, std::string& reason);

// Writes bytes to path through a temporary file and a rename. False (target untouched) on failure.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

// A file being written: created as a temporary file beside the target by Open, renamed over the
// target by Commit. Destroying it without Commit removes the temporary file.
class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file for target; false when the target may not be replaced (read-only,
    // not a regular file) or the folder cannot take a new file.
    bool Open(const std::string& target);
    bool IsOpen() const { return m_fd >= 0; }
    bool Write(const std::string& bytes);
    bool Write(const void* data, std::size_t size);
    // Syncs, closes and renames over the target (keeping an existing target's permissions), then
    // removes the leftovers of earlier saves of the target that were killed part-way.
    bool Commit();
    // Commit in its steps, for a save of several files that are put in place together: Finish
    // syncs and closes the temporary file, Place renames it over the target, Release removes the
    // leftovers of earlier saves of the target and ends the save's lock.
    bool Finish();
    bool Place();
    void Release();
    // For a file set that syncs its folder once for all its files: Place without the folder sync,
    // and the end of the save's lock without the removal of leftovers (the set settles its folder
    // as a whole, FileSetRecovery.h).
    bool PlaceWithoutFolderSync();
    void ReleaseLockOnly() { ReleaseLock(); }
    // The temporary file between Open and Place ("" otherwise).
    const std::string& TempPath() const { return m_tempPath; }
    // Closes and removes the temporary file; the target stays as it was.
    void Abort();
    // The file that Commit replaces (links followed).
    const std::string& Target() const { return m_target; }
    // After a failure: the system's reason ("Permission denied", "No space left on device").
    const std::string& ErrorText() const { return m_strError; }

    // The name part every temporary file of target carries before its six random characters.
    static std::string TempNamePrefix(const std::string& targetName);

private:
    int m_fd = -1;
    int m_lockFd = -1;  // a second handle on the temporary file that keeps its lock until the end
    bool m_failed = false;
    std::string m_target;
    std::string m_tempPath;
    std::string m_strError;

    bool Fail(int error);
    bool Fail(const std::string& reason);
    // Fails and removes the temporary file at once.
    bool FailAndAbort(int error);
    void ReleaseLock();
    void RemoveLeftovers() const;
};
