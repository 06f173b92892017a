#include "model/MaterialSet.h"

#include "platform/Path.h"

CMaterialSet CMaterialSet::FromLoad(const CLoadContext& context, const CKeywordLineList& lines, const std::string& path)
{
    return FromLoad(context, CSharedKeywordLines(lines), path);
}

CMaterialSet CMaterialSet::FromLoad(const CLoadContext& context, const CSharedKeywordLines& lines,
                                    const std::string& path)
{
    CMaterialSet set;
    set.m_Includes = context.m_Includes;
    set.m_Lines = lines;
    set.m_strIncludeFolder = PathFolder(path);
    return set;
}
