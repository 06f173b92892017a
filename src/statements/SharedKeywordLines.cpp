#include "statements/SharedKeywordLines.h"

#include <utility>

CSharedKeywordLines::CSharedKeywordLines(CKeywordLineList lines)
    : m_lines(std::make_shared<CKeywordLineList>(std::move(lines)))
{
}

CKeywordLineList& CSharedKeywordLines::Mutable()
{
    if (!m_lines)
        m_lines = std::make_shared<CKeywordLineList>();
    else if (m_lines.use_count() > 1)
        m_lines = std::make_shared<CKeywordLineList>(*m_lines);
    return *m_lines;
}

void CSharedKeywordLines::RemoveAll()
{
    if (m_lines && m_lines.use_count() == 1)
        m_lines->RemoveAll();
    else
        m_lines.reset();
}

const CKeywordLineList& CSharedKeywordLines::Empty()
{
    static const CKeywordLineList empty;
    return empty;
}
