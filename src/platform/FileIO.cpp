#include "platform/FileIO.h"

#include "platform/Path.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::string native = ResolveExistingPath(path);
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes.swap(data);
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    CAtomicFileWriter writer;
    return writer.Open(path) && writer.Write(bytes) && writer.Commit();
}

CAtomicFileWriter::~CAtomicFileWriter() { Abort(); }

bool CAtomicFileWriter::Open(const std::string& target)
{
    Abort();
    std::string native = NativePath(target);
    // The folder of an existing file is found case-insensitively, the name is kept as given unless
    // a file of that name exists in another case (it is then replaced, not doubled).
    std::string folder = PathFolder(native);
    std::string resolvedFolder = folder.empty() ? std::string() : ResolveExistingPath(folder);
    if (!resolvedFolder.empty() && resolvedFolder.back() != '/')
        resolvedFolder += '/';
    std::string name = PathFileName(native);
    std::string resolvedTarget = ResolveExistingPath(resolvedFolder + name);
    if (PathFolder(resolvedTarget) != resolvedFolder)
        resolvedTarget = resolvedFolder + name;
    std::string pattern = resolvedFolder + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = ::mkstemp(buffer.data());
    if (fd < 0)
        return false;
    m_fd = fd;
    m_failed = false;
    m_target = resolvedTarget;
    m_tempPath = buffer.data();
    return true;
}

bool CAtomicFileWriter::Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }

bool CAtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (m_fd < 0 || m_failed)
        return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(m_fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_failed = true;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CAtomicFileWriter::Commit()
{
    if (m_fd < 0)
        return false;
    if (m_failed) {
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
    bool ok = ::fsync(m_fd) == 0;
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    if (!ok || ::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
        return false;
    }
    m_tempPath.clear();
    return true;
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
}
