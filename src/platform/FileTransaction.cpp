#include "platform/FileTransaction.h"

#include "platform/FileCalls.h"
#include "platform/FileIO.h"
#include "platform/FileSetRecord.h"
#include "platform/FileSetRecovery.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool g_commitPoint = true;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

std::string SystemReason(int error) { return std::strerror(error); }

// Writes bytes to a new file made from pattern (ending in "XXXXXX", filled in place) and syncs it;
// with keepOpen, a handle on it stays open (for its lock). False with the reason on failure, when
// nothing of the file is left.
bool WriteNewFile(std::string& pattern, const std::string& bytes, int* keepOpen, std::string& reason)
{
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = FileCalls().CreateTemp(name.data());
    if (fd < 0) {
        reason = SystemReason(errno);
        return false;
    }
    pattern = name.data();
    if (keepOpen) {
        *keepOpen = ::dup(fd);
        if (*keepOpen >= 0)
            ::flock(*keepOpen, LOCK_EX | LOCK_NB);
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    bool written = true;
    while (written && left > 0) {
        const ssize_t n = FileCalls().Write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            reason = SystemReason(n < 0 ? errno : EIO);
            written = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (written && FileCalls().Sync(fd) != 0) {
        reason = SystemReason(errno);
        written = false;
    }
    if (FileCalls().Close(fd) != 0 && written) {
        reason = SystemReason(errno);
        written = false;
    }
    if (!written) {
        ::unlink(pattern.c_str());
        if (keepOpen && *keepOpen >= 0) {
            ::close(*keepOpen);
            *keepOpen = -1;
        }
    }
    return written;
}

// An old file kept under a second name while the new files are put in place, so that they can be
// put back: a hard link, or where the file system gives none, a copy. The kept name takes the
// unique characters of the new file's temporary name, which no other file of the save has; a copy
// gets a name of its own from the system.
class KeptFile {
public:
    KeptFile() = default;
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;
    ~KeptFile() { Unlock(); }

    // Keeps the target of writer; false with the reason when its old file cannot be kept.
    bool Keep(const CAtomicFileWriter& writer, std::string& reason)
    {
        m_target = writer.Target();
        // The lock is on the old file itself, so it holds under the kept name too: a sweep of the
        // folder by another program leaves the kept file alone while this save runs.
        m_lockFd = ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_lockFd < 0) {
            if (errno == ENOENT)
                return true;  // a new file: nothing to keep
            reason = SystemReason(errno);
            return false;
        }
        m_existed = true;
        ::flock(m_lockFd, LOCK_EX | LOCK_NB);
        const std::string& temp = writer.TempPath();
        const std::string prefix = FolderOf(m_target) + "." + NameOf(m_target) + ".old-";
        const std::string linkPath = prefix + temp.substr(temp.size() - 6);
        if (FileCalls().Link(m_target.c_str(), linkPath.c_str()) == 0) {
            m_path = linkPath;
            return true;
        }
        if (errno != EEXIST && errno != EPERM && errno != EXDEV && errno != EMLINK && errno != EOPNOTSUPP) {
            reason = SystemReason(errno);
            return false;
        }
        std::string bytes;
        if (!ReadFileBytes(m_target, bytes)) {
            reason = SystemReason(errno ? errno : EIO);
            return false;
        }
        std::string copy = prefix + "XXXXXX";
        if (!WriteNewFile(copy, bytes, nullptr, reason))
            return false;
        m_path = copy;
        return true;
    }

    bool Existed() const { return m_existed; }
    const std::string& Path() const { return m_path; }
    const std::string& Target() const { return m_target; }

    // The old file back in its place (a new one removed), after the new one was placed.
    bool PutBack()
    {
        if (!m_existed)
            return FileCalls().Remove(m_target.c_str()) == 0;
        if (FileCalls().Rename(m_path.c_str(), m_target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }
    void Forget()
    {
        if (!m_path.empty())
            FileCalls().Remove(m_path.c_str());
        m_path.clear();
        Unlock();
    }
    void Unlock()
    {
        if (m_lockFd >= 0)
            ::close(m_lockFd);
        m_lockFd = -1;
    }

private:
    std::string m_target;
    bool m_existed = false;
    std::string m_path;
    int m_lockFd = -1;
};

// The intent record on the disk, locked while the save that wrote it runs.
class IntentRecord {
public:
    ~IntentRecord()
    {
        if (m_lockFd >= 0)
            ::close(m_lockFd);
    }

    bool Write(const std::string& folder, const std::string& firstName, const std::string& text, std::string& reason)
    {
        m_path = folder + CFileSetRecord::NamePrefix(firstName) + "XXXXXX";
        if (WriteNewFile(m_path, text, &m_lockFd, reason))
            return true;
        m_path.clear();
        return false;
    }
    const std::string& Path() const { return m_path; }
    bool Remove()
    {
        const bool removed = FileCalls().Remove(m_path.c_str()) == 0;
        if (m_lockFd >= 0)
            ::close(m_lockFd);
        m_lockFd = -1;
        return removed;
    }

private:
    std::string m_path;
    int m_lockFd = -1;
};

bool SyncFolders(const std::set<std::string>& folders)
{
    bool synced = true;
    for (const std::string& folder : folders)
        if (FileCalls().SyncFolder(folder.c_str()) != 0)
            synced = false;
    return synced;
}

}  // namespace

void CFileTransaction::UseCommitPoint(bool use) { g_commitPoint = use; }

int CFileTransaction::IndexOf(const std::string& path) const
{
    const std::string key = ResolveWritePath(path);
    for (std::size_t i = 0; i < m_files.size(); ++i)
        if (m_files[i].key == key)
            return static_cast<int>(i);
    return -1;
}

const CFileTransaction::Staged* CFileTransaction::Find(const std::string& path) const
{
    const int index = IndexOf(path);
    return index < 0 ? nullptr : &m_files[static_cast<std::size_t>(index)];
}

void CFileTransaction::Stage(const std::string& path, const std::string& bytes)
{
    const int index = IndexOf(path);
    if (index >= 0)
        m_files[static_cast<std::size_t>(index)].bytes = bytes;
    else
        m_files.push_back(Staged{ResolveWritePath(path), path, bytes});
}

bool CFileTransaction::Read(const std::string& path, std::string& bytes) const
{
    if (const Staged* known = Find(path)) {
        bytes = known->bytes;
        return true;
    }
    return ReadFileBytes(path, bytes);
}

bool CFileTransaction::IsStaged(const std::string& path) const { return Find(path) != nullptr; }

bool CFileTransaction::Exists(const std::string& path) const { return IsStaged(path) || FileExists(path); }

std::vector<std::string> CFileTransaction::StagedPaths() const
{
    std::vector<std::string> paths;
    for (const Staged& file : m_files)
        paths.push_back(file.path);
    return paths;
}

bool CFileTransaction::SettleFolders(const std::vector<Staged>& files)
{
    std::set<std::string> folders;
    for (const Staged& file : files)
        folders.insert(FolderOf(file.key));
    for (const std::string& folder : folders) {
        const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(folder);
        if (report.Refused()) {
            m_failures.push_back(Failure{report.refusedRecord, report.refusedReason});
            return false;
        }
    }
    return true;
}

bool CFileTransaction::Commit()
{
    m_failures.clear();
    std::vector<Staged> files;
    files.swap(m_files);
    if (g_commitPoint && !SettleFolders(files))
        return false;

    // Every file written, synced and closed beside its target; all of them are tried, so that
    // every file that cannot be written is known.
    std::vector<std::unique_ptr<CAtomicFileWriter>> writers;
    for (const Staged& file : files) {
        auto writer = std::make_unique<CAtomicFileWriter>();
        if (writer->Open(file.path) && writer->Write(file.bytes) && writer->Finish())
            writers.push_back(std::move(writer));
        else
            m_failures.push_back(Failure{file.path, writer->ErrorText()});
    }
    if (!m_failures.empty())
        return false;  // the writers remove their temporary files
    if (writers.size() == 1)
        return PlaceOne(files[0], *writers[0]);
    return g_commitPoint ? PlaceThroughRecord(files, writers) : PlaceOneByOne(files, writers);
}

bool CFileTransaction::PlaceOne(const Staged& file, CAtomicFileWriter& writer)
{
    if (!writer.Place()) {
        m_failures.push_back(Failure{file.path, writer.ErrorText()});
        return false;
    }
    writer.Release();
    return true;
}

bool CFileTransaction::PlaceOneByOne(const std::vector<Staged>& files, Writers& writers)
{
    std::vector<std::unique_ptr<KeptFile>> replaced;
    for (std::size_t i = 0; i < writers.size(); ++i) {
        auto kept = std::make_unique<KeptFile>();
        std::string reason;
        const bool keptOld = kept->Keep(*writers[i], reason);
        if (keptOld && writers[i]->Place()) {
            replaced.push_back(std::move(kept));
            continue;
        }
        m_failures.push_back(Failure{files[i].path, keptOld ? writers[i]->ErrorText() : reason});
        kept->Forget();
        for (auto it = replaced.rbegin(); it != replaced.rend(); ++it)
            (*it)->PutBack();
        return false;
    }
    for (auto& kept : replaced)
        kept->Forget();
    for (auto& writer : writers)
        writer->Release();
    return true;
}

bool CFileTransaction::PlaceThroughRecord(const std::vector<Staged>& files, Writers& writers)
{
    const std::size_t count = writers.size();
    std::set<std::string> folders;
    std::vector<std::unique_ptr<KeptFile>> kept;
    auto forgetKept = [&] {
        for (auto& file : kept)
            file->Forget();
    };
    // Every old file kept, so that a rename that fails can be taken back.
    for (std::size_t i = 0; i < count; ++i) {
        folders.insert(FolderOf(writers[i]->Target()));
        kept.push_back(std::make_unique<KeptFile>());
        std::string reason;
        if (!kept.back()->Keep(*writers[i], reason)) {
            m_failures.push_back(Failure{files[i].path, reason});
            forgetKept();
            return false;
        }
    }

    // The commit point: the record on the disk, with every name in it.
    const std::string recordFolder = FolderOf(writers[0]->Target());
    std::vector<CFileSetRecord::Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        CFileSetRecord::Entry entry;
        entry.target = CFileSetRecord::NameInFolder(recordFolder, writers[i]->Target());
        entry.temp = CFileSetRecord::NameInFolder(recordFolder, writers[i]->TempPath());
        if (kept[i]->Existed())
            entry.kept = CFileSetRecord::NameInFolder(recordFolder, kept[i]->Path());
        entry.size = files[i].bytes.size();
        entry.hash = CFileSetRecord::Hash(files[i].bytes.data(), files[i].bytes.size());
        entries.push_back(entry);
    }
    IntentRecord record;
    std::string reason;
    if (!record.Write(recordFolder, NameOf(writers[0]->Target()), CFileSetRecord::Encode(entries), reason)) {
        m_failures.push_back(Failure{files[0].path, reason});
        forgetKept();
        return false;
    }
    if (!SyncFolders(folders)) {
        m_failures.push_back(Failure{files[0].path, SystemReason(errno)});
        record.Remove();
        forgetKept();
        return false;
    }

    // The renames; one that fails takes back those made, and the save did not happen.
    for (std::size_t i = 0; i < count; ++i) {
        if (writers[i]->PlaceWithoutFolderSync())
            continue;
        m_failures.push_back(Failure{files[i].path, writers[i]->ErrorText()});
        for (std::size_t k = i; k-- > 0;)
            kept[k]->PutBack();
        for (auto& writer : writers)
            writer->Abort();
        forgetKept();
        SyncFolders(folders);
        record.Remove();
        return false;
    }
    // Until the renames are on the disk the record stays, so that a crash finishes them; a folder
    // that cannot be synced keeps it for the next open.
    const bool synced = SyncFolders(folders);
    if (synced)
        record.Remove();
    for (auto& file : kept)
        synced ? file->Forget() : file->Unlock();
    for (auto& writer : writers)
        writer->ReleaseLockOnly();
    return true;
}

std::string CFileTransaction::FailureText() const
{
    std::string text;
    for (const Failure& failure : m_failures) {
        if (!text.empty())
            text += "\n";
        text += failure.path + ": " + failure.reason;
    }
    return text;
}
