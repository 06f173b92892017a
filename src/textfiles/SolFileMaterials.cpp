// The material blocks of a converted deck ("begin_zmater zseg_num=k" ... "end_zmater"): material
// includes outside any block go, each block is replaced by the default deck's block of its
// z-segment, and an include repeated in a block goes.

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/Path.h"

#include <algorithm>
#include <set>

namespace {

bool IsMaterialInclude(const CKeywordLine& line)
{
    if (line.m_strKeyword != "include")
        return false;
    const std::string extension = PathExtension(line.GetParam("file"));
    return extension == ".gain" || extension == ".doping" || extension == ".mater";
}

}  // namespace

void CSolFile::RemoveLooseMaterialIncludes(CKeywordLineList& list)
{
    std::vector<CKeywordLine> kept;
    bool inBlock = false;
    for (const CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword == "begin_zmater")
            inBlock = true;
        else if (line.m_strKeyword == "end_zmater")
            inBlock = false;
        if (!inBlock && IsMaterialInclude(line))
            continue;
        kept.push_back(line);
    }
    list.m_lines.swap(kept);
}

void CSolFile::MergeZmaterBlocks(CKeywordLineList& list, const CKeywordLineList& defaults)
{
    std::vector<CKeywordLine> written;
    for (const CKeywordLine& line : list.m_lines)
        if (line.m_nLine >= 0)
            written.push_back(line);
    list.m_lines.swap(written);

    // One scan replaces each block by the default deck's block of its number; a later block of a
    // number already handled goes (the default deck's block holds all the z-segment's material
    // statements, however many blocks they were read from). A block that is never closed stays as
    // it is. The scan always ends: it goes on after each block it changed, in the changed deck.
    std::set<int> handled;
    int first = -1;
    int number = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        const std::string& keyword = list[i].m_strKeyword;
        if (keyword == "begin_zmater") {
            first = i;
            number = AtoI(list[i].GetParam("zseg_num"));
            continue;
        }
        if (keyword != "end_zmater" || first < 0)
            continue;
        const int before = list.GetCount();
        if (handled.insert(number).second)
            ReplaceZmaterBlock(first, i, number, list, defaults);
        else
            list.m_lines.erase(list.m_lines.begin() + first, list.m_lines.begin() + i + 1);
        i += list.GetCount() - before;
        first = -1;
    }
}

void CSolFile::ReplaceZmaterBlock(int first, int last, int number, CKeywordLineList& list,
                                  const CKeywordLineList& defaults)
{
    std::vector<CKeywordLine> replacement;
    bool inBlock = false;
    for (const CKeywordLine& line : defaults.m_lines) {
        if (!inBlock) {
            if (line.m_strKeyword == "begin_zmater" && AtoI(line.GetParam("zseg_num")) == number) {
                inBlock = true;
                replacement.push_back(line);
            }
            continue;
        }
        if (line.m_strKeyword.empty())
            continue;
        replacement.push_back(line);
        if (line.m_strKeyword == "end_zmater")
            break;
    }
    std::vector<CKeywordLine> lines(list.m_lines.begin(), list.m_lines.begin() + first);
    lines.insert(lines.end(), replacement.begin(), replacement.end());
    lines.insert(lines.end(), list.m_lines.begin() + last + 1, list.m_lines.end());
    list.m_lines.swap(lines);
}

void CSolFile::RemoveDuplicateIncludes(CKeywordLineList& list)
{
    for (int b = 0; b < list.GetCount(); ++b) {
        if (list[b].m_strKeyword != "begin_zmater")
            continue;
        std::set<std::string> seen;
        // The scan ends at the block's own end: a file included by two blocks belongs to both.
        for (int i = b + 1; i < list.GetCount();) {
            const std::string& keyword = list[i].m_strKeyword;
            if (keyword == "end_zmater" || keyword == "end_mater")
                break;
            if (keyword == "include" && !seen.insert(list[i].GetParam("file")).second) {
                list.RemoveLine(i);
                continue;
            }
            ++i;
        }
    }
}
