#include "series/EditBoxSeriesTable.h"

#include <algorithm>
#include <set>

void CSeriesTable::AddItem(const CSeriesItem& item, int stepNumber)
{
    m_Items.push_back(item);
    m_GroupSteps[item.m_nGroupId] = stepNumber;
}

int CSeriesTable::FindGroup(int groupId) const
{
    const auto found = m_GroupSteps.find(groupId);
    return found == m_GroupSteps.end() ? -1 : found->second;
}

bool CSeriesTable::Contains(const CSeriesItem& item) const
{
    return std::any_of(m_Items.begin(), m_Items.end(), [&item](const CSeriesItem& other) {
        return other.m_strFile == item.m_strFile && other.m_nLine == item.m_nLine && other.m_nStart == item.m_nStart;
    });
}

void CSeriesTable::RemoveItems(const std::vector<int>& rows)
{
    const std::set<int> doomed(rows.begin(), rows.end());
    std::vector<CSeriesItem> kept;
    for (int i = 0; i < GetCount(); ++i) {
        if (!doomed.count(i))
            kept.push_back(m_Items[static_cast<std::size_t>(i)]);
    }
    m_Items.swap(kept);
}

void CSeriesTable::Clear()
{
    m_Items.clear();
    m_GroupSteps.clear();
}

std::map<int, std::vector<int>> CSeriesTable::GroupRows() const
{
    std::map<int, std::vector<int>> groups;
    for (int i = 0; i < GetCount(); ++i)
        groups[m_Items[static_cast<std::size_t>(i)].m_nGroupId].push_back(i);
    return groups;
}

long long CSeriesTable::CountPoints() const
{
    if (m_Items.empty())
        return 0;
    long long points = 1;
    for (const auto& group : GroupRows()) {
        const int steps = FindGroup(group.first);
        if (steps < 1)
            return 0;
        points *= steps;
    }
    return points;
}

double CSeriesTable::StepValue(double initial, double final, int stepNumber, int i)
{
    if (stepNumber < 2)
        return initial;
    return (final - initial) / (stepNumber - 1) * i + initial;
}

void CSeriesTable::SetPointValues(long long point)
{
    // The last group turns fastest: the point number is a mixed-radix number whose digits are the
    // groups' steps, the first group's digit the most significant.
    const std::map<int, std::vector<int>> groups = GroupRows();
    for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
        const int steps = std::max(1, FindGroup(group->first));
        const int i = static_cast<int>(point % steps);
        point /= steps;
        for (int row : group->second) {
            CSeriesItem& item = m_Items[static_cast<std::size_t>(row)];
            item.m_dCurrent = StepValue(item.m_dInitial, item.m_dFinal, steps, i);
        }
    }
}
