// Loading the sweep index: every numeric value of a saved ".layer" file (and of the files it
// includes) that a series can vary, with the file, physical line and character span of its text.

#include "textfiles/LayerFileIndexReader.h"

#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cstdlib>

bool CLayerFileIndexReader::Load(const std::string& path, int zsegIndex)
{
    m_index.Clear();
    m_strLoadError.clear();
    std::string bytes;
    if (path.empty() || !ReadFileBytes(path, bytes))
        return true;
    m_index.m_strPath = path;
    if (!ReadLines(path, bytes, 0, 0))
        return false;
    BuildItems(zsegIndex);
    return true;
}

bool CLayerFileIndexReader::ReadLines(const std::string& path, const std::string& bytes, int depth, int index)
{
    // The statements are read as the structure file reader reads them; raw keeps one line break
    // between the physical lines it holds, so counting them follows the physical line numbers.
    CArchive archive;
    archive.OpenLoadFromMemory(bytes, path);
    int physicalLine = 0;
    int includes = 0;
    std::string logical;
    std::string raw;
    while (CKeywordLineList::ReadNextStatement(archive, logical, raw)) {
        const int start = physicalLine;
        physicalLine += static_cast<int>(std::count(raw.begin(), raw.end(), '\n')) + 1;
        CKeywordLine line;
        line.Parse(logical);
        line.SetText(raw);
        line.m_nSource = depth * 500 + index;
        m_index.m_Lines.Append(line);
        m_index.m_LineFiles.push_back(path);
        // The statement's own line: after the blank lines its raw text begins with.
        m_index.m_LineStarts.push_back(start);
        if (line.GetKeyword() != "include")
            continue;
        ++includes;
        const std::string included = Trim(line.GetParam("file"));
        const std::string includedPath = PathFolder(path) + included;
        std::string includedBytes;
        if (!ReadFileBytes(includedPath, includedBytes)) {
            m_strLoadError = "Can't open file " + includedPath;
            return false;
        }
        // A file that includes itself, directly or through others, would recurse forever.
        if (depth + 1 > kMaxIncludeDepth) {
            m_strLoadError = "Include files are nested too deeply at " + includedPath;
            return false;
        }
        m_index.m_Includes.emplace((depth + 1) * 500 + includes, included);
        if (!ReadLines(includedPath, includedBytes, depth + 1, includes))
            return false;
    }
    return true;
}

