#pragma once
// Names and parameter counts of the special macros of the application's macro list ("load_macro"
// and "get_active_layer" definitions), in list order; the material page offers these names.

#include <string>
#include <vector>

class CMacroIndexList {
public:
    void Add(const std::string& name, int paramCount)
    {
        m_names.push_back(name);
        m_paramCounts.push_back(paramCount);
    }
    void RemoveAll()
    {
        m_names.clear();
        m_paramCounts.clear();
    }
    int GetCount() const { return static_cast<int>(m_names.size()); }

    std::vector<std::string> m_names;
    std::vector<int> m_paramCounts;
};
