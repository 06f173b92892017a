// Included blocks: whether an include statement can be written back for them, or whether their
// lines have to be merged into the saved file itself.
//
// A block is everything one include statement of the main file brought in, the files it includes
// in turn among it. The load gives nested lines ids of their own (depth * 500 + index) that do not
// say which block they belong to, and two blocks at the same depth can share them; the block is
// therefore found by position and all its lines are given the id of its include statement. A block
// is written back as its include statement only when every statement in it says what the model
// says, nothing new falls inside it and no regenerated statement is anchored inside it; otherwise
// its lines are merged like lines of the main file (nothing is lost, nothing written twice).

#include "textfiles/LayerFileUpdater.h"

#include "platform/Archive.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "textfiles/LayerFileUpdaterText.h"

#include <algorithm>
#include <filesystem>

using namespace layer_updater;

namespace {

constexpr int kNestedSource = 1000;  // ids of lines included by an included file start here

bool IsNested(int source) { return source >= kNestedSource; }

// True for a relative name that stays inside its folder.
bool IsSafeRelativeName(const std::string& name)
{
    if (name.empty() || IsPathSeparator(name[0]) || (name.size() > 1 && name[1] == ':'))
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsPathSeparator(name[end]))
            ++end;
        if (name.compare(start, end - start, "..") == 0 && end - start == 2)
            return false;
        start = end + 1;
    }
    return true;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    bool same = std::filesystem::equivalent(NativePath(a), NativePath(b), error);
    return same && !error;
}

// A path to the file from the folder ("" for the current one), with "/" between its parts; "" when
// there is none an include statement can hold (its value ends at the first blank).
std::string PathFromFolder(const std::string& folder, const std::string& file)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::weakly_canonical(fs::path(NativePath(file)), error);
    if (error)
        return "";
    const fs::path base = fs::weakly_canonical(fs::path(folder.empty() ? "." : NativePath(folder)), error);
    if (error)
        return "";
    const std::string path = target.lexically_relative(base).generic_string();
    if (path.empty() || path.find_first_of(" \t\r\n&") != std::string::npos)
        return "";
    return path;
}

// The statements that came from the included file `source` now belong to the main file.
void MoveIntoMainFile(CKeywordLineList& list, int source)
{
    for (CKeywordLine& line : list.m_lines)
        if (line.m_nSource == source)
            line.m_nSource = 0;
}

}  // namespace

void CLayerFileUpdater::PrepareIncludeUnits(CKeywordLineList& old)
{
    const int count = old.GetCount();
    int i = 0;
    while (i < count) {
        if (old[i].m_nSource <= 0) {
            ++i;
            continue;
        }
        const int begin = i;
        while (i < count && old[i].m_nSource > 0)
            ++i;
        const int end = i;

        // Owner of each nested line: the block of the main file's include around it.
        bool ambiguous = true;
        for (int k = begin; k < end; ++k)
            if (!IsNested(old[k].m_nSource))
                ambiguous = false;
        std::vector<int> owner(static_cast<std::size_t>(end - begin), 0);
        for (int k = begin; k < end && !ambiguous; ++k) {
            int source = old[k].m_nSource;
            if (!IsNested(source)) {
                owner[static_cast<std::size_t>(k - begin)] = source;
                continue;
            }
            int before = 0, after = 0;
            for (int b = k - 1; b >= begin && before == 0; --b)
                if (!IsNested(old[b].m_nSource))
                    before = old[b].m_nSource;
            for (int a = k + 1; a < end && after == 0; ++a)
                if (!IsNested(old[a].m_nSource))
                    after = old[a].m_nSource;
            if (before != 0 && after != 0 && before != after)
                ambiguous = true;  // the end of one block or the start of the next
            owner[static_cast<std::size_t>(k - begin)] = before != 0 ? before : after;
        }
        for (int k = begin; k < end; ++k)
            old[k].m_nSource = ambiguous ? 0 : owner[static_cast<std::size_t>(k - begin)];
    }

    // A block holding statements that are regenerated from the model cannot be written back: the
    // regenerated statements go into the main file and its copy would still hold the old ones.
    for (int k = 0; k < old.GetCount(); ++k)
        if (old[k].m_nSource > 0 && IsRegeneratedStatement(old[k]))
            InlineUnitOfOldLine(old, k);
}

void CLayerFileUpdater::InlineUnitOfOldLine(CKeywordLineList& old, int index)
{
    const int source = old[index].m_nSource;
    if (source <= 0)
        return;
    MoveIntoMainFile(old, source);
}

void CLayerFileUpdater::InlineUnit(CKeywordLineList& old, CKeywordLineList& fresh, int source)
{
    if (source <= 0)
        return;
    MoveIntoMainFile(old, source);
    MoveIntoMainFile(fresh, source);
    m_units.erase(source);
}