void CLayerFileIndexReader::BuildItems(int z)
{
    const int columns = m_index.m_Lines.CountColumnLines();
    if (columns < 1)
        return;
    m_KeywordLines.clear();
    for (int i = 0; i < m_index.m_Lines.GetCount(); ++i)
        m_KeywordLines[m_index.m_Lines.GetKeyword(i)].push_back(i);
    static const char* const kColumnParams[] = {"w", "mesh_num", "r", "shift_center", "xp1", "xp2"};
    static const int kColumnIds[] = {1, 50, 51, 52, 53, 54};
    for (int c = 0; c < columns; ++c) {
        for (int k = 0; k < 6; ++k)
            AddParamItemOfNthLine("column", c + 1, kColumnParams[k], z, -1, c, kColumnIds[k]);
    }

    const int layers = m_index.m_Lines.CountLayerLines();
    for (int l = 0; l < layers; ++l) {
        for (int s = 0; s < columns; ++s) {
            const int n = 1 + l * columns + s;
            for (int v = 1; v <= 6; ++v)
                AddParamItemOfNthLine("layer_mater", n, "var" + std::to_string(v), z, l, s, 9 + v);
            for (int v = 1; v <= 6; ++v)
                AddParamItemOfNthLine("layer_mater", n, "avar" + std::to_string(v), z, l, s, 19 + v);
            const std::vector<int>& maters = m_KeywordLines["layer_mater"];
            const std::string gradeVar =
                n <= static_cast<int>(maters.size()) ? m_index.m_Lines.GetLineParam(maters[n - 1], "grade_var") : "";
            if (!gradeVar.empty()) {
                const int g = std::atoi(gradeVar.c_str());
                AddParamItemOfNthLine("layer_mater", n, "grade_from", z, l, s, 28 + 2 * g);
                AddParamItemOfNthLine("layer_mater", n, "grade_to", z, l, s, 29 + 2 * g);
            }
        }
        for (int s = 0; s < columns; ++s) {
            const std::string number = std::to_string(s + 1);
            const std::pair<std::string, int> params[] = {
                {"d", 0}, {"n", 60}, {"r", 61}, {"shift_center", 62},
                {"n_doping" + number, 40}, {"p_doping" + number, 40}, {"gaussian_tail", 41},
                {"upper_w" + number, 2}, {"lower_w" + number, 3}, {"w" + number, 1},
            };
            for (const auto& param : params)
                AddParamItemOfNthLine("layer", l + 1, param.first, z, l, s, param.second);
        }
    }

    const int sections = m_index.m_Lines.CountKeyword("vcsel_section");
    for (int n = 1; n <= sections; ++n) {
        AddParamItemOfNthLine("vcsel_section", n, "section_loss", z, -1, -1, 100);
        AddParamItemOfNthLine("vcsel_section", n, "mesh_points", z, -1, -1, 101);
        AddParamItemOfNthLine("vcsel_section", n, "section_index", z, -1, -1, 102);
        for (int d = 1; d <= 9; ++d) {
            AddParamItemOfNthLine("vcsel_section", n, "layer" + std::to_string(d), z, -1, -1, 102 + d);
            AddParamItemOfNthLine("vcsel_section", n, "index" + std::to_string(d), z, -1, -1, 111 + d);
        }
    }

    IndexGratingCompos(z);
    for (const char* keyword : {"bottom_contact", "top_contact", "left_contact", "right_contact"})
        IndexContacts(z, keyword);
    m_KeywordLines.clear();
}

void CLayerFileIndexReader::IndexGratingCompos(int z)
{
    const int columns = m_index.m_Lines.CountColumnLines();
    const int layers = m_index.m_Lines.CountLayerLines();
    if (columns < 1)
        return;
    int passed = 0;
    for (int i = 0; i < m_index.m_Lines.GetCount(); ++i) {
        const std::string keyword = m_index.m_Lines.GetKeyword(i);
        if (keyword == "layer") {
            ++passed;
            continue;
        }
        if (keyword != "grating_compos")
            continue;
        if (passed >= layers) {
            AfxMessageBox("Grating_compos is not correct!", MB_OK);
            return;
        }
        const std::string columnNum = m_index.m_Lines.GetLineParam(i, "column_num");
        if (columnNum.empty())
            continue;
        const int c = std::atoi(columnNum.c_str()) - 1;
        if (c < 0 || c >= columns)
            continue;
        const char* const sizes[] = {"d_high", "d_fall", "d_low", "d_rise"};
        for (int k = 0; k < 4; ++k)
            AddParamItem(i, sizes[k], z, passed, c, 70 + k);
        for (int j = 1; j <= 5; ++j) {
            const std::string n = std::to_string(j);
            AddParamItem(i, "hi_var" + n, z, passed, c, 74 + j);
            AddParamItem(i, "hi_avar" + n, z, passed, c, 79 + j);
            AddParamItem(i, "lo_var" + n, z, passed, c, 84 + j);
            AddParamItem(i, "lo_avar" + n, z, passed, c, 89 + j);
        }
    }
}

void CLayerFileIndexReader::IndexContacts(int z, const std::string& keyword)
{
    if (keyword == "left_contact" || keyword == "right_contact") {
        IndexSideContacts(z, keyword);
        return;
    }
    for (int i = 0; i < m_index.m_Lines.GetCount(); ++i) {
        if (m_index.m_Lines.GetKeyword(i) != keyword)
            continue;
        const std::string columnNum = m_index.m_Lines.GetLineParam(i, "column_num");
        int earlier = 0;
        for (int k = 0; k < i; ++k) {
            if (m_index.m_Lines.GetKeyword(k) == keyword && m_index.m_Lines.GetLineParam(k, "column_num") == columnNum)
                ++earlier;
        }
        const int c = std::atoi(columnNum.c_str()) - 1;
        AddContactValues(i, z, c, earlier);
    }
}

