#pragma once
// Byte-exact file reading and safe writing. Nothing is translated: line ends are what the caller
// writes (CR LF for statement files). Every write goes to a temporary file in the target's folder
// and is renamed over the target only when complete, so a failed or interrupted save never leaves
// a half-written file.

#include <string>

// Reads the whole file (path resolved with ResolveExistingPath). False when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes bytes to path through a temporary file and a rename. False (target untouched) on failure.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

// A file being written: created as a temporary file in the target's folder by Open, renamed over
// the target by Commit. Destroying it without Commit removes the temporary file.
class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file for target; false when the folder cannot take a new file.
    bool Open(const std::string& target);
    bool IsOpen() const { return m_fd >= 0; }
    bool Write(const std::string& bytes);
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and renames over the target (keeping an existing target's permissions).
    bool Commit();
    // Closes and removes the temporary file; the target stays as it was.
    void Abort();
    const std::string& Target() const { return m_target; }

private:
    int m_fd = -1;
    bool m_failed = false;
    std::string m_target;
    std::string m_tempPath;
};
