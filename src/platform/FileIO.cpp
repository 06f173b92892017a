#include "platform/FileIO.h"

#include "platform/FileCalls.h"
#include "platform/Path.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char kNotRegular[] = "It is not a regular file.";
const char kReadOnly[] = "Permission denied (the file is read-only)";

std::string SystemReason(int error) { return std::strerror(error); }

// Opens a file for reading without waiting: a FIFO would block the open until a writer comes.
int OpenForReading(const std::string& native) { return ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }

std::string MegabytesText(std::size_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }

// Read-only as an editor judges it: no write bit at all (which binds root too), or none that lets
// this user write.
bool IsReadOnly(const struct stat& st, const std::string& path)
{
    if ((st.st_mode & 0222) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// The folder part of a native path with its "/" ("" for a bare name) and the name after it.
void SplitNative(const std::string& path, std::string& folder, std::string& name)
{
    std::size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name = path.substr(folder.size());
}

// Makes a rename lasting: the folder's entry is synced. Best effort: the file is in place already.
void SyncFolder(const std::string& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool ReadFilePieces(const std::string& path, const std::function<bool(const char* data, std::size_t size)>& take,
                    std::size_t* sizeHint)
{
    std::string native = ResolveExistingPath(path);
    int fd = OpenForReading(native);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (sizeHint)
        *sizeHint = static_cast<std::size_t>(st.st_size);
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        if (n == 0 || !take(buffer, static_cast<std::size_t>(n)))
            break;
    }
    ::close(fd);
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::string data;
    std::size_t size = 0;
    const bool read = ReadFilePieces(
        path,
        [&](const char* piece, std::size_t n) {
            if (data.empty())
                data.reserve(size);
            data.append(piece, n);
            return true;
        },
        &size);
    if (read)
        bytes.swap(data);
    return read;
}

FileReadCheck CheckReadableFile(const std::string& path, std::size_t maxBytes, std::string& reason)
{
    std::string native = ResolveExistingPath(path);
    struct stat st;
    if (native.empty() || ::stat(native.c_str(), &st) != 0) {
        reason = SystemReason(native.empty() ? ENOENT : errno);
        return FileReadCheck::cannotOpen;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = kNotRegular;
        return FileReadCheck::notRegular;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        reason = "It is larger than " + MegabytesText(maxBytes) + ".";
        return FileReadCheck::tooLarge;
    }
    int fd = OpenForReading(native);
    if (fd < 0) {
        reason = SystemReason(errno);
        return FileReadCheck::cannotOpen;
    }
    ::close(fd);
    reason.clear();
    return FileReadCheck::readable;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    CAtomicFileWriter writer;
    return writer.Open(path) && writer.Write(bytes) && writer.Commit();
}

std::string CAtomicFileWriter::TempNamePrefix(const std::string& targetName) { return "." + targetName + ".saving-"; }

CAtomicFileWriter::~CAtomicFileWriter() { Abort(); }

bool CAtomicFileWriter::Fail(int error) { return Fail(SystemReason(error)); }

bool CAtomicFileWriter::Fail(const std::string& reason)
{
    m_strError = reason;
    m_failed = true;
    return false;
}

bool CAtomicFileWriter::FailAndAbort(int error)
{
    Fail(error);
    Abort();
    return false;
}

bool CAtomicFileWriter::Open(const std::string& target)
{
    Abort();
    m_failed = false;
    m_strError.clear();
    m_target = ResolveWritePath(target);
    struct stat st;
    if (::stat(m_target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return Fail(kNotRegular);
        if (IsReadOnly(st, m_target))
            return Fail(kReadOnly);
    }
    std::string folder, name;
    SplitNative(m_target, folder, name);
    std::string pattern = folder + TempNamePrefix(name) + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = FileCalls().CreateTemp(buffer.data());
    if (fd < 0)
        return Fail(errno);
    m_fd = fd;
    m_tempPath = buffer.data();
    // The lock marks the temporary file as a save in progress until the save has ended; it lives on
    // a handle of its own, since closing the written file is a step of the save.
    m_lockFd = ::dup(fd);
    if (m_lockFd >= 0)
        ::flock(m_lockFd, LOCK_EX | LOCK_NB);
    return true;
}

bool CAtomicFileWriter::Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }

bool CAtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (m_fd < 0 || m_failed)
        return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = FileCalls().Write(m_fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // Nothing of a failed save stays behind, not even while the writer lives on.
            return FailAndAbort(n < 0 ? errno : EIO);
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CAtomicFileWriter::Commit()
{
    if (!Finish() || !Place())
        return false;
    Release();
    return true;
}

bool CAtomicFileWriter::Finish()
{
    if (m_fd < 0 || m_failed) {
        Abort();
        return false;
    }
    // Keep the permissions of a file being replaced; a new file gets the usual mode.
    struct stat st;
    mode_t mode;
    if (::stat(m_target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(m_fd, mode);  // best effort: the content matters more than the mode
    if (FileCalls().Sync(m_fd) != 0)
        return FailAndAbort(errno);
    const int closed = FileCalls().Close(m_fd);
    m_fd = -1;
    if (closed != 0)
        return FailAndAbort(errno);
    return true;
}

bool CAtomicFileWriter::Place()
{
    if (!PlaceWithoutFolderSync())
        return false;
    std::string folder, name;
    SplitNative(m_target, folder, name);
    SyncFolder(folder);
    return true;
}

bool CAtomicFileWriter::PlaceWithoutFolderSync()
{
    if (m_fd >= 0 || m_failed || m_tempPath.empty()) {
        Abort();
        return false;
    }
    if (FileCalls().Rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return FailAndAbort(errno);
    m_tempPath.clear();
    return true;
}

void CAtomicFileWriter::Release()
{
    if (m_tempPath.empty() && m_fd < 0)
        RemoveLeftovers();
    ReleaseLock();
}

void CAtomicFileWriter::Abort()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
    ReleaseLock();
}

void CAtomicFileWriter::ReleaseLock()
{
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

void CAtomicFileWriter::RemoveLeftovers() const
{
    std::string folder, name;
    SplitNative(m_target, folder, name);
    const std::string prefix = TempNamePrefix(name);
    constexpr std::size_t kRandomPart = 6;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName.size() != prefix.size() + kRandomPart || entryName.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string path = folder + entryName;
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st;
        // A save that still runs holds its lock: its file is not a leftover.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}
