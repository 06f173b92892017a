#pragma once
// The statements and include files a z-segment's ".layer" file had when it was read: the old lines
// a later ".layer" write merges into.

#include <map>
#include <string>

#include "textfiles/KeywordLineList.h"

class CMaterialSet {
public:
    std::map<int, std::string> m_Includes;  // source id -> raw text of the include statement
    CKeywordLineList m_Lines;               // the file's lines, include statements expanded
};
