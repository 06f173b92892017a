#pragma once
// The bottom and top contact ranges of a column ("bottom_contact" and "top_contact").
// A column holds at most kMaxRanges of each; the vectors hold exactly the ranges in use.

#include <string>
#include <vector>

#include "model/UnsetValue.h"

// Members shared by both kinds of range.
struct CContactRange {
    float m_fFrom = 0.0f;           // "from", measured from the left end of the edge
    float m_fTo = 0.0f;             // "to"
    int m_nLink = 0;                // linked to the same contact of the previous z-segment
    int m_nContactNum = 1;          // "contact_num"
    std::string m_strType;          // "ohmic" or "schottky"
    double m_dWorkFunction = kUnsetValue;  // kUnsetValue: not given
    double m_dBarrier = kUnsetValue;       // kUnsetValue: not given
};

struct CBottomContact : CContactRange {};
struct CTopContact : CContactRange {};

class CColumnContacts {
public:
    static constexpr int kMaxRanges = 8;

    int GetTopCount() const { return static_cast<int>(m_Top.size()); }
    int GetBottomCount() const { return static_cast<int>(m_Bottom.size()); }

    // Ranges by index; throws std::out_of_range outside the ranges in use.
    CTopContact& Top(int i);
    const CTopContact& Top(int i) const;
    CBottomContact& Bottom(int i);
    const CBottomContact& Bottom(int i) const;
    const std::vector<CTopContact>& GetTops() const { return m_Top; }
    const std::vector<CBottomContact>& GetBottoms() const { return m_Bottom; }

    // Appends a range; false (nothing changed) when the column already has kMaxRanges of them.
    bool AddTop(const CTopContact& range);
    bool AddBottom(const CBottomContact& range);
    // Sets the number of ranges in use, new ones copied from fill; false for n outside 0..kMaxRanges.
    bool SetTopCount(int n, const CTopContact& fill = CTopContact());
    bool SetBottomCount(int n, const CBottomContact& fill = CBottomContact());
    // Removes one range (the later ones move down); false for an index not in use.
    bool RemoveTop(int i);
    bool RemoveBottom(int i);

    // No ranges.
    void Clear();

private:
    std::vector<CBottomContact> m_Bottom;
    std::vector<CTopContact> m_Top;
};
