#include "statements/KeywordLineList.h"

#include "platform/Archive.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <type_traits>

// A load grows the statement vector and a copy-on-write list moves it: the moves must not fall back
// to copying every statement and parameter.
static_assert(std::is_nothrow_move_constructible_v<CKeywordParam>);
static_assert(std::is_nothrow_move_constructible_v<CKeywordLine>);
static_assert(std::is_nothrow_move_constructible_v<CKeywordLineList>);

namespace {

const char* const kCrLf = "\r\n";
constexpr int kSourceStride = 500;

// Asked of every statement a store writes: the text is looked at in place, not trimmed into a copy.
bool IsBareDollar(const CKeywordLine& line) { return TrimmedView(line.m_strText) == "$"; }

// The same file reached by different spellings of its path is one file for cycle detection.
std::string FileIdentity(const std::string& path)
{
    std::string native = ResolveExistingPath(path);
    char* real = ::realpath(native.c_str(), nullptr);
    if (!real)
        return native;
    std::string identity = real;
    std::free(real);
    return identity;
}

int ColumnNum(const CKeywordLine& line) { return AtoI(line.ParamValue("column_num")); }

// The length of the line without the white space at its end.
std::size_t TrimmedRightSize(std::string_view line)
{
    std::size_t size = line.size();
    while (size > 0 && IsWhiteSpace(line[size - 1]))
        --size;
    return size;
}

bool EndsWithContinuation(std::string_view text) { return text.size() >= 2 && text.substr(text.size() - 2) == "&&"; }

// The number of statements a text holds, near enough to size the statement vector before a load:
// the lines that are not blank and do not continue a line ending in "&&". ("$" lines, which are not
// continued outside macro files, may make it one short now and then: the vector grows then.)
std::size_t CountStatementStarts(std::string_view text)
{
    std::size_t count = 0;
    bool continued = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, TrimmedRightSize(text.substr(start, end - start)));
        if (!line.empty() && !continued)
            ++count;
        continued = EndsWithContinuation(line);
        start = end + 1;
    }
    return count;
}

// Joins the physical lines that follow a line ending in "&&" onto text, each trimmed on the right;
// when raw is given, each line read is appended to it as read, after a CR LF.
void JoinContinuations(CArchive& archive, std::string& text, std::string* raw)
{
    // One line buffer serves every continuation a load joins.
    static thread_local std::string line;
    while (EndsWithContinuation(text)) {
        text.resize(text.size() - 2);
        if (!archive.ReadString(line))
            break;
        if (raw) {
            *raw += kCrLf;
            *raw += line;
        }
        text.append(line, 0, TrimmedRightSize(line));
    }
}

}  // namespace

// ---------------------------------------------------------------- reading physical lines

bool CKeywordLineList::ReadNextStatement(CArchive& archive, std::string& logical, std::string& raw)
{
    bool macroFile = EndsWith(archive.GetFilePath(), "mac");
    raw.clear();
    // One line buffer serves every statement a load reads.
    static thread_local std::string line;
    if (!archive.ReadString(line))
        return false;
    raw += line;
    std::size_t size = TrimmedRightSize(line);
    while (size == 0) {
        raw += kCrLf;
        if (!archive.ReadString(line))
            return false;
        raw += line;
        size = TrimmedRightSize(line);
    }
    logical.assign(line, 0, size);
    if (macroFile || logical[0] != '$')
        JoinContinuations(archive, logical, &raw);
    return true;
}

bool CKeywordLineList::ReadLogicalLine(CArchive& archive, std::string& text)
{
    static thread_local std::string line;
    if (!archive.ReadString(line))
        return false;
    text.assign(line, 0, TrimmedRightSize(line));
    JoinContinuations(archive, text, nullptr);
    return true;
}

// ---------------------------------------------------------------- load and store

bool CKeywordLineList::Serialize(CArchive& archive) const
{
    if (!archive.IsStoring())
        return false;
    archive.WriteString(StoreRawText());
    return true;
}

