// The conversion's passes over the statements that describe the z-segments. The read deck keeps
// its own statements, comments and settings; its z_structure, load_mesh, output and section
// statements and its material blocks are taken from the default deck of the current device; the
// new deck's per-z-segment solver statements are completed.

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"

#include <algorithm>

namespace {

constexpr int kNotWritten = -1;

// The statements that describe the z-segments: a converted deck takes them from the default deck.
const char* const kSolStatementKeywords[] = {"z_structure", "load_mesh", "output", "section"};
const char kBeginZmater[] = "begin_zmater";

bool IsWritten(const CKeywordLine& line) { return line.m_nLine >= 0; }

CKeywordLine Parsed(const std::string& text)
{
    CKeywordLine line;
    line.Parse(text);
    return line;
}

// The first written statement of the keyword for z-segment 1 (its "zseg_num" text "1"), read
// afresh from its parameters; the fallback text when there is none.
CKeywordLine TemplateOf(const CKeywordLineList& list, const std::string& keyword, const std::string& fallback)
{
    for (const CKeywordLine& line : list.m_lines)
        if (IsWritten(line) && line.m_strKeyword == keyword && line.GetParam("zseg_num") == "1")
            return Parsed(line.FormatParams());
    return Parsed(fallback);
}

bool HasWrittenWithNumber(const CKeywordLineList& list, const std::string& keyword, const std::string& number)
{
    return std::any_of(list.m_lines.begin(), list.m_lines.end(), [&](const CKeywordLine& line) {
        return IsWritten(line) && line.m_strKeyword == keyword && line.GetParam("zseg_num") == number;
    });
}

// Both variants first give every z-segment its equilibrium and rtgain_phase statements, after the
// last of them.
void AddEquilibriumAndGain(CKeywordLineList& list, int count)
{
    const CKeywordLine equilibrium = TemplateOf(list, "equilibrium", "equilibrium zseg_num=1");
    const CKeywordLine gain = TemplateOf(list, "rtgain_phase", "rtgain_phase zseg_num=1");
    for (int n = 1; n <= count; ++n) {
        int p = 0;
        for (int i = 0; i < list.GetCount(); ++i) {
            const std::string& keyword = list[i].m_strKeyword;
            if (keyword == "begin" || keyword == "equilibrium" || keyword == "rtgain_phase")
                p = i;
        }
        const std::string number = StrFormat("%d", n);
        CKeywordLineList inserted;
        for (const CKeywordLine* model : {&equilibrium, &gain}) {
            if (HasWrittenWithNumber(list, model->m_strKeyword, number))
                continue;
            CKeywordLine copy = *model;
            copy.SetParam("zseg_num", number, true);
            inserted.Append(copy);
        }
        list.InsertLines(p + 1, inserted);
    }
}

}  // namespace

void CSolFile::AddZsegNumbers(CKeywordLineList& list, CKeywordLineList second)
{
    if (GetSimulatorTarget() == 1)
        InsertMissingEquilibrium(list, second);
    else if (m_pDoc && m_pDoc->settings.isolatedMethod == "no")
        AddSegmentStatementsIsolated(list);
    else
        AddSegmentStatementsFlow(list);
}

void CSolFile::AddSegmentStatementsFlow(CKeywordLineList& list)
{
    AddEquilibriumAndGain(list, ZSegmentsInUse());
    // One flow through the device: the solver steps of z-segment 1 serve it all.
    for (CKeywordLine& line : list.m_lines) {
        const std::string& keyword = line.m_strKeyword;
        if (keyword != "equilibrium" && keyword != "scan" && keyword != "scan3d")
            continue;
        const std::string number = line.GetParam("zseg_num");
        if (!number.empty() && AtoI(number) > 1)
            line.m_nLine = kNotWritten;
    }
}

