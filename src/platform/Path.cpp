#include "platform/Path.h"

#include "platform/StringUtil.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::size_t FindLastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string PathStripExtension(const std::string& path)
{
    std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(0, dot);
}

std::string PathFileTitle(const std::string& path)
{
    std::string name = PathFileName(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string PathFolder(const std::string& path)
{
    std::size_t sep = FindLastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string PathFileName(const std::string& path)
{
    std::size_t sep = FindLastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string PathExtension(const std::string& path)
{
    std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot);
}

std::string NativePath(const std::string& path)
{
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

namespace {

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool EntryExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// The folder of a native path ("/" the only separator), with its "/"; "" for a bare name.
std::string NativeFolder(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path with "\" as a separator, unless only the name as given makes sense.
std::string ChooseSeparators(const std::string& path)
{
    if (path.find('\\') == std::string::npos || EntryExists(path))
        return path;
    std::string native = NativePath(path);
    std::string nativeFolder = NativeFolder(native);
    if (nativeFolder.empty() || Exists(ResolveExistingPath(nativeFolder)))
        return native;
    std::string givenFolder = NativeFolder(path);
    return !givenFolder.empty() && Exists(givenFolder) ? path : native;
}

// The entry of folder whose name equals name ignoring case; "" when none.
std::string FindNoCase(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return std::string();
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (EqualsNoCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

std::string ResolveExistingPath(const std::string& path)
{
    if (!path.empty() && path.find('\\') != std::string::npos && Exists(path))
        return path;
    std::string native = NativePath(path);
    if (native.empty() || Exists(native))
        return native;
    // Walk the components, keeping what exists and matching the rest ignoring case.
    std::string resolved;
    std::size_t pos = 0;
    if (native[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= native.size()) {
        std::size_t next = native.find('/', pos);
        std::string component = native.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        if (!component.empty()) {
            std::string candidate = resolved + component;
            if (!Exists(candidate)) {
                std::string match = FindNoCase(resolved, component);
                if (match.empty())
                    return native;
                candidate = resolved + match;
            }
            resolved = candidate;
        }
        if (next == std::string::npos)
            break;
        if (!resolved.empty() && resolved.back() != '/')
            resolved += '/';
        pos = next + 1;
    }
    return resolved;
}

std::string ResolveWritePath(const std::string& path)
{
    std::string chosen = ChooseSeparators(path);
    std::string folder = NativeFolder(chosen);
    std::string name = chosen.substr(folder.size());
    if (!folder.empty() && !Exists(folder)) {
        folder = ResolveExistingPath(folder);
        if (folder.back() != '/')
            folder += '/';
    }
    return FollowSymbolicLinks(folder + name);
}

std::string FollowSymbolicLinks(const std::string& path)
{
    // A loop of links ends somewhere after this many steps; the write then fails at its target.
    constexpr int kMaxLinks = 40;
    std::string current = path;
    for (int step = 0; step < kMaxLinks; ++step) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size())
            return current;
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        current = target[0] == '/' ? target : NativeFolder(current) + target;
    }
    return current;
}

bool PathNamesKind(const std::string& path, const std::string& marker)
{
    const std::size_t at = ToLowerAscii(path).find(ToLowerAscii(marker));
    return at != std::string::npos && at > 0;
}
