#include "platform/Profile.h"

#include <cstdlib>

int CMemoryProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    auto it = m_values.find({section, entry});
    return it == m_values.end() ? defaultValue : std::atoi(it->second.c_str());
}

std::string CMemoryProfile::GetProfileString(const std::string& section, const std::string& entry,
                                             const std::string& defaultValue)
{
    auto it = m_values.find({section, entry});
    return it == m_values.end() ? defaultValue : it->second;
}

bool CMemoryProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    m_values[{section, entry}] = std::to_string(value);
    return true;
}

bool CMemoryProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                        const std::string& value)
{
    m_values[{section, entry}] = value;
    return true;
}

namespace {
CMemoryProfile g_memoryProfile;
IProfile* g_profile = nullptr;
}  // namespace

IProfile& Profile() { return g_profile ? *g_profile : g_memoryProfile; }

void SetProfile(IProfile* profile) { g_profile = profile; }