void CSolFile::AddSegmentStatementsIsolated(CKeywordLineList& list)
{
    const int count = ZSegmentsInUse();
    AddEquilibriumAndGain(list, count);
    for (const char* keyword : {"scan", "scan3d"}) {
        std::vector<CKeywordLine> templates;
        for (const CKeywordLine& line : list.m_lines) {
            const std::string number = line.GetParam("zseg_num");
            if (line.m_strKeyword == keyword && !number.empty() && AtoI(number) == 1)
                templates.push_back(Parsed(line.GetText()));
        }
        for (int n = 1; n <= count; ++n) {
            const std::string number = StrFormat("%d", n);
            for (CKeywordLine copy : templates) {
                const std::string var = copy.GetParam("var");
                const bool present = std::any_of(list.m_lines.begin(), list.m_lines.end(), [&](const CKeywordLine& line) {
                    const std::string own = line.GetParam("zseg_num");
                    return line.m_strKeyword == keyword && line.GetParam("var") == var &&
                           (own.empty() ? std::string("1") : own) == number;
                });
                if (present)
                    continue;
                copy.SetParam("zseg_num", number, true);
                int last = 0;
                for (int i = 0; i < list.GetCount(); ++i)
                    if (list[i].m_strKeyword == keyword && list[i].GetParam("var") == var)
                        last = i;
                CKeywordLineList inserted;
                inserted.Append(copy);
                list.InsertLines(last + 1, inserted);
            }
        }
    }
}

void CSolFile::AddDefaultSections()
{
    const int count = ZSegmentsInUse();
    if (count < 1)
        return;
    CSectionRecord model;
    if (!m_pDoc->zsegs[0].m_Sections.empty()) {
        model = m_pDoc->zsegs[0].m_Sections.front();
    } else {
        model.m_nKind = 0;
        model.SetText("section sec_num=1 mesh_points=20");
    }
    for (int k = 0; k < count; ++k)
        m_pDoc->zsegs[static_cast<std::size_t>(k)].SetSectionRecord(model);
}

void CSolFile::UpdateZmaterBlocks(CKeywordLineList& read, CKeywordLineList& defaults)
{
    for (CKeywordLine& line : read.m_lines)
        line.m_nLine = 0;
    for (CKeywordLine& line : read.m_lines) {
        if (std::none_of(std::begin(kSolStatementKeywords), std::end(kSolStatementKeywords),
                         [&](const char* keyword) { return line.m_strKeyword == keyword; }))
            continue;
        line.m_nLine = kNotWritten;
        MergeStatementParams(line, defaults);
    }
    for (int i = 0; i < read.GetCount(); ++i) {
        CKeywordLine& line = read[i];
        if (!IsWritten(line) || line.m_strKeyword != kBeginZmater)
            continue;
        const int ordinal = FindZStructureOrdinal(line, defaults);
        if (ordinal != -1) {
            line.SetParam("zseg_num", StrFormat("%d", ordinal), true);
            continue;
        }
        // A block of a z-segment the device no longer has goes as a whole; blank lines stay.
        line.m_nLine = kNotWritten;
        for (++i; i < read.GetCount(); ++i) {
            if (read[i].m_strKeyword.empty())
                continue;
            read[i].m_nLine = kNotWritten;
            if (read[i].m_strKeyword == "end_zmater")
                break;
        }
    }
}

int CSolFile::FindZStructureOrdinal(const CKeywordLine& statement, const CKeywordLineList& list)
{
    const std::string number = statement.GetParam("zseg_num");
    const int z = number.empty() ? 1 : AtoI(number);
    int ordinal = 0;
    for (const CKeywordLine& line : list.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        ++ordinal;
        if (AtoI(line.GetParam("zseg_num")) == z)
            return ordinal;
    }
    return -1;
}

void CSolFile::InsertDefaultStatements(CKeywordLineList& read, CKeywordLineList defaults)
{
    for (const char* keyword : kSolStatementKeywords) {
        const bool section = std::string(keyword) == "section";
        const std::string anchor = section ? "begin_zsol" : "begin";
        int p = -1;
        for (int i = 0; i < read.GetCount(); ++i)
            if (read[i].m_strKeyword == keyword || read[i].m_strKeyword == anchor)
                p = i + 1;
        CKeywordLineList inserted;
        for (const CKeywordLine& line : defaults.m_lines) {
            if (line.m_strKeyword != keyword)
                continue;
            CKeywordLine copy = line;
            copy.m_bModified = 1;
            inserted.Append(copy);
        }
        if (p == -1) {
            if (section) {
                CKeywordLine begin = Parsed("begin_zsol");
                CKeywordLine end = Parsed("end_zsol");
                begin.m_bModified = end.m_bModified = 1;
                inserted.m_lines.insert(inserted.m_lines.begin(), begin);
                inserted.Append(end);
                p = read.GetCount();
            } else {
                p = 0;
            }
        }
        read.InsertLines(p, inserted);
    }
}

