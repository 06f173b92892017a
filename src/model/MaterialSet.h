#pragma once
// The statements and include files a z-segment's ".layer" file had when it was read: the old lines
// a later ".layer" write merges into. The statements are shared, not copied, between the copies of
// a set (the seg-info records, undo snapshots) and the document's lists they were read into.

#include <map>
#include <string>

#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"
#include "statements/SharedKeywordLines.h"

class CMaterialSet {
public:
    std::map<int, std::string> m_Includes;  // source id -> raw text of the include statement
    CSharedKeywordLines m_Lines;            // the file's lines, include statements expanded
    // The folder the file was read from (ending with a separator, "" for the current folder): its
    // include statements name files there. A save copies them from here, whichever file was read
    // last.
    std::string m_strIncludeFolder;

    // The set of the file at path just loaded into lines with context: a copy of the lines, or the
    // shared lines themselves.
    static CMaterialSet FromLoad(const CLoadContext& context, const CKeywordLineList& lines, const std::string& path);
    static CMaterialSet FromLoad(const CLoadContext& context, const CSharedKeywordLines& lines,
                                 const std::string& path);
};
