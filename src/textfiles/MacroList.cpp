#include "textfiles/MacroList.h"

#include <algorithm>

bool CMacroList::GetNext(CMacroDef& def)
{
    if (m_nCursor < 0 || m_nCursor >= GetCount())
        return false;
    def = m_defs[m_nCursor++];
    return true;
}

bool CMacroList::Find(const std::string& name, CMacroDef& def)
{
    const CMacroDef* found = FindDefinition(name);
    if (found)
        def = *found;
    return found != nullptr;
}

const CMacroDef* CMacroList::FindDefinition(const std::string& name)
{
    m_nCursor = 0;
    while (m_nCursor < GetCount())
        if (m_defs[m_nCursor++].GetMacroName() == name)
            return &m_defs[m_nCursor - 1];
    return nullptr;
}

int CMacroList::GetParamCountOf(const std::string& name)
{
    const CMacroDef* def = FindDefinition(name);
    return def ? def->GetParamCount() : 0;
}

void CMacroList::AddAll(CMacroList& other)
{
    other.m_nCursor = 0;
    // Copy first: the other list may be this one.
    const std::vector<CMacroDef> copies = other.m_defs;
    m_defs.insert(m_defs.end(), copies.begin(), copies.end());
    MarkChanged();
}

void CMacroList::RemoveLast(const CMacroList& other)
{
    // Never more than this list holds.
    const int n = std::min(other.GetCount(), GetCount());
    m_defs.erase(m_defs.end() - n, m_defs.end());
    MarkChanged();
    m_nCursor = std::min(m_nCursor, GetCount());
}
