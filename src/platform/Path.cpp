#include "platform/Path.h"

#include "platform/StringUtil.h"

#include <dirent.h>
#include <sys/stat.h>

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

bool PathNamesKind(const std::string& path, const std::string& marker)
{
    const std::size_t at = ToLowerAscii(path).find(ToLowerAscii(marker));
    return at != std::string::npos && at > 0;
}
