#include "model/SegInfoList.h"

#include <cstdlib>

#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

namespace {

// Leading decimal digits of a text as a number, 0 when there are none.
int LeadingNumber(const std::string& text) { return std::atoi(text.c_str()); }

}  // namespace

void CSegInfoList::Clear()
{
    m_strName.clear();
    m_nNaming = 0;
    m_Records.clear();
}

void CSegInfoList::InsertSegment(int position, const CSegInfo& record)
{
    if (m_Records.empty()) {
        m_Records.push_back(record);
        return;
    }
    if (position <= 0) {
        AfxMessageBox("You can't insert the segment at the first position.");
        return;
    }
    if (position > GetCount())
        position = GetCount();
    m_Records.insert(m_Records.begin() + position, record);
    // The following z-segments keep their lengths and start where the inserted one ends.
    double dz = m_Records[position].m_dZEnd - m_Records[position - 1].m_dZEnd;
    ShiftZ(position + 1, dz);
    RenameAfterInsert(position);
}

void CSegInfoList::DeleteSegment(int i)
{
    if (i < 0 || i >= GetCount())
        return;
    ShiftZ(i + 1, -(m_Records[i].m_dZEnd - m_Records[i].m_dZBegin));
    m_Records.erase(m_Records.begin() + i);
}

void CSegInfoList::ShiftZ(int first, double dz)
{
    for (int i = first < 0 ? 0 : first; i < GetCount(); ++i) {
        m_Records[i].m_dZBegin += dz;
        m_Records[i].m_dZEnd += dz;
    }
}

void CSegInfoList::SetNameFromPath(const std::string& path)
{
    m_strName = GetPathTitle(path);
}

bool CSegInfoList::IsNameUnused(const std::string& name) const
{
    for (const CSegInfo& record : m_Records)
        if (record.m_strName == name)
            return false;
    return true;
}

std::string CSegInfoList::GetNameBefore(int i) const
{
    if (m_Records.empty() || i < 0 || i > GetCount())
        return std::string();
    return m_Records[i <= 1 ? 0 : i - 1].m_strName;
}

int CSegInfoList::FindNameSplit(const std::string& name) const
{
    if (!m_strName.empty() && name.compare(0, m_strName.size(), m_strName) == 0)
        return static_cast<int>(m_strName.size()) - 1;
    for (int i = static_cast<int>(name.size()) - 1; i >= 0; --i)
        if (!IsDigit(name[i]) && name[i] != '-')
            return i;
    return 0;
}

std::string CSegInfoList::GetNamePrefix(const std::string& name) const
{
    return name.substr(0, FindNameSplit(name) + 1);
}

std::string CSegInfoList::GetNameSuffix(const std::string& name) const
{
    size_t from = static_cast<size_t>(FindNameSplit(name) + 1);
    return from < name.size() ? name.substr(from) : std::string();
}

void CSegInfoList::RenameAfterInsert(int position)
{
    const int n = GetCount();
    if (position < 0 || position > n)
        return;
    int next = position;
    while (next < n && !m_Records[next].m_nNamed)
        ++next;
    int prev = position - 1;
    while (prev >= 0 && !m_Records[prev].m_nNamed)
        --prev;

    if (m_nNaming == 0 || (prev == -1 && next == n)) {
        // Automatic names: the file title, then the title numbered from 2.
        for (int i = 0; i < n; ++i)
            m_Records[i].m_strName = i == 0 ? m_strName : m_strName + std::to_string(i + 1);
        return;
    }

    // Number on from the name before the insertion point.
    std::string before = GetNameBefore(position);
    std::string prefix = GetNamePrefix(before);
    std::string suffix = GetNameSuffix(before);
    if (suffix.empty())
        prefix += "-";
    int base = 0;
    size_t dash = suffix.rfind('-');
    if (dash != std::string::npos) {
        prefix += suffix.substr(0, dash + 1);
        base = LeadingNumber(suffix.substr(dash + 1));
    } else if (next == n) {
        base = LeadingNumber(suffix);
    } else {
        prefix = before + "-";
        base = 0;
    }
    for (int i = position; i < next; ++i) {
        int number = base + 1 + (i - position);
        while (!IsNameUnused(prefix + std::to_string(number)))
            ++number;
        m_Records[i].m_strName = prefix + std::to_string(number);
    }
}

std::string CSegInfoList::MakeUniqueName(int i) const
{
    const std::string& name = m_Records[i].m_strName;
    if (name.empty())
        return std::string();
    size_t stemEnd = name.size();
    while (stemEnd > 0 && IsDigit(name[stemEnd - 1]))
        --stemEnd;
    std::string stem = name.substr(0, stemEnd);
    bool numbered = stemEnd < name.size();
    long counter = numbered ? std::strtol(name.c_str() + stemEnd, nullptr, 10) : 0;
    for (;;) {
        ++counter;
        std::string candidate = numbered ? stem + std::to_string(counter) : stem + "_" + std::to_string(counter);
        if (IsNameUnused(candidate))
            return candidate;
    }
}

std::string GetPathTitle(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = title.rfind('.');
    return dot == std::string::npos ? title : title.substr(0, dot);
}
