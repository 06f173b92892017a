// Loading a deck, telling which simulator and which z-extent form it was written for, and reading
// its material blocks with their companion files.

#include "textfiles/SolFile.h"

#include "platform/Archive.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <iterator>
#include <utility>

bool CSolFile::ReadDeckFile(const std::string& path, CKeywordLineList& list)
{
    list.RemoveAll();
    CArchive archive;
    if (!archive.OpenLoad(path))
        return false;
    list.SerializeFlat(archive);
    archive.Close();
    return true;
}

int CSolFile::DetectDeckSimulator(const std::string& path)
{
    if (!Contains(ToLowerAscii(PathFileName(path)), ".sol"))
        return -1;
    CKeywordLineList list;
    ReadDeckFile(path, list);
    int result = -1;
    for (const CKeywordLine& line : list.m_lines) {
        const std::string& keyword = line.m_strKeyword;
        if (StartsWith(keyword, "$"))
            continue;
        // Only the lumivo simulator solves along sections.
        if (keyword == "begin_zsol")
            return 2;
        if (keyword == "begin" || keyword == "end")
            continue;
        if (!Trim(line.GetText()).empty())
            result = 1;
    }
    return result;
}

int CSolFile::ReadUniformZStructure(const CKeywordLineList& list)
{
    for (const CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        const bool position = !line.GetParam("uniform_zseg_from").empty();
        if (position || !line.GetParam("uniform_length").empty())
            return position ? 0 : 1;
    }
    return 0;
}

void CSolFile::ReadCylindrical()
{
    if (!m_pDoc)
        return;
    m_pDoc->settings.cylinder = m_pDoc->lines.CountKeyword("cylindrical") > 0 ? 1 : 0;
}

void CSolFile::CheckSimulatorMatch()
{
    if (!m_pDoc)
        return;
    const bool sections = m_pDoc->lines.CountKeyword("begin_zsol") > 0;
    const int target = GetSimulatorTarget();
    if (!sections && target == 2)
        AfxMessageBox("Your open the corvex3d example, but you select lumivo option,\n"
                      "Please use menu item options->Corvex3d to select corvex3d!",
                      MB_OK | MB_ICONEXCLAMATION);
    else if (sections && target <= 1)
        AfxMessageBox("Your open the lumivo3d example, but you select corvex3d option,\n"
                      "Please use menu item options->Lumivo to select lumivo!",
                      MB_OK | MB_ICONEXCLAMATION);
}

void CSolFile::LoadCompanionFiles(CZSegment& segment, const std::string& deckPath, const CKeywordLine& include)
{
    const std::string stem = PathFolder(deckPath) + PathFileTitle(include.GetParam("file"));
    for (const Companion& companion : kCompanions) {
        // A block may name its companions in several includes: a later one whose file is missing
        // keeps what an earlier one loaded.
        CKeywordLineList earlier = segment.*companion.lines;
        CLoadContext context;
        if (!segment.LoadStatementGroup(companion.group, stem + companion.extension, context))
            segment.*companion.lines = std::move(earlier);
    }
}

void CSolFile::ReadZmaterBlocks(const std::string& path)
{
    if (!m_pDoc)
        return;
    std::vector<CZSegment>& zsegs = m_pDoc->zsegs;
    int current = 1;
    bool inBlock = false;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines) {
        const std::string& keyword = line.m_strKeyword;
        if (keyword == "begin_zmater") {
            const std::string number = line.GetParam("zseg_num");
            if (!number.empty())
                current = AtoI(number);
            inBlock = true;
            continue;
        }
        if (keyword == "end_zmater") {
            inBlock = false;
            continue;
        }
        // A block of a z-segment the records do not hold is passed over (a deck that has one is
        // refused before its blocks are read).
        if (!inBlock || keyword.empty() || current < 1 || current > static_cast<int>(zsegs.size()))
            continue;
        CZSegment& segment = zsegs[static_cast<std::size_t>(current) - 1];
        segment.AddZmaterLine(line);
        if (keyword == "include")
            LoadCompanionFiles(segment, path, line);
    }
}

void CSolFile::Read2DMaterials(const std::string& path)
{
    if (!m_pDoc || m_pDoc->zsegs.empty())
        return;
    CZSegment& segment = m_pDoc->zsegs.front();
    segment.m_strLayerFile = PathStripExtension(path) + ".layer";
    segment.ClearKeywordLists();
    CKeywordLineList kept;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines) {
        if (line.m_strKeyword != "include") {
            kept.Append(line);
            continue;
        }
        // Includes of companion files belong to the z-segment alone.
        const std::string extension = PathExtension(line.GetParam("file"));
        if (std::none_of(std::begin(kCompanions), std::end(kCompanions),
                         [&](const Companion& companion) { return extension == companion.extension; }))
            kept.Append(line);
        segment.AddZmaterLine(line);
        LoadCompanionFiles(segment, path, line);
    }
    m_pDoc->lines = kept;
    m_pDoc->settings.zsegCount = 1;
}
