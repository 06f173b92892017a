#pragma once
// The index of every sweepable value in a z-segment's saved ".layer" file and its included files:
// where the value's text stands (file, line, character span) and which parameter it is. The
// z-segment record holds it; the ".layer" formats build it (CLayerFileIndexReader).

#include <map>
#include <string>
#include <vector>

#include "model/SeriesTarget.h"
#include "statements/KeywordLineList.h"

// One sweepable value.
struct CLayerFileItem {
    int m_nZSeg = 0;          // z-segment index, from 0
    int m_nFirst = -1;        // contacts: column; else layer (-1 any)
    int m_nSecond = -1;       // contacts: contact index; else column (-1 any)
    int m_nParamId = 0;
    std::string m_strKeyword;
    std::string m_strParam;
    std::string m_strValue;   // as written in the file
    std::string m_strFile;    // the file that holds the statement
    int m_nLine = 0;          // physical line, from 0
    int m_nStart = 0;         // first character of the value in that line, from 0
    int m_nEnd = 0;           // one past the last character
    std::string m_strKey;     // vcsel_type for "vcsel_section", the keyword for contacts, else ""
};

class CLayerFileIndex {
public:
    std::string m_strPath;                   // ".layer" path of the last load, "" when empty
    std::map<int, std::string> m_Includes;   // source id -> include name as the statement gives it
    CKeywordLineList m_Lines;                // statements of the file and its includes, in reading order
    std::vector<CLayerFileItem> m_Items;     // in recording order
    // The file has been read or written since the index was built: it is built again when a series
    // first asks for it (CTessaronDoc::GetLayerFileIndex), not on every open and save.
    bool m_bStale = false;

    CLayerFileIndex() = default;
    CLayerFileIndex(const CLayerFileIndex&) = default;
    CLayerFileIndex& operator=(const CLayerFileIndex&) = default;
    CLayerFileIndex(CLayerFileIndex&&) = default;
    CLayerFileIndex& operator=(CLayerFileIndex&&) = default;
    virtual ~CLayerFileIndex() = default;

    // Empties the path, the include map, the statements, the items and the statements' places.
    void Clear();

    // The first item of that parameter id, z-segment, layer and column (items that stand for any
    // layer or column match every one) and key; false after a message when there is none.
    bool FindItem(int id, int zsegIndex, int layer, int column, const std::string& key, CLayerFileItem& out) const;
    // The first contact item whose parameter id, z-segment, column, contact index and keyword are
    // the target's value kind, z-segment, owner, contact index and keyword; false after a message
    // when there is none.
    bool FindContactItem(const CSeriesTarget& target, CLayerFileItem& out) const;

    // Per statement of m_Lines: the file that holds it and its first physical line there (from 0).
    std::vector<std::string> m_LineFiles;
    std::vector<int> m_LineStarts;
};