bool CKeywordLineList::Serialize(CArchive& archive, CLoadContext& context, int depth, int index)
{
    if (archive.IsStoring())
        return Serialize(archive);
    m_strLoadError.clear();
    std::vector<std::string> chain{FileIdentity(archive.GetFilePath())};
    if (LoadNumbered(archive, context, depth, index, chain))
        return true;
    // A partial list would be saved later as a truncated file: the load fails as a whole.
    m_lines.clear();
    AfxMessageBox(m_strLoadError, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CKeywordLineList::LoadNumbered(CArchive& archive, CLoadContext& context, int depth, int index,
                                    std::vector<std::string>& chain)
{
    int includeCount = 0;
    m_lines.reserve(m_lines.size() + CountStatementStarts(archive.UnreadText()));
    std::string logical, raw;
    while (ReadNextStatement(archive, logical, raw)) {
        CKeywordLine line;
        line.ParseAsRead(logical, std::move(raw));
        if (std::string_view(line.m_strKeyword) != "include") {
            line.m_nLine = ++context.m_nLineCounter;
            line.m_nSource = depth * kSourceStride + index;
            m_lines.push_back(std::move(line));
            continue;
        }
        ++includeCount;
        std::string folder = PathFolder(archive.GetFilePath());
        context.m_strIncludeFolder = folder;
        std::string path = folder + Trim(line.GetParam("file"));
        if (depth + 1 > kMaxIncludeDepth) {
            m_strLoadError = "Include files are nested too deeply at " + path;
            return false;
        }
        CArchive included;
        if (!included.OpenLoad(path)) {
            m_strLoadError = "Can't open file " + path;
            return false;
        }
        std::string identity = FileIdentity(path);
        if (std::find(chain.begin(), chain.end(), identity) != chain.end()) {
            m_strLoadError = "Include file " + path + " includes itself";
            return false;
        }
        context.m_Includes.emplace((depth + 1) * kSourceStride + includeCount, std::move(line.m_strText));
        chain.push_back(identity);
        bool ok = LoadNumbered(included, context, depth + 1, includeCount, chain);
        chain.pop_back();
        if (!ok)
            return false;
    }
    return true;
}

bool CKeywordLineList::SerializeFlat(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteString(StoreFlatText());
        return true;
    }
    m_lines.reserve(m_lines.size() + CountStatementStarts(archive.UnreadText()));
    std::string logical, raw;
    while (ReadNextStatement(archive, logical, raw)) {
        CKeywordLine line;
        line.ParseAsRead(logical, std::move(raw));
        m_lines.push_back(std::move(line));
    }
    return true;
}

std::string CKeywordLineList::StoreRawText() const
{
    // The whole file is made in one block, each text appended where it goes.
    std::size_t size = 0;
    for (const CKeywordLine& line : m_lines)
        size += line.m_strText.size() + 2;
    std::string out;
    out.reserve(size);
    bool previousBare = false;
    for (const CKeywordLine& line : m_lines) {
        bool bare = IsBareDollar(line);
        // Runs of bare "$" lines shrink to one.
        if (!(bare && previousBare)) {
            out += line.m_strText;
            out += kCrLf;
        }
        previousBare = bare;
    }
    return out;
}

std::string CKeywordLineList::StoreFlatText() const
{
    std::string out;
    for (const CKeywordLine& line : m_lines) {
        if (line.m_nLine < 0)
            continue;
        if (line.m_bModified)
            out += line.CanonicalLines();
        else
            out += line.m_strText + "\n";
    }
    return out;
}

// ---------------------------------------------------------------- queries

const std::string& CKeywordLineList::NoKeyword()
{
    static const std::string kNone;
    return kNone;
}

std::string CKeywordLineList::GetLineParam(int index, const std::string& name) const
{
    return index >= 0 && index < GetCount() ? (*this)[index].GetParam(name) : std::string();
}

int CKeywordLineList::CountKeyword(const std::string& keyword) const
{
    return static_cast<int>(std::count_if(m_lines.begin(), m_lines.end(),
                                          [&](const CKeywordLine& line) { return line.m_strKeyword == keyword; }));
}

int CKeywordLineList::FindNthLine(const std::string& keyword, int n) const
{
    int seen = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].m_strKeyword == keyword && ++seen == n)
            return static_cast<int>(i);
    return -1;
}

std::string CKeywordLineList::GetNthLineParam(const std::string& keyword, int n, const std::string& name) const
{
    int index = FindNthLine(keyword, n);
    return index < 0 ? std::string() : (*this)[index].GetParam(name);
}

std::string CKeywordLineList::FindNthLineParamContaining(const std::string& keyword, int n,
                                                         const std::string& text) const
{
    int index = FindNthLine(keyword, n);
    return index < 0 ? std::string() : (*this)[index].FindParamContaining(text);
}

bool CKeywordLineList::NthLineHasParamContaining(const std::string& keyword, int n, const std::string& text) const
{
    int index = FindNthLine(keyword, n);
    return index >= 0 && (*this)[index].IndexOfParamContaining(text) >= 0;
}

