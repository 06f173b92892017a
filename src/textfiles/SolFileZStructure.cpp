// The z extents, z planes, taper links and taper points of the z-segments, and the sections that
// cut the z axis for the mesh.
//
// Z extents and sections are compared in single precision, with the sections shifted so that the
// first z-segment starts at 0 as they do. The check of a deck and the placement of its sections
// take a section as lying within an extent or gap by one rule (SpanHolds), so a deck that passes
// the check has a place for every section.

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cmath>

namespace {

const char kBadSection[] = "The section length is not correct!";
const char kTooManyTaperPoints[] = "Your taper lines are more than 9!";
// Section lengths are in metres, z positions in micrometres.
constexpr double kSectionLengthScale = 1000000.0;
// Below this an extent or gap counts as having no length: its sections take all of it.
constexpr float kNoLength = 0.00001f;

// The section from..to lies within the span from spanFrom to spanTo, give or take the tolerance.
bool SpanHolds(float spanFrom, float spanTo, float from, float to)
{
    return spanFrom <= from + CSolFile::kSectionTolerance && to - CSolFile::kSectionTolerance <= spanTo;
}

// The share of a span of the given length that a section of sectionLength takes.
float Share(float sectionLength, float spanLength)
{
    return std::fabs(spanLength) < kNoLength ? 1.0f : sectionLength / spanLength;
}

CSectionRecord SectionRecord(int kind, float ratio, const std::string& text)
{
    CSectionRecord record;
    record.m_nKind = kind;
    record.m_fRatio = ratio;
    record.SetText(text);
    return record;
}

CSectionRecord DefaultSection(int kind)
{
    return SectionRecord(kind, 1.0f, CSectionRecord::kDefaultText);
}

void ShiftToFirstStart(std::vector<float>& starts, std::vector<float>& ends, std::vector<float>& nexts)
{
    if (starts.empty())
        return;
    const float first = starts.front();
    for (std::vector<float>* values : {&starts, &ends, &nexts})
        for (float& value : *values)
            value -= first;
}

}  // namespace

CSolFile::ZExtents CSolFile::ReadZExtents(int form) const
{
    ZExtents extents;
    float running = 0.0f;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        const std::string from = line.GetParam("uniform_zseg_from");
        const bool position = form == kFormPerStatement ? !from.empty() : form == 0;
        float start = 0.0f;
        float end = 0.0f;
        if (position) {
            start = static_cast<float>(AtoF(from));
            end = static_cast<float>(AtoF(line.GetParam("uniform_zseg_to")));
        } else {
            const std::string length = line.GetParam("uniform_length");
            if (!length.empty()) {
                start = running;
                end = running + static_cast<float>(AtoF(length));
                running = end;
            }
            const std::string taper = line.GetParam("taper_length");
            if (!taper.empty())
                running += static_cast<float>(AtoF(taper));
        }
        extents.starts.push_back(start);
        extents.ends.push_back(end);
    }
    for (std::size_t k = 0; k < extents.starts.size(); ++k)
        extents.nexts.push_back(k + 1 < extents.starts.size() ? extents.starts[k + 1] : 0.0f);
    return extents;
}

std::vector<float> CSolFile::ReadSectionLengthList() const
{
    std::vector<float> lengths;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines)
        if (line.m_strKeyword == "section")
            lengths.push_back(static_cast<float>(AtoF(line.GetParam("length")) * kSectionLengthScale));
    return lengths;
}

float CSolFile::ReadSectionLengths() const
{
    float sum = 0.0f;
    if (m_pDoc)
        for (float length : ReadSectionLengthList())
            sum += length;
    return sum;
}

CSolFile::ZExtents CSolFile::SingleExtentOfSections() const
{
    // Without a z extent the device is one z-segment as long as all sections together; the check
    // and the placement take the same one.
    ZExtents extents;
    extents.starts = {0.0f};
    extents.ends = {ReadSectionLengths()};
    extents.nexts = {0.0f};
    return extents;
}

