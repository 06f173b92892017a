#pragma once
// The statements and include files a z-segment's ".layer" file had when it was read: the old lines
// a later ".layer" write merges into.

#include <map>
#include <string>

#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"

class CMaterialSet {
public:
    std::map<int, std::string> m_Includes;  // source id -> raw text of the include statement
    CKeywordLineList m_Lines;               // the file's lines, include statements expanded
    // The folder the file was read from (ending with a separator, "" for the current folder): its
    // include statements name files there. A save copies them from here, whichever file was read
    // last.
    std::string m_strIncludeFolder;

    // The set of the file at path just loaded into lines with context.
    static CMaterialSet FromLoad(const CLoadContext& context, const CKeywordLineList& lines, const std::string& path);
};
