// The default decks: a complete deck for the device, one for each target simulator. Every deck the
// program saves starts from one. Each statement is composed as text, parsed, and in the end marked
// modified, so that the flat store writes it rebuilt in canonical form.
//
// Corvex deck:                              Lumivo deck, in addition:
//   $***********                              (the material blocks include .gain, not .mater,
//   begin                                      and have no empty line after them)
//   3d_solution_method 3d_flow=..
//   z_structure ...          each z-segment
//   load_mesh ...            each
//   output ...               flow
//   begin_zmater .. end_zmater, empty line   each
//   newton_par (1)                            init_wave, optical_field, multimode
//   equilibrium              flow             rtgain_phase after each z-segment's equilibrium,
//                                               for every z-segment
//   newton_par (2)
//   scan var=voltage_1       flow
//   scan var=current_1       flow             scan3d  flow
//   $
//   end                                       $*******************, begin_zsol, sections, end_zsol
//
// "each" is once per z-segment in use; "flow" the same, but only for z-segment 1 when 3d_flow is
// exactly "yes" (one flow through the whole device).

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cmath>

namespace {

const char kCantCreate[] = "Can't create file!";

// A section shorter than this (in metres) is left out of the deck.
constexpr double kNoSectionLength = 1e-10;

void AppendStatement(CKeywordLineList& list, const std::string& text)
{
    CKeywordLine line;
    line.Parse(text);
    list.Append(line);
}

}  // namespace

bool CSolFile::WriteDefaultDeck(CKeywordLineList& list)
{
    const int target = GetSimulatorTarget();
    if (target < 2)
        return WriteCorvexDeck(list);
    if (target == 2)
        return WriteLumivoDeck(list);
    return false;
}

bool CSolFile::WriteCorvexDeck(CKeywordLineList& list)
{
    return WriteDeck(list, false);
}

bool CSolFile::WriteLumivoDeck(CKeywordLineList& list)
{
    return WriteDeck(list, true);
}

bool CSolFile::WriteDeck(CKeywordLineList& list, bool lumivo)
{
    list.RemoveAll();
    const int count = ZSegmentsInUse();
    if (count < 1)
        return true;
    const std::string& method = m_pDoc->settings.isolatedMethod;
    const bool flow = method == "yes";
    const int flowCount = flow ? 1 : count;

    AppendStatement(list, "$***********");
    AppendStatement(list, "begin");
    AppendStatement(list, "3d_solution_method 3d_flow=" + method);
    for (int k = 1; k <= count; ++k)
        AppendZStructure(list, k);
    for (int k = 1; k <= count; ++k) {
        const std::string title = PathFileTitle(m_pDoc->zsegs[k - 1].m_strLayerFile);
        AppendStatement(list, "load_mesh " + StrFormat("mesh_inf=%s.msh ", title.c_str()) + StrFormat("zseg_num=%d ", k));
    }
    for (int k = 1; k <= flowCount; ++k) {
        // One flow has one solution, named after the deck.
        const std::string title = PathFileTitle(flow ? m_strDestinationPath : m_pDoc->zsegs[k - 1].m_strLayerFile);
        AppendStatement(list, "output " + StrFormat("sol_outf=%s.out ", title.c_str()) + StrFormat("zseg_num=%d ", k));
    }
    for (int k = 1; k <= count; ++k)
        if (!AppendMaterialBlock(list, k, lumivo))
            return false;

    AppendStatement(list, std::string("newton_par damping_step=3. var_tol=1.e-8 res_tol=1.e-8 ") +
                              "max_iter=100 opt_iter=15 stop_iter=50 print_flag=3");
    if (lumivo) {
        AppendStatement(list, std::string("init_wave backg_loss=  0.0000E+00 ") +
                                  "boundary_type=[2 2 1 1] init_wavel=  0.2500E+00 " +
                                  "wavel_range=[  0.2300E+00  0.2700E+00]");
        AppendStatement(list, "optical_field profile=effective_index x_segment=4");
        AppendStatement(list, "multimode mode_num=1");
    }
    for (int k = 1; k <= count; ++k) {
        if (k <= flowCount)
            AppendStatement(list, StrFormat("equilibrium zseg_num=%d", k));
        if (lumivo)
            AppendStatement(list, StrFormat("rtgain_phase density=0.0000E+00 zseg_num=%d", k));
    }
    AppendStatement(list, std::string("newton_par damping_step=1. var_tol=1.e-4 res_tol=1.e-4 ") +
                              "max_iter=50 opt_iter=15 stop_iter=9 print_flag=3");
    for (int k = 1; k <= flowCount; ++k)
        AppendStatement(list, StrFormat("scan var=voltage_1 zseg_num=%d", k));
    for (int k = 1; k <= flowCount; ++k)
        AppendStatement(list, StrFormat("scan var=current_1 zseg_num=%d", k));
    if (lumivo)
        for (int k = 1; k <= flowCount; ++k)
            AppendStatement(list, StrFormat("scan3d current_to=0.0 3d_points=10  zseg_num=%d", k));
    AppendStatement(list, "$");
    AppendStatement(list, "end");
    if (lumivo) {
        AppendStatement(list, "$*******************");
        AppendStatement(list, "begin_zsol");
        AppendSections(list);
        AppendStatement(list, "end_zsol");
    }

    for (CKeywordLine& line : list.m_lines)
        line.m_bModified = 1;
    return true;
}

