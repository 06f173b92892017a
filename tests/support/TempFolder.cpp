#include "support/TempFolder.h"

#include "support/FileBytes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaron-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()))
        m_path = buffer.data();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::string path = File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path;
}

std::string TempFolder::Read(const std::string& name) const
{
    return FileBytes(File(name));
}

std::string TempFolder::List() const
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.insert(entry.path().filename().string());
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}
