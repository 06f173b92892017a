// The small passes over one statement list of a deck: each rewrites the statements of one kind so
// that the stored deck says what the device and the settings say. A statement a pass wants gone is
// marked not written (line number -1) where the conversion still looks at it, or removed.

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdater.h"

#include <cmath>

namespace {

constexpr int kNotWritten = -1;
// A taper length shorter than this is no gap: the statement loses it.
constexpr double kNoTaperLength = 1e-5;

bool IsNotWritten(const CKeywordLine& line) { return line.m_nLine < 0; }

// The statement read again from its own text and rebuilt in canonical form; its load number and
// source stay what they were, so a statement marked not written stays so.
void RebuildCanonical(CKeywordLine& line)
{
    const int number = line.m_nLine;
    const int source = line.m_nSource;
    line.RebuildText(ParamTextForm::canonical);
    line.Parse(line.GetText());
    line.WrapText();
    line.m_bModified = 1;
    line.m_nLine = number;
    line.m_nSource = source;
}

void Reparse(CKeywordLine& line)
{
    const int number = line.m_nLine;
    const int source = line.m_nSource;
    line.Parse(line.GetText());
    line.WrapText();
    line.m_nLine = number;
    line.m_nSource = source;
}

// The z_structure parameters the device owns besides its extent.
bool IsOwnedZStructureParam(const std::string& name)
{
    return name == "zplanes" || name == "link_taper_contact" || name == "taper_line" ||
           name.compare(0, std::string("taper_points").size(), "taper_points") == 0;
}

int ZsegNumberOf(const CKeywordLine& line)
{
    const std::string number = line.GetParam("zseg_num");
    return number.empty() ? 1 : AtoI(number);
}

}  // namespace

void CSolFile::StripZStructureLengths(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        for (const char* name : {"uniform_length", "taper_length", "uniform_zseg_from", "uniform_zseg_to"})
            line.RemoveParamByName(name);
        // The rest of what the device says of its z-segments comes back with the default deck as
        // well. Left here, a value the default deck leaves out (one z plane, no taper points) would
        // be merged back from the old statement, and one z-segment's value could even pass to
        // another after a z-segment was deleted.
        for (int i = line.GetParamCount() - 1; i >= 0; --i)
            if (IsOwnedZStructureParam(line.m_params[static_cast<std::size_t>(i)].m_strName))
                line.RemoveParam(i);
    }
}

void CSolFile::MergeStatementParams(const CKeywordLine& statement, CKeywordLineList& list)
{
    const int z = ZsegNumberOf(statement);
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != statement.m_strKeyword || ZsegNumberOf(line) != z)
            continue;
        const int number = line.m_nLine;
        const int source = line.m_nSource;
        Reparse(line);
        for (const CKeywordParam& param : statement.m_params)
            line.SetParam(param.m_strName, param.m_strValue, false);
        RebuildCanonical(line);
        line.m_nLine = number;
        line.m_nSource = source;
        return;
    }
}

void CSolFile::UpdateLayerMacros(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        // The updater's pass reads a statement afresh; whether the deck writes it stays as it was.
        const int number = line.m_nLine;
        const int source = line.m_nSource;
        CLayerFileUpdater::RemoveDefaultParamsOfLine(line);
        line.m_nLine = number;
        line.m_nSource = source;
    }
}

void CSolFile::UpdateTaperLength(CKeywordLineList& list)
{
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        Reparse(line);
        for (int i = 0; i < line.GetParamCount(); ++i) {
            if (line.m_params[static_cast<std::size_t>(i)].m_strName != "taper_length")
                continue;
            if (std::fabs(AtoF(line.m_params[static_cast<std::size_t>(i)].m_strValue)) < kNoTaperLength)
                line.RemoveParam(i);
            break;
        }
        RebuildCanonical(line);
    }
}

void CSolFile::UpdateCylindrical(CKeywordLineList& list)
{
    if (!m_pDoc)
        return;
    int anchor = -1;
    bool leading = true;
    std::vector<int> cylindrical;
    for (int i = 0; i < list.GetCount(); ++i) {
        const std::string keyword = Trim(list[i].m_strKeyword);
        if (keyword.empty())
            continue;
        if (leading && (StartsWith(keyword, "begin") || StartsWith(keyword, "$")))
            anchor = i;
        else
            leading = false;
        if (keyword == "cylindrical")
            cylindrical.push_back(i);
    }
    if (m_pDoc->settings.cylinder == 1 && cylindrical.empty()) {
        if (anchor < 0)
            return;
        CKeywordLineList inserted;
        CKeywordLine line;
        line.Parse("cylindrical");
        inserted.Append(line);
        list.InsertLines(anchor + 1, inserted);
    } else if (m_pDoc->settings.cylinder == 0) {
        for (auto it = cylindrical.rbegin(); it != cylindrical.rend(); ++it)
            list.RemoveLine(*it);
    }
}

void CSolFile::RemoveZsolBlock(CKeywordLineList& list)
{
    // Only the lumivo simulator solves along sections.
    if (GetSimulatorTarget() == 2)
        return;
    int begin = -1, end = -1;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list[i].m_strKeyword == "begin_zsol")
            begin = i;
        else if (list[i].m_strKeyword == "end_zsol")
            end = i;
    }
    if (begin < 0 || end < 0 || begin > end)
        return;
    list.m_lines.erase(list.m_lines.begin() + begin, list.m_lines.begin() + end + 1);
}

void CSolFile::UpdateOutputZsegNum(CKeywordLineList& list)
{
    const std::string method = m_pDoc ? m_pDoc->settings.isolatedMethod : std::string("no");
    if (method == "no") {
        for (CKeywordLine& line : list.m_lines)
            if (line.m_strKeyword == "output" && line.GetParam("zseg_num").empty())
                line.SetParam("zseg_num", "1", true);
        return;
    }
    // One flow through the device has one output, for the whole of it.
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "output")
            continue;
        const std::string number = line.GetParam("zseg_num");
        if (!number.empty() && AtoF(number) > 1)
            line.m_nLine = kNotWritten;
    }
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "output")
            continue;
        Reparse(line);
        const int number = line.m_nLine;
        line.RemoveParamByName("zseg_num");
        RebuildCanonical(line);
        line.m_nLine = number;
    }
}

void CSolFile::RenumberSections(CKeywordLineList& list)
{
    int counter = 1;
    for (CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "section" || IsNotWritten(line))
            continue;
        line.SetParam("sec_num", StrFormat("%d", counter), true);
        ++counter;
    }
}

void CSolFile::InsertMissingEquilibrium(CKeywordLineList& list, const CKeywordLineList& defaults)
{
    for (const CKeywordLine& wanted : defaults.m_lines) {
        if (wanted.m_strKeyword != "equilibrium")
            continue;
        const std::string number = wanted.GetParam("zseg_num");
        int anchor = -1;
        bool present = false;
        for (int i = 0; i < list.GetCount() && !present; ++i) {
            const CKeywordLine& line = list[i];
            if (line.m_strKeyword == "newton_par" && anchor == -1)
                anchor = i;
            if (line.m_strKeyword != "equilibrium")
                continue;
            const std::string own = line.GetParam("zseg_num");
            if ((own.empty() ? std::string("1") : own) == number)
                present = true;
            else if (AtoI(own) < AtoI(number))
                anchor = i;
        }
        if (present)
            continue;
        CKeywordLineList inserted;
        inserted.Append(wanted);
        list.InsertLines(anchor + 1, inserted);
    }
}