void CSolFile::AppendZStructure(CKeywordLineList& list, int k) const
{
    const int count = ZSegmentsInUse();
    const CZSegmentParams& params = m_pDoc->zsegs[k - 1].m_Params;
    std::string text = "z_structure ";
    if (m_pDoc->settings.lengthForm == 0) {
        text += StrFormat("uniform_zseg_from=%f ", params.m_dZFrom);
        text += StrFormat("uniform_zseg_to=%f ", params.m_dZTo);
    } else {
        text += StrFormat("uniform_length=%f ", params.m_dZTo - params.m_dZFrom);
        // The last z-segment has no gap after it.
        if (k < count)
            text += StrFormat("taper_length=%f ", m_pDoc->zsegs[k].m_Params.m_dZFrom - params.m_dZTo);
    }
    text += StrFormat("zseg_num=%d ", k);
    if (params.m_nZPlanes > 1)
        text += StrFormat("zplanes=%d ", params.m_nZPlanes);
    if (!params.m_strTaperLink.empty())
        text += "link_taper_contact=" + params.m_strTaperLink + " ";
    const int points = std::min(params.m_nTaperPointCount, CZSegmentParams::kMaxTaperPoints);
    if (points > 0) {
        text += StrFormat("taper_line=%d ", points);
        for (int p = 1; p <= points; ++p)
            text += StrFormat("taper_points%d=(%f %f) ", p, double(params.m_fTaperPoints[p - 1][0]),
                              double(params.m_fTaperPoints[p - 1][1]));
    }
    AppendStatement(list, text);
}

bool CSolFile::AppendMaterialBlock(CKeywordLineList& list, int k, bool lumivo)
{
    CZSegment& segment = m_pDoc->zsegs[k - 1];
    const std::string title = PathFileTitle(segment.m_strLayerFile);
    AppendStatement(list, "begin_zmater " + StrFormat("zseg_num=%d ", k));
    if (segment.m_MaterialLines.IsEmpty()) {
        AppendStatement(list, StrFormat(lumivo ? "include file=%s.gain " : "include file=%s.mater ", title.c_str()));
        AppendStatement(list, StrFormat("include file=%s.doping ", title.c_str()));
    } else {
        // The block's files are the z-segment's own, whatever they were called before.
        for (CKeywordLine line : segment.m_MaterialLines.m_lines) {
            if (line.m_strKeyword == "include")
                line.SetParam("file", title + PathExtension(line.GetParam("file")), true);
            list.Append(line);
        }
        const std::string stem = PathStripExtension(segment.m_strLayerFile);
        for (const Companion& companion : kCompanions) {
            const std::string path = stem + companion.extension;
            const CKeywordLineList& group = segment.*companion.lines;
            // An empty group leaves any file of that name as it is.
            if (group.IsEmpty())
                continue;
            std::string reason;
            if (!StoreBytes(path, group.StoreRawText(), &reason)) {
                AfxMessageBox(std::string(kCantCreate) + "\n" + path + ": " + reason, MB_OK);
                return false;
            }
        }
    }
    AppendStatement(list, "end_zmater ");
    if (!lumivo)
        AppendStatement(list, "");
    return true;
}

void CSolFile::AppendSections(CKeywordLineList& list)
{
    const int count = ZSegmentsInUse();
    int number = 1;
    for (int k = 1; k <= count; ++k) {
        CZSegment& segment = m_pDoc->zsegs[k - 1];
        const float gap = k < count ? float(m_pDoc->zsegs[k].m_Params.m_dZFrom - segment.m_Params.m_dZTo) : 0.0f;
        segment.BuildSectionStatements(gap);
        for (const CSectionRecord& record : segment.m_Sections) {
            const std::string text = record.GetText();
            if (text.empty())
                continue;
            CKeywordLine line;
            line.Parse(text);
            line.SetParam("sec_num", StrFormat("%d", number), true);
            // Numbering runs on without a gap where a section of no length is left out.
            if (std::fabs(AtoF(line.GetParam("length"))) < kNoSectionLength)
                continue;
            list.Append(line);
            ++number;
        }
    }
}
