#include "platform/FileSystem.h"

#include "platform/FileIO.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool StatPath(const std::string& path, struct stat& st)
{
    return !path.empty() && ::stat(ResolveExistingPath(path).c_str(), &st) == 0;
}

bool CreateFolderIfMissing(const std::string& path)
{
    if (path.empty() || FolderExists(path))
        return true;
    // The folders above may exist in another case (they were found ignoring it): create the new
    // folder inside those.
    std::string native = NativePath(path);
    std::string parent = PathFolder(native);
    if (!parent.empty()) {
        parent = ResolveExistingPath(parent);
        if (parent.back() != '/')
            parent += '/';
    }
    return ::mkdir((parent + PathFileName(native)).c_str(), 0777) == 0;
}

// Appends the separator the folder text already uses ("/" unless it only has "\").
std::string WithSeparator(const std::string& folder)
{
    if (folder.empty() || IsPathSeparator(folder.back()))
        return folder;
    bool backslashOnly = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslashOnly ? '\\' : '/');
}

enum class EntryKind { file, folder };

std::vector<std::string> FolderEntries(const std::string& folder, EntryKind kind)
{
    std::vector<std::string> names;
    std::string native = folder.empty() ? std::string(".") : ResolveExistingPath(folder);
    DIR* dir = ::opendir(native.c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st;
        if (::stat((native + "/" + name).c_str(), &st) != 0)
            continue;
        bool isFolder = S_ISDIR(st.st_mode);
        if ((kind == EntryKind::folder) == isFolder)
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool FileExists(const std::string& path)
{
    struct stat st;
    return StatPath(path, st);
}

bool FolderExists(const std::string& path)
{
    struct stat st;
    return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool ReadableFileExists(const std::string& path)
{
    struct stat st;
    return StatPath(path, st) && S_ISREG(st.st_mode) && ::access(ResolveExistingPath(path).c_str(), R_OK) == 0;
}

bool MakeDirectoryPath(const std::string& path, bool endsWithFileName)
{
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsPathSeparator(path[i]) && i > 0)
            CreateFolderIfMissing(path.substr(0, i));
    }
    if (endsWithFileName) {
        std::size_t sep = FindLastSeparator(path);
        return FileExists(sep == std::string::npos ? path : path.substr(0, sep == 0 ? 1 : sep));
    }
    CreateFolderIfMissing(path);
    return FolderExists(path);
}

bool ListFolderFiles(const std::string& folder, const std::string& extension, std::vector<std::string>& list,
                     bool fullPaths)
{
    std::string prefix = WithSeparator(folder);
    bool all = extension.empty() || extension == "*";
    std::string pattern = "*." + extension;
    for (const std::string& name : FolderEntries(folder, EntryKind::file)) {
        if (!all && ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0)
            continue;
        list.push_back(fullPaths ? prefix + name : name);
    }
    return !list.empty();
}

bool ListSubfolders(const std::string& folder, std::vector<std::string>& list)
{
    for (const std::string& name : FolderEntries(folder, EntryKind::folder))
        list.push_back(name);
    return !list.empty();
}

bool CopyFileBytes(const std::string& from, const std::string& to, bool failIfExists)
{
    if (failIfExists && FileExists(to))
        return false;
    std::string bytes;
    return ReadFileBytes(from, bytes) && WriteFileAtomic(to, bytes);
}

bool DeleteFilePath(const std::string& path)
{
    return !path.empty() && ::unlink(ResolveExistingPath(path).c_str()) == 0;
}

bool FileModificationTime(const std::string& path, long long& seconds)
{
    struct stat st;
    if (!StatPath(path, st))
        return false;
    seconds = static_cast<long long>(st.st_mtime);
    return true;
}