int CSolFile::CheckZStructure()
{
    if (!m_pDoc)
        return 0;
    // The number of sections first: the check below looks at every one of them against every
    // extent, and a deck of more than the table holds is refused whatever they say.
    const int excess = m_pDoc->lines.FindNthLine("section", kMaxSections + 1);
    if (excess >= 0) {
        AfxMessageBox(DeckDataErrorText(excess), MB_OK);
        return 0;
    }
    // The check takes each statement in the form it is written in.
    ZExtents extents = ReadZExtents(kFormPerStatement);
    if (extents.starts.empty())
        extents = SingleExtentOfSections();
    ShiftToFirstStart(extents.starts, extents.ends, extents.nexts);
    float previous = 0.0f;
    float position = 0.0f;
    for (float length : ReadSectionLengthList()) {
        position += length;
        bool fits = false;
        for (std::size_t k = 0; k < extents.starts.size() && !fits; ++k)
            fits = SpanHolds(extents.starts[k], extents.ends[k], previous, position) ||
                   SpanHolds(extents.ends[k], extents.nexts[k], previous, position);
        if (!fits) {
            AfxMessageBox(kBadSection, MB_OK);
            return 0;
        }
        previous = position;
    }
    return 1;
}

int CSolFile::ReadZStructure()
{
    if (!m_pDoc)
        return 0;
    m_nZExtentForm = ReadUniformZStructure(m_pDoc->lines);
    ReadSegmentZStructure();
    ZExtents extents = ReadZExtents(m_nZExtentForm);
    if (extents.starts.empty())
        extents = SingleExtentOfSections();
    // Only a deck whose statements mix the two forms can get here with a section that has no
    // place: it is refused rather than saved later without that section.
    if (!BuildSegmentSections(extents.starts, extents.ends, extents.nexts, ReadSectionLengthList())) {
        AfxMessageBox(kBadSection, MB_OK);
        return 0;
    }
    return 1;
}

void CSolFile::ReadSegmentZStructure()
{
    if (!m_pDoc)
        return;
    m_dRunningZ = 0.0;
    bool any = false;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines) {
        if (line.m_strKeyword != "z_structure")
            continue;
        ReadZStructureLine(line);
        any = true;
    }
    if (!any && !m_pDoc->zsegs.empty()) {
        CZSegmentParams& params = m_pDoc->zsegs.front().m_Params;
        params.m_dZFrom = 0.0;
        params.m_dZTo = ReadSectionLengths();
    }
}

void CSolFile::ReadZStructureLine(const CKeywordLine& statement)
{
    if (!m_pDoc)
        return;
    const int number = AtoI(statement.GetParam("zseg_num"));
    if (number < 1 || number > static_cast<int>(m_pDoc->zsegs.size()))
        return;
    CZSegmentParams& params = m_pDoc->zsegs[static_cast<std::size_t>(number) - 1].m_Params;

    const std::string link = statement.GetParam("link_taper_contact");
    if (!link.empty())
        params.m_strTaperLink = link;
    if (m_nZExtentForm == 0) {
        const std::string from = statement.GetParam("uniform_zseg_from");
        const std::string to = statement.GetParam("uniform_zseg_to");
        if (!from.empty())
            params.m_dZFrom = AtoF(from);
        if (!to.empty())
            params.m_dZTo = AtoF(to);
    } else {
        const std::string length = statement.GetParam("uniform_length");
        if (!length.empty()) {
            params.m_dZFrom = m_dRunningZ;
            params.m_dZTo = m_dRunningZ + AtoF(length);
            m_dRunningZ += AtoF(length);
        }
        const std::string taper = statement.GetParam("taper_length");
        if (!taper.empty())
            m_dRunningZ += AtoF(taper);
    }
    const std::string planes = statement.GetParam("zplanes");
    params.m_nZPlanes = planes.empty() ? 1 : AtoI(planes);

    int count = std::max(0, AtoI(statement.GetParam("taper_line")));
    if (count > CZSegmentParams::kMaxTaperPoints) {
        AfxMessageBox(kTooManyTaperPoints, MB_OK);
        count = CZSegmentParams::kMaxTaperPoints;
    }
    params.m_nTaperPointCount = count;
    for (int p = 1; p <= count; ++p) {
        float bottom = 0.0f;
        float top = 0.0f;
        if (ParseTaperPoint(statement.GetParam(StrFormat("taper_points%d", p)), &bottom, &top)) {
            params.m_fTaperPoints[p - 1][0] = bottom;
            params.m_fTaperPoints[p - 1][1] = top;
        }
    }
}

