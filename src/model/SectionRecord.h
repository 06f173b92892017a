#pragma once
// One "section" statement of a z-segment in the ".sol" deck.

#include <string>

class CSectionRecord {
public:
    int m_nKind = 0;          // 0 inside the z-segment, 1 in the gap after it
    float m_fRatio = 1.0f;    // length relative to the z-segment (or gap) it lies in

    CSectionRecord() = default;
    CSectionRecord(const CSectionRecord&) = default;
    CSectionRecord& operator=(const CSectionRecord&) = default;
    CSectionRecord(CSectionRecord&&) = default;
    CSectionRecord& operator=(CSectionRecord&&) = default;
    virtual ~CSectionRecord() = default;

    std::string GetText() const { return m_strText; }
    void SetText(const std::string& text) { m_strText = text; }

    static const char* const kDefaultText;

private:
    std::string m_strText = kDefaultText;
};
