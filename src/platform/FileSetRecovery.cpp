#include "platform/FileSetRecovery.h"

#include "platform/FileCalls.h"
#include "platform/FileSetRecord.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kFolderReadOnly[] = "Permission denied (the folder is read-only)";
constexpr std::size_t kUniquePart = 6;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

// A hidden file a save leaves while it runs: ".<name>.saving-" or ".<name>.old-" and six
// characters.
bool IsSaveLeftoverName(const std::string& name)
{
    if (name.size() < 2 || name[0] != '.')
        return false;
    for (const char* marker : {".saving-", ".old-"}) {
        const std::size_t n = std::strlen(marker);
        if (name.size() > 1 + n + kUniquePart && name.compare(name.size() - kUniquePart - n, n, marker) == 0)
            return true;
    }
    return false;
}

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The reason a folder cannot take changes, "" when it can. A folder without any write bit counts
// as read-only even for a user the system would let write, as a read-only file does.
std::string WhyNotWritable(const std::string& folder)
{
    const std::string path = folder.empty() ? "." : folder;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if ((st.st_mode & 0222) == 0)
        return kFolderReadOnly;
    if (::access(path.c_str(), W_OK) != 0)
        return std::strerror(errno);
    return std::string();
}

// The whole bytes of an open file; false when it cannot be read.
bool ReadAll(int fd, std::string& bytes)
{
    bytes.clear();
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// Whether the file at path holds exactly the bytes an entry was to put there.
bool HoldsNewBytes(const std::string& path, const CFileSetRecord::Entry& entry)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) != entry.size)
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    std::string bytes;
    const bool read = ReadAll(fd, bytes);
    ::close(fd);
    return read && bytes.size() == entry.size && CFileSetRecord::Hash(bytes.data(), bytes.size()) == entry.hash;
}

// The files' names, the first few of a long list and how many more.
std::string JoinNames(const std::vector<std::string>& paths)
{
    constexpr std::size_t kNamed = 4;
    std::string text;
    for (std::size_t i = 0; i < paths.size() && i < kNamed; ++i)
        text += (text.empty() ? "" : ", ") + NameOf(paths[i]);
    if (paths.size() > kNamed)
        text += " and " + std::to_string(paths.size() - kNamed) + " more";
    return text;
}

// One record being dealt with: its entries as whole paths, and what became of it.
class RecordRecovery {
public:
    RecordRecovery(const std::string& folder, const std::string& recordPath, CFileSetRecovery::Report& report)
        : m_folder(folder), m_record(recordPath), m_report(report)
    {
    }

    // False when the record could not be dealt with (the report says why).
    bool Run(const std::string& bytes)
    {
        std::vector<CFileSetRecord::Entry> entries;
        if (!CFileSetRecord::Decode(bytes, entries))
            return UndoCutRecord();
        for (CFileSetRecord::Entry& entry : entries) {
            entry.target = CFileSetRecord::PathInFolder(m_folder, entry.target);
            entry.temp = CFileSetRecord::PathInFolder(m_folder, entry.temp);
            if (!entry.kept.empty())
                entry.kept = CFileSetRecord::PathInFolder(m_folder, entry.kept);
        }
        // Once the record was whole the renames began: a file no longer under its temporary name
        // was renamed already when its target holds the new bytes, and is lost otherwise.
        std::vector<bool> placed(entries.size());
        bool lost = false;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (IsRegularFile(entries[i].temp))
                continue;
            placed[i] = HoldsNewBytes(entries[i].target, entries[i]);
            lost = lost || !placed[i];
        }
        return lost ? Undo(entries, placed) : Finish(entries, placed);
    }