void CSolFile::CompleteZmaterBlocks(CKeywordLineList& read)
{
    const int count = ZSegmentsInUse();
    int current = -1;
    int q = 0;
    int last = 0;
    bool inside = false;
    for (int i = 0; i < read.GetCount(); ++i) {
        CKeywordLine& line = read[i];
        const std::string number = line.GetParam("zseg_num");
        if (!number.empty())
            current = AtoIndex(number);
        const std::string& keyword = line.m_strKeyword;
        if (keyword == "end_zmater" || keyword == "begin" || keyword == "include" || keyword == "output" ||
            keyword == "more_output")
            q = i + 1;
        if (keyword == kBeginZmater) {
            inside = true;
            last = current + 1;
        }
        if (keyword == "end_zmater")
            inside = false;
        // A block numbered for no z-segment of the device keeps its includes as they are.
        if (keyword == "include" && inside && current >= 0 && current < count) {
            const std::string title = PathFileTitle(m_pDoc->zsegs[static_cast<std::size_t>(current)].m_strLayerFile);
            line.SetParam("file", title + PathExtension(line.GetParam("file")), true);
        }
    }
    CKeywordLineList appended;
    for (int s = std::max(last, 0); s < count; ++s) {
        const std::string title = PathFileTitle(m_pDoc->zsegs[static_cast<std::size_t>(s)].m_strLayerFile);
        appended.Append(Parsed("begin_zmater " + StrFormat("zseg_num=%d ", s + 1)));
        appended.Append(Parsed("include " + StrFormat("file=%s.gain ", title.c_str())));
        appended.Append(Parsed("include " + StrFormat("file=%s.doping ", title.c_str())));
        appended.Append(Parsed("end_zmater "));
    }
    read.InsertLines(q, appended);
}

void CSolFile::WriteSolutionMethod(CKeywordLineList& list)
{
    const std::string method = m_pDoc ? m_pDoc->settings.isolatedMethod : std::string("no");
    int p = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        CKeywordLine& line = list[i];
        if (line.m_strKeyword == "begin")
            p = i + 1;
        if (line.m_strKeyword == "3d_solution_method") {
            line.SetParam("3d_flow", method, true);
            return;
        }
    }
    CKeywordLineList inserted;
    CKeywordLine line = Parsed("3d_solution_method 3d_flow=" + method);
    line.m_bModified = 1;
    inserted.Append(line);
    list.InsertLines(p, inserted);
}

void CSolFile::CheckTaperLineCounts()
{
    const int count = ZSegmentsInUse();
    if (count == 0)
        return;
    for (int k = 0; k < count; ++k)
        m_pDoc->zsegs[static_cast<std::size_t>(k)].BuildTaperPoints();
    const int first = m_pDoc->zsegs[0].m_Params.m_nTaperPointCount;
    const bool differ = std::any_of(m_pDoc->zsegs.begin(), m_pDoc->zsegs.begin() + count,
                                    [first](const CZSegment& segment) { return segment.m_Params.m_nTaperPointCount != first; });
    if (!differ)
        return;
    AfxMessageBox(std::string("The taper_line num in each face are not equ!") + "\n" +
                      "It will set the all taper_line as zero!",
                  MB_OK);
    for (int k = 0; k < count; ++k)
        m_pDoc->zsegs[static_cast<std::size_t>(k)].m_Params.m_nTaperPointCount = 0;
}

void CSolFile::DropStatementsBeyondSegments(CKeywordLineList& list)
{
    const int count = ZSegmentsInUse();
    for (CKeywordLine& line : list.m_lines) {
        // Whether a material block stays is told by UpdateZmaterBlocks, for the whole block.
        if (line.m_strKeyword == kBeginZmater)
            continue;
        const std::string number = line.GetParam("zseg_num");
        if ((number.empty() ? 1 : AtoI(number)) > count)
            line.m_nLine = kNotWritten;
    }
}
