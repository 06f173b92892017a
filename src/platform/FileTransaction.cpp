#include "platform/FileTransaction.h"

#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An old file kept under a second name while the new files are put in place: a hard link, or
// where the file system has none, its bytes.
struct OldFile {
    std::string target;
    bool existed = false;
    std::string linkPath;  // "" when kept as bytes
    std::string bytes;
};

bool IsExistingFile(const std::string& native)
{
    struct stat st;
    return ::stat(native.c_str(), &st) == 0;
}

// A name beside target for its old file, one no file has.
bool LinkUnderSecondName(const std::string& target, std::string& linkPath)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = target.substr(folder.size());
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + "." + name + ".old-";
        for (int i = 0; i < 6; ++i)
            candidate += kLetters[std::rand() % (sizeof kLetters - 1)];
        if (::link(target.c_str(), candidate.c_str()) == 0) {
            linkPath = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

OldFile KeepOldFile(const std::string& target)
{
    OldFile old;
    old.target = target;
    old.existed = IsExistingFile(target);
    if (old.existed && !LinkUnderSecondName(target, old.linkPath))
        ReadFileBytes(target, old.bytes);
    return old;
}

void PutBack(const OldFile& old)
{
    if (!old.existed)
        ::unlink(old.target.c_str());
    else if (!old.linkPath.empty())
        ::rename(old.linkPath.c_str(), old.target.c_str());
    else
        WriteFileAtomic(old.target, old.bytes);
}

void Forget(const OldFile& old)
{
    if (!old.linkPath.empty())
        ::unlink(old.linkPath.c_str());
}

}  // namespace

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

bool CFileTransaction::Commit()
{
    m_failures.clear();
    std::vector<Staged> files;
    files.swap(m_files);

    // Every file written and closed beside its target; all of them are tried, so that every file
    // that cannot be written is known.
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

    // All written: each takes its target's place, the old file kept until the last one is there.
    std::vector<OldFile> replaced;
    for (std::size_t i = 0; i < writers.size(); ++i) {
        OldFile old = KeepOldFile(writers[i]->Target());
        if (writers[i]->Place()) {
            replaced.push_back(old);
            continue;
        }
        m_failures.push_back(Failure{files[i].path, writers[i]->ErrorText()});
        Forget(old);
        for (auto it = replaced.rbegin(); it != replaced.rend(); ++it)
            PutBack(*it);
        return false;
    }
    for (const OldFile& old : replaced)
        Forget(old);
    for (auto& writer : writers)
        writer->Release();
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