private:
    std::string m_folder;
    std::string m_record;
    CFileSetRecovery::Report& m_report;
    std::set<std::string> m_folders;

    bool Refuse(int error) { return Refuse(std::string(std::strerror(error))); }
    bool Refuse(const std::string& reason)
    {
        m_report.refusedRecord = m_record;
        m_report.refusedReason = reason;
        return false;
    }

    void Touch(const std::string& path) { m_folders.insert(FolderOf(path)); }

    bool SyncFolders()
    {
        m_folders.insert(m_folder);
        for (const std::string& folder : m_folders)
            if (FileCalls().SyncFolder(folder.c_str()) != 0)
                return Refuse(errno);
        return true;
    }

    bool RemoveRecord() { return FileCalls().Remove(m_record.c_str()) == 0 || errno == ENOENT || Refuse(errno); }

    bool UndoCutRecord()
    {
        // Nothing was renamed before the record was whole: its temporary files go with the sweep.
        if (!RemoveRecord())
            return false;
        ++m_report.cutRecords;
        return true;
    }

    bool Finish(const std::vector<CFileSetRecord::Entry>& entries, const std::vector<bool>& placed)
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            Touch(entries[i].target);
            if (!placed[i] && FileCalls().Rename(entries[i].temp.c_str(), entries[i].target.c_str()) != 0)
                return Refuse(errno);
        }
        if (!SyncFolders() || !RemoveRecord())
            return false;
        for (const CFileSetRecord::Entry& entry : entries) {
            if (!entry.kept.empty())
                FileCalls().Remove(entry.kept.c_str());
            m_report.finished.push_back(entry.target);
        }
        return true;
    }

    bool Undo(const std::vector<CFileSetRecord::Entry>& entries, const std::vector<bool>& placed)
    {
        // The files already renamed get their old files back, last first.
        for (std::size_t i = entries.size(); i-- > 0;) {
            const CFileSetRecord::Entry& entry = entries[i];
            Touch(entry.target);
            if (!placed[i])
                continue;
            if (entry.kept.empty()) {
                if (FileCalls().Remove(entry.target.c_str()) != 0 && errno != ENOENT)
                    return Refuse(errno);
            } else if (IsRegularFile(entry.kept) &&
                       FileCalls().Rename(entry.kept.c_str(), entry.target.c_str()) != 0) {
                return Refuse(errno);
            }
        }
        for (const CFileSetRecord::Entry& entry : entries)
            if (IsRegularFile(entry.temp) && FileCalls().Remove(entry.temp.c_str()) != 0)
                return Refuse(errno);
        if (!SyncFolders() || !RemoveRecord())
            return false;
        for (const CFileSetRecord::Entry& entry : entries) {
            if (!entry.kept.empty() && IsRegularFile(entry.kept))
                FileCalls().Remove(entry.kept.c_str());
            m_report.undone.push_back(entry.target);
        }
        return true;
    }
};

// Deals with the record at path; false when the folder could not be settled.
bool RecoverRecord(const std::string& folder, const std::string& path, CFileSetRecovery::Report& report)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT)
        return true;  // dealt with by someone else meanwhile
    // A save that still runs holds its record's lock.
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    const std::string notWritable = WhyNotWritable(folder);
    bool settled;
    if (!notWritable.empty()) {
        report.refusedRecord = path;
        report.refusedReason = notWritable;
        settled = false;
    } else {
        std::string bytes;
        if (fd < 0 || !ReadAll(fd, bytes))
            bytes.clear();  // unreadable: undone as a record cut short
        settled = RecordRecovery(folder, path, report).Run(bytes);
    }
    if (fd >= 0)
        ::close(fd);
    return settled;
}

// Removes the leftovers of saves that no longer run.
void SweepLeftovers(const std::string& folder, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        const std::string path = folder + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

}  // namespace

std::string CFileSetRecovery::Report::StatusText() const
{
    std::string text;
    if (!finished.empty())
        text += "Finished a save that was cut off: " + JoinNames(finished) + ".";
    if (!undone.empty())
        text += std::string(text.empty() ? "" : " ") + "Undid a save that was cut off; as before it: " +
                JoinNames(undone) + ".";
    if (cutRecords > 0)
        text += std::string(text.empty() ? "" : " ") +
                "Undid a save that was cut off before it was complete; the files are as they were.";
    return text;
}

std::string CFileSetRecovery::Report::RefusalText() const
{
    return "A save that was cut off left " + refusedRecord + ", which cannot be finished or undone:\n" +
           refusedReason;
}

CFileSetRecovery::Report CFileSetRecovery::RecoverFolder(const std::string& folderIn)
{
    Report report;
    const std::string folder = folderIn.empty() || folderIn.back() == '/' ? folderIn : folderIn + "/";
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return report;
    std::vector<std::string> records;
    std::vector<std::string> leftovers;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (CFileSetRecord::IsRecordName(name))
            records.push_back(name);
        else if (IsSaveLeftoverName(name))
            leftovers.push_back(name);
    }
    ::closedir(dir);

    for (const std::string& name : records)
        if (!RecoverRecord(folder, folder + name, report))
            return report;  // its files stay for a later try
    if (!leftovers.empty() && WhyNotWritable(folder).empty())
        SweepLeftovers(folder, leftovers);
    return report;
}
