#pragma once
// The items of an edit-box series with the step number of each group. Items of one group take their
// values together; the groups are nested loops, the lowest group id outermost, so the number of
// points is the product of the groups' step numbers. A group keeps its step number when its last
// item goes (the settings file still lists it).

#include "series/SeriesItem.h"

#include <map>
#include <vector>

class CSeriesTable {
public:
    // Appends the item and gives its group the step number (created or overwritten).
    void AddItem(const CSeriesItem& item, int stepNumber);
    // The group's step number, -1 when it has none.
    int FindGroup(int groupId) const;
    void SetGroupStep(int groupId, int stepNumber) { m_GroupSteps[groupId] = stepNumber; }
    // An item with the same file path (exact text), line and start column is in the table.
    bool Contains(const CSeriesItem& item) const;

    int GetCount() const { return static_cast<int>(m_Items.size()); }
    CSeriesItem& Item(int i) { return m_Items.at(static_cast<std::size_t>(i)); }
    const CSeriesItem& GetItem(int i) const { return m_Items.at(static_cast<std::size_t>(i)); }
    const std::vector<CSeriesItem>& GetItems() const { return m_Items; }
    const std::map<int, int>& GetGroupSteps() const { return m_GroupSteps; }

    // Removes the items of the given rows; the others keep their order, the step numbers stay.
    void RemoveItems(const std::vector<int>& rows);
    void DeleteAllItems() { m_Items.clear(); }
    void Clear();

    // The groups the items carry, ascending, each with the rows of its items in table order.
    std::map<int, std::vector<int>> GroupRows() const;
    // The number of points a generation writes: the product of the step numbers of the groups the
    // items carry; 0 without items or when a group has fewer than one step.
    long long CountPoints() const;
    // The value an item of a group with stepNumber steps takes at step i (from 0): evaluated in the
    // order difference, division by stepNumber - 1, product with i, sum with initial.
    static double StepValue(double initial, double final, int stepNumber, int i);
    // Sets every item's current value for point `point` (from 0, in the order points are written).
    void SetPointValues(long long point);

private:
    std::vector<CSeriesItem> m_Items;     // in the order they were added (the list's rows)
    std::map<int, int> m_GroupSteps;      // group id -> step number
};