void CLayerFileUpdater::InlineUnitsHoldingAnchors(CKeywordLineList& old, CKeywordLineList& fresh)
{
    // Side contacts and layer positions follow their layer's "layer" statement; an include stands
    // for the layers of its file, so only the last of them can anchor after it.
    auto isLastLayerOfUnit = [&old](int source, int loadNumber) {
        for (int k = old.GetCount() - 1; k >= 0; --k)
            if (old[k].m_nSource == source && IsKeyword(old[k].m_strKeyword, "layer"))
                return old[k].m_nLine == loadNumber;
        return false;
    };
    int lastLayer = -1;
    int lastColumn = -1;
    for (int i = 0; i < fresh.GetCount(); ++i) {
        const std::string& keyword = fresh[i].m_strKeyword;  // inlining a block changes no keyword
        if (IsKeyword(keyword, "layer")) {
            lastLayer = i;
        } else if (IsKeyword(keyword, "column")) {
            lastColumn = i;
        } else if (IsKeyword(keyword, "left_contact") || IsKeyword(keyword, "right_contact") ||
                   IsKeyword(keyword, "layer_position")) {
            if (lastLayer < 0)
                continue;
            int source = fresh[lastLayer].m_nSource;
            if (source > 0 && !isLastLayerOfUnit(source, fresh[lastLayer].m_nLine))
                InlineUnit(old, fresh, source);
        } else if (IsKeyword(keyword, "column_position")) {
            // Column positions are placed only after "column" statements of the saved file itself.
            if (lastColumn >= 0 && fresh[lastColumn].m_nSource > 0)
                InlineUnit(old, fresh, fresh[lastColumn].m_nSource);
        } else if (EqualsNoCase(keyword, "vcsel_section")) {
            // A VCSEL section goes before the first material statement of its layer.
            for (int m = i + 1; m < fresh.GetCount(); ++m)
                if (IsKeyword(fresh[m].m_strKeyword, "layer_mater")) {
                    if (fresh[m].m_nSource > 0)
                        InlineUnit(old, fresh, fresh[m].m_nSource);
                    break;
                }
        }
    }
}

bool CLayerFileUpdater::IsUnitUnchanged(const CKeywordLineList& old, const CKeywordLineList& fresh, int source)
{
    IncludeUnit& unit = m_units[source];
    if (unit.decided)
        return unit.same;
    unit.decided = true;
    unit.same = false;

    std::vector<int> partners;
    for (const CKeywordLine& o : old.m_lines) {
        if (o.m_nSource != source || IsNonStructureLine(o))
            continue;
        if (o.m_nLine < 0)
            return false;
        int partner = -1;
        for (int f = 0; f < fresh.GetCount(); ++f) {
            const CKeywordLine& line = fresh[f];
            if (line.m_nLine != o.m_nLine || line.m_nSource != source || IsNonStructureLine(line))
                continue;
            if (partner >= 0)
                return false;  // two fresh statements claim one old one
            partner = f;
        }
        if (partner < 0 || !SaysWhatTheModelSays(o, fresh, partner))
            return false;
        partners.push_back(partner);
    }
    if (partners.empty() || !std::is_sorted(partners.begin(), partners.end()))
        return false;
    // Nothing new may fall inside the block.
    for (int f = partners.front(); f <= partners.back(); ++f)
        if (!IsNonStructureLine(fresh[f]) && std::find(partners.begin(), partners.end(), f) == partners.end())
            return false;
    unit.same = true;
    return true;
}

bool CLayerFileUpdater::SaysWhatTheModelSays(const CKeywordLine& o, const CKeywordLineList& fresh, int index)
{
    // The included file is copied as it stands: what counts is the statement as the file holds it,
    // before the macro parameters the merge supplies anew were cleared from it.
    auto before = m_beforeClearing.find(o.m_nLine);
    const CKeywordLine& asInFile = (o.m_nLine > 0 && before != m_beforeClearing.end()) ? before->second : o;
    if (IsSameStatement(asInFile, fresh[index], m_defaults))
        return true;
    // The writer gives a row's doping to its "layer" statement and the save moves it into the
    // material statements: an included file holds it there, or in the "layer" statement.
    if (!m_haveFreshDopingMoved) {
        m_freshDopingMoved = fresh;
        UpdateDopingParams(m_freshDopingMoved);
        m_haveFreshDopingMoved = true;
    }
    return index < m_freshDopingMoved.GetCount() && IsSameStatement(asInFile, m_freshDopingMoved[index], m_defaults);
}

int CLayerFileUpdater::UnitStart(const CKeywordLineList& old, int source) const
{
    for (int i = 0; i < old.GetCount(); ++i)
        if (old[i].m_nSource == source)
            return i;
    return -1;
}

bool CLayerFileUpdater::CanWriteIncludeBack(int source) const
{
    return m_writtenUnits.count(source) > 0 || m_loaded.m_Includes.count(source) > 0;
}

void CLayerFileUpdater::WriteIncludeBack(CKeywordLineList& old, CKeywordLineList& result, int source)
{
    if (m_writtenUnits.count(source) > 0)
        return;  // the include statement stands in the result already, its lines are listed
    for (int i = 0; i < old.GetCount(); ++i)
        if (old[i].m_nSource == source && IsNonStructureLine(old[i]))
            m_includedLines.push_back(i);
    auto entry = m_loaded.m_Includes.find(source);
    if (entry == m_loaded.m_Includes.end())
        return;
    m_writtenUnits.insert(source);

    auto reached = m_reachedIncludes.find(source);
    CKeywordLine out;
    out.Parse(entry->second);
    out.m_strText = reached != m_reachedIncludes.end() ? reached->second : entry->second;
    CopyPrecedingLines(old, result, UnitStart(old, source));
    result.Append(out);
    m_loaded.m_Includes.erase(entry);
}