bool CKeywordLineList::FindLine(const std::string& keyword, int& position, int column) const
{
    if (column < 1)
        return CountKeyword(keyword) > 0;
    for (int i = std::max(position, 0); i < GetCount(); ++i) {
        if ((*this)[i].m_strKeyword == keyword && ColumnNum((*this)[i]) == column) {
            position = i + 1;
            return true;
        }
    }
    return false;
}

std::string CKeywordLineList::GetColumnParam(const std::string& keyword, int column, const std::string& name,
                                             int start) const
{
    if (column <= 0)
        return std::string();
    for (int i = std::max(start, 0); i < GetCount(); ++i)
        if ((*this)[i].m_strKeyword == keyword && ColumnNum((*this)[i]) == column)
            return (*this)[i].GetParam(name);
    return std::string();
}

namespace {

// The column number a "layer_mater" statement with a macro name counts for (column_num, 0 or missing
// counting as 1); nothing for any other statement.
bool CountsAsMacroLineOf(const CKeywordLine& line, int& column)
{
    if (std::string_view(line.m_strKeyword) != "layer_mater")
        return false;
    column = ColumnNum(line);
    if (column == 0)
        column = 1;
    return !line.ParamValue("macro_name").empty();
}

}  // namespace

int CKeywordLineList::CountColumnMacroLines(int columnIndex) const
{
    int count = 0;
    int column = 0;
    for (const CKeywordLine& line : m_lines)
        if (CountsAsMacroLineOf(line, column) && column == columnIndex + 1)
            ++count;
    return count;
}

std::vector<int> CKeywordLineList::CountMacroLinesOfColumns(int columns) const
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(columns, 0)), 0);
    int column = 0;
    for (const CKeywordLine& line : m_lines)
        if (CountsAsMacroLineOf(line, column) && column >= 1 && column <= columns)
            ++counts[static_cast<std::size_t>(column) - 1];
    return counts;
}

bool CKeywordLineList::FindNewDopingLine(int n, CKeywordLine& found) const
{
    int materLines = 0;
    for (const CKeywordLine& line : m_lines) {
        if (StartsWith(line.m_strKeyword, "new_doping") && materLines == n) {
            found = line;
            return true;
        }
        if (line.m_strKeyword == "layer_mater")
            ++materLines;
    }
    return false;
}

bool CKeywordLineList::FindLineByParam(const std::string& keyword, const std::string& name, const std::string& value,
                                       CKeywordLine& found) const
{
    for (const CKeywordLine& line : m_lines) {
        if (line.m_nLine >= 0 && line.m_strKeyword == keyword && line.ParamValue(name) == value) {
            found = line;
            return true;
        }
    }
    return false;
}

void CKeywordLineList::GetLineInBlock(const std::string& k1, const std::string& k2, int n, CKeywordLine& found) const
{
    int block = 1;
    for (const CKeywordLine& line : m_lines) {
        if (line.m_strKeyword == k1 && block == n)
            found = line;
        if (line.m_strKeyword == k2)
            ++block;
    }
}

std::string CKeywordLineList::GetHeaderComment() const
{
    if (GetCount() > 2 && m_lines[0].IsComment() && m_lines[1].IsComment())
        return m_lines[1].m_strKeyword.substr(1);
    return std::string();
}

std::string CKeywordLineList::GetFirstComment() const
{
    if (GetCount() > 2 && m_lines[0].IsComment())
        return m_lines[0].m_strKeyword.substr(1);
    return std::string();
}

std::string CKeywordLineList::GetCommentBeforeNth(const std::string& keyword, int n) const
{
    int index = FindNthLine(keyword, n);
    if (index > 0 && (*this)[index - 1].IsComment())
        return (*this)[index - 1].m_strKeyword;
    return std::string();
}

void CKeywordLineList::InsertLines(int position, CKeywordLineList other)
{
    position = std::min(std::max(position, 0), GetCount());
    m_lines.insert(m_lines.begin() + position, std::make_move_iterator(other.m_lines.begin()),
                   std::make_move_iterator(other.m_lines.end()));
}

void CKeywordLineList::RemoveLine(int index)
{
    if (index >= 0 && index < GetCount())
        m_lines.erase(m_lines.begin() + index);
}

int CKeywordLineList::GetZSegmentCount() const
{
    if (CountKeyword("3dflow_segment") > 0 || CountKeyword("taper3d") > 0)
        return -1;
    int zStructures = CountKeyword("z_structure");
    if (zStructures > 0)
        return zStructures;
    return CountKeyword("section") > 0 ? 1 : 0;
}

void CopyKeywordLines(const CKeywordLineList& source, CKeywordLineList& destination)
{
    if (&source == &destination)
        return;
    destination.m_lines = source.m_lines;
}