// A side contact belongs to the layer row whose "layer" statement stands last before it; it is
// found by that row and its place among the row's statements of its keyword, as the contact page
// addresses it.
void CLayerFileIndexReader::IndexSideContacts(int z, const std::string& keyword)
{
    int row = -1;
    int placeInRow = 0;
    for (int i = 0; i < m_index.m_Lines.GetCount(); ++i) {
        const std::string statement = m_index.m_Lines.GetKeyword(i);
        if (statement == "layer") {
            ++row;
            placeInRow = 0;
        } else if (statement == keyword) {
            AddContactValues(i, z, row, placeInRow++);
        }
    }
}

void CLayerFileIndexReader::AddContactValues(int line, int z, int owner, int place)
{
    const char* const params[] = {"from", "to", "barrier", "work_function"};
    for (int id = 0; id < 4; ++id)
        AddParamItem(line, params[id], z, owner, place, id);
}

void CLayerFileIndexReader::AddParamItemOfNthLine(const std::string& keyword, int n, const std::string& name, int z,
                                            int first, int second, int id)
{
    const std::vector<int>& lines = m_KeywordLines[keyword];
    if (n >= 1 && n <= static_cast<int>(lines.size()))
        AddParamItem(lines[n - 1], name, z, first, second, id);
}

void CLayerFileIndexReader::AddParamItem(int index, const std::string& name, int z, int first, int second, int id)
{
    if (index < 0 || index >= m_index.m_Lines.GetCount()) {
        AfxMessageBox("Index is error when series!", MB_OK);
        return;
    }
    const CKeywordLine& line = m_index.m_Lines[index];
    const std::string& raw = line.GetText();
    std::string text = raw;
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '&'; }, ' ');

    // The parameter: the word before an "=", blanks around the "=" allowed; the first match wins.
    std::size_t valueStart = std::string::npos;
    for (std::size_t eq = text.find('='); eq != std::string::npos; eq = text.find('=', eq + 1)) {
        std::size_t end = eq;
        while (end > 0 && IsBlank(text[end - 1]))
            --end;
        std::size_t begin = end;
        while (begin > 0 && !IsBlank(text[begin - 1]))
            --begin;
        if (Trim(text.substr(begin, end - begin)) != name)
            continue;
        std::size_t value = eq + 1;
        while (value < text.size() && IsBlank(text[value]))
            ++value;
        if (value < text.size())
            valueStart = value;
        break;
    }
    if (valueStart == std::string::npos)
        return;
    std::size_t valueEnd = valueStart;
    while (valueEnd < text.size() && !IsBlank(text[valueEnd]))
        ++valueEnd;

    CLayerFileItem item;
    item.m_nZSeg = z;
    item.m_nFirst = first;
    item.m_nSecond = second;
    item.m_nParamId = id;
    item.m_strKeyword = line.GetKeyword();
    item.m_strParam = name;
    item.m_strValue = text.substr(valueStart, valueEnd - valueStart);
    item.m_strFile = m_index.m_LineFiles[index];
    item.m_nLine = m_index.m_LineStarts[index] +
                   static_cast<int>(std::count(raw.begin(), raw.begin() + valueEnd, '\r'));
    int start = static_cast<int>(valueStart);
    int end = static_cast<int>(valueEnd);
    const std::size_t breakPos = raw.find_last_of("&\r\n", valueStart == 0 ? 0 : valueStart - 1);
    if (breakPos != std::string::npos && breakPos > 0 && breakPos < valueStart) {
        start -= static_cast<int>(breakPos) + 1;
        end -= static_cast<int>(breakPos) + 1;
    }
    item.m_nStart = start;
    item.m_nEnd = end;
    const std::string keyword = line.GetKeyword();
    if (keyword == "vcsel_section") {
        item.m_strKey = line.GetParam("vcsel_type");
    } else {
        const std::size_t contact = keyword.find("contact");
        if (contact != std::string::npos && contact > 0)
            item.m_strKey = keyword;
    }
    m_index.m_Items.push_back(item);
}