bool CLayerFileUpdater::ReachIncludedFile(int source)
{
    // A saved file must open again: its include statement has to find the included file from the
    // saved file's folder, as the file it was read with, or the block is written out in full.
    if (m_writtenUnits.count(source) > 0 || m_reachedIncludes.count(source) > 0)
        return true;
    auto entry = m_loaded.m_Includes.find(source);
    if (entry == m_loaded.m_Includes.end())
        return true;  // nothing to write for it
    CKeywordLine include;
    include.Parse(entry->second);
    const std::string name = IncludeFileName(include);
    const std::string original = ResolveExistingPath(m_loaded.m_strIncludeFolder + NativePath(name));
    if (name.empty() || !FileExists(original))
        return false;
    const std::string toFolder = GetFolder();
    if (IsSameFile(original, ResolveExistingPath(toFolder + NativePath(name)))) {
        m_reachedIncludes[source] = entry->second;  // saved in place, or the name leads there too
        return true;
    }
    // Carried along: copied beside the saved file with the files it includes.
    if (CanCopyIncludedFile(m_loaded.m_strIncludeFolder, name, 0)) {
        CopyIncludedFile(m_loaded.m_strIncludeFolder, toFolder, name, 0);
        if (FileExists(ResolveExistingPath(toFolder + NativePath(name)))) {
            m_reachedIncludes[source] = entry->second;
            return true;
        }
    }
    // Left where it is: the statement names it by a path from the saved file's folder.
    const std::string path = PathFromFolder(toFolder, original);
    if (path.empty())
        return false;
    for (CKeywordParam& param : include.m_params)
        if (param.m_strName == "file") {
            param.m_strValue = param.m_strSourceValue = path;
            break;
        }
    include.WrapText();
    CKeywordLine reread;
    reread.Parse(include.m_strText);
    if (!IsSameFile(original, ResolveExistingPath(toFolder + NativePath(IncludeFileName(reread)))))
        return false;
    m_reachedIncludes[source] = include.m_strText;
    return true;
}

bool CLayerFileUpdater::CanCopyIncludedFile(const std::string& fromFolder, const std::string& name, int depth) const
{
    // Only names inside the saved file's folder are copied, so that nothing is written elsewhere.
    if (depth > kMaxIncludeDepth || !IsSafeRelativeName(name))
        return false;
    const std::string from = ResolveExistingPath(fromFolder + NativePath(name));
    CArchive archive;
    if (!FileExists(from) || !archive.OpenLoad(from))
        return false;
    CKeywordLineList lines;
    lines.SerializeFlat(archive);
    for (const CKeywordLine& line : lines.m_lines)
        if (IsKeyword(line.m_strKeyword, "include") && !CanCopyIncludedFile(PathFolder(from), IncludeFileName(line), depth + 1))
            return false;
    return true;
}

void CLayerFileUpdater::CopyIncludedFile(const std::string& fromFolder, const std::string& toFolder,
                                         const std::string& name, int depth) const
{
    if (depth > kMaxIncludeDepth || !IsSafeRelativeName(name))
        return;
    const std::string relative = NativePath(name);
    const std::string from = ResolveExistingPath(fromFolder + relative);
    const std::string to = NativePath(toFolder + relative);
    if (!FileExists(from))
        return;
    if (IsSameFile(from, to))
        return;  // the file is already there (and its includes beside it)
    if (!MakeDirectoryPath(to, true) || !CopyFileBytes(from, to))
        return;
    // The files it includes are looked for beside it: they go along.
    CArchive archive;
    if (!archive.OpenLoad(from))
        return;
    CKeywordLineList lines;
    lines.SerializeFlat(archive);
    for (const CKeywordLine& line : lines.m_lines)
        if (IsKeyword(line.m_strKeyword, "include"))
            CopyIncludedFile(PathFolder(from), PathFolder(to), IncludeFileName(line), depth + 1);
}

int CLayerFileUpdater::CountLayersInInclude(const CKeywordLine& includeLine)
{
    const std::string path = GetFolder() + IncludeFileName(includeLine);
    // Each placed statement counts the layers again: a file is read (and a missing one reported)
    // once per save.
    auto known = m_includeLayerCounts.find(path);
    if (known != m_includeLayerCounts.end())
        return known->second;
    int& count = m_includeLayerCounts[path];
    CArchive archive;
    if (!archive.OpenLoad(path)) {
        AfxMessageBox("Can't open file " + path, MB_OK);
        return count = 0;
    }
    // A load of its own: the load state of the file being saved stays as it is.
    CLoadContext context;
    CKeywordLineList lines;
    lines.Serialize(archive, context);
    return count = lines.CountLayerLines();
}