int CSolFile::ParseTaperPoint(std::string text, float* first, float* second)
{
    text = Trim(text);
    if (text.empty())
        return 0;
    // Without its brackets: "bottom-x top-x".
    text = text.size() > 2 ? text.substr(1, text.size() - 2) : std::string();
    const std::size_t blank = text.find(' ');
    *first = static_cast<float>(AtoF(blank == std::string::npos ? std::string() : text.substr(0, blank)));
    *second = static_cast<float>(AtoF(blank == std::string::npos ? text : text.substr(blank)));
    return 1;
}

bool CSolFile::BuildSegmentSections(std::vector<float> starts, std::vector<float> ends, std::vector<float> nexts,
                                    const std::vector<float>& lengths)
{
    if (!m_pDoc)
        return false;
    ShiftToFirstStart(starts, ends, nexts);
    std::vector<bool> placed(lengths.size(), false);
    const std::size_t count = std::min({starts.size(), ends.size(), nexts.size(), m_pDoc->zsegs.size()});
    for (std::size_t j = 0; j < count; ++j) {
        std::vector<CSectionRecord> records;
        float previous = 0.0f;
        float position = 0.0f;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            position += lengths[i];
            if (!placed[i]) {
                const float length = position - previous;
                if (SpanHolds(starts[j], ends[j], previous, position)) {
                    placed[i] = true;
                    records.push_back(SectionRecord(0, Share(length, ends[j] - starts[j]), GetSectionText(int(i))));
                } else if (SpanHolds(ends[j], nexts[j], previous, position)) {
                    // A z-segment's list starts with a section inside it.
                    if (records.empty())
                        records.push_back(DefaultSection(0));
                    placed[i] = true;
                    records.push_back(SectionRecord(1, Share(length, nexts[j] - ends[j]), GetSectionText(int(i))));
                }
            }
            previous += lengths[i];
        }
        // Every list ends with a section in the gap.
        if (records.empty())
            records.push_back(DefaultSection(0));
        if (records.back().m_nKind != 1)
            records.push_back(DefaultSection(1));
        m_pDoc->zsegs[j].m_Sections = records;
    }
    return std::all_of(placed.begin(), placed.end(), [](bool p) { return p; });
}

std::string CSolFile::GetSectionText(int n) const
{
    if (!m_pDoc)
        return std::string();
    const int index = m_pDoc->lines.FindNthLine("section", n + 1);
    return index < 0 ? std::string() : m_pDoc->lines[index].FormatParams();
}

void CSolFile::ReadSolutionMethod()
{
    if (!m_pDoc)
        return;
    std::string method = "no";
    for (const CKeywordLine& line : m_pDoc->lines.m_lines)
        if (line.m_strKeyword == "3d_solution_method")
            method = line.GetParam("3d_flow");
    m_pDoc->settings.isolatedMethod = method;
}

void CSolFile::SnapSegmentColumns()
{
    for (int i = 0; i < ZSegmentsInUse(); ++i) {
        CZSegment& segment = m_pDoc->zsegs[static_cast<std::size_t>(i)];
        const CZSegmentParams& params = segment.m_Params;
        const int count = std::clamp(params.m_nTaperPointCount, 0, CZSegmentParams::kMaxTaperPoints);
        float bottoms[CZSegmentParams::kMaxTaperPoints] = {};
        float tops[CZSegmentParams::kMaxTaperPoints] = {};
        for (int p = 0; p < count; ++p) {
            bottoms[p] = params.m_fTaperPoints[p][0];
            tops[p] = params.m_fTaperPoints[p][1];
        }
        segment.MarkTaperColumns(count, bottoms, tops);
    }
}
