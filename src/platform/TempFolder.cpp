#include "platform/TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

CTempFolder::~CTempFolder()
{
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

bool CTempFolder::Create(const std::string& prefix)
{
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        m_strError = error.message();
        return false;
    }
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) {
        m_strError = std::strerror(errno);
        return false;
    }
    m_path = std::string(buffer.data()) + "/";
    return true;
}
