#include "model/ZSegment.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <stdexcept>

#include "platform/Archive.h"
#include "platform/NumberText.h"

namespace {

const CColumnRec& DefaultColumn()
{
    static const CColumnRec column;
    return column;
}

// Two taper vertices within the tolerance a column edge is matched with.
bool IsSameTaperVertex(float bottomA, float topA, float bottomB, float topB)
{
    return std::fabs(bottomA - bottomB) < 0.0001f && std::fabs(topA - topB) < 0.0001f;
}

CSectionRecord SectionOfKind(int kind)
{
    CSectionRecord record;
    record.m_nKind = kind;
    return record;
}

}  // namespace

const char CZSegment::kFullDeviceMessage[] =
    "This device already holds 40 z-segments,\nno more z-segment can be added!";

CZSegment::CZSegment()
{
    m_ColumnClipboard.Reset();
}

void CZSegment::Clear()
{
    m_Columns.clear();
    m_Columns.shrink_to_fit();
    m_ColumnClipboard.SetLayerCount(0);
    m_LayerClipboard.clear();
    m_nSelectionKind = 0;
    m_nSelectedColumn = -1;
    m_nSelectedRow = -1;
    m_nSpare = 0;
    m_strLayerFile.clear();
    ClearKeywordLists();
    m_Params.Reset();
    m_OffEdgeTaperPoints.clear();
    m_MeshTriangles.clear();
    m_SideContacts.clear();
    m_Sections.clear();
    m_Sections.push_back(SectionOfKind(0));
    m_Sections.push_back(SectionOfKind(1));
}

// --- Columns ---

void CZSegment::SetColumnCount(int n)
{
    m_Columns.resize(static_cast<std::size_t>(std::max(n, 0)));
}

CColumnRec& CZSegment::Column(int c)
{
    if (c < 0 || c >= GetColumnCount())
        throw std::out_of_range("column not in use");
    return m_Columns.Mutable(static_cast<std::size_t>(c));
}

const CColumnRec& CZSegment::GetColumn(int c) const
{
    return (c >= 0 && c < GetColumnCount()) ? m_Columns[static_cast<std::size_t>(c)] : DefaultColumn();
}

bool CZSegment::InsertColumn(int c, const CColumnRec& column)
{
    if (c < 0 || c > GetColumnCount())
        return false;
    m_Columns.insert(static_cast<std::size_t>(c), column);
    return true;
}

bool CZSegment::RemoveColumn(int c)
{
    if (c < 0 || c >= GetColumnCount())
        return false;
    m_Columns.erase(static_cast<std::size_t>(c));
    return true;
}

void CZSegment::ReserveColumnSlots(int columns)
{
    while (m_nColumnSlots < columns)
        m_nColumnSlots += kColumnSlotStep;
}

// --- Clipboards ---

void CZSegment::CopySelectedColumn()
{
    // Copying a column empties the layer clipboard: only one kind of clipboard is filled at a time.
    m_ColumnClipboard.SetLayerCount(0);
    m_ColumnClipboard.m_nSelectedLayer = -1;
    m_ColumnClipboard.m_nTaperLine = 0;
    m_LayerClipboard.clear();
    if (m_nSelectedColumn < 0 || m_nSelectedColumn >= GetColumnCount())
        return;
    m_ColumnClipboard = m_Columns[m_nSelectedColumn];
    m_ColumnClipboard.SetLayerCount(CColumnRec::kMaxLayers);
    for (int i = 0; i < m_ColumnClipboard.GetLayersInUse(); ++i)
        m_ColumnClipboard.Layer(i).m_nSelected = 0;
}

void CZSegment::CopySelectedLayer()
{
    m_ColumnClipboard.SetLayerCount(0);
    m_LayerClipboard.assign(1, CLayerRec());
    if (HasLayer(m_nSelectedColumn, m_nSelectedRow))
        m_LayerClipboard[0] = m_Columns[m_nSelectedColumn].GetLayer(m_nSelectedRow);
}

// --- Geometry ---

namespace {

// Lays the columns out one after the other, each from its left neighbour, under the parameters.
void LayOutColumns(CSharedColumns& columns, const CZSegmentParams& params, bool clamp, float minHeight)
{
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const CColumnRec* previous = c > 0 ? &columns[c - 1] : nullptr;
        // A column another copy shares is written only when the layout moves something in it:
        // an unchanged device stays shared after every update.
        if (columns.IsShared(c) && !columns[c].LayoutChanges(params, previous, clamp, minHeight))
            continue;
        CColumnRec& column = columns.Mutable(c);
        column.m_Params = params;
        column.LayoutLayers(previous, clamp, minHeight);
    }
}

}  // namespace

void CZSegment::LayoutColumns(bool clamp, float minHeight, double zShift, double zExtension)
{
    CZSegmentParams params = m_Params;
    params.m_dZFrom += zShift;
    params.m_dZTo += zShift + zExtension;
    LayOutColumns(m_Columns, params, clamp, minHeight);
}

CSharedColumns CZSegment::ColumnsLaidOutForSave() const
{
    // The copy shares every column; the layout copies only those it moves.
    CSharedColumns columns = m_Columns;
    LayOutColumns(columns, m_Params, false, 0.0f);
    return columns;
}

void CZSegment::GetBoundingRect(float rect[4]) const
{
    rect[0] = rect[1] = rect[2] = rect[3] = 0.0f;
    if (GetColumnCount() == 0 || m_Columns[0].GetLayersInUse() == 0)
        return;
    const CLayerRec& origin = m_Columns[0].GetLayer(0);
    float left = origin.m_C.x;
    float bottom = origin.m_C.y;

    const CColumnRec* tallest = &m_Columns[0];
    for (const CColumnRec& column : m_Columns)
        if (column.GetLayersInUse() > tallest->GetLayersInUse())
            tallest = &column;
    float top = tallest->GetLayers().back().m_A.y;

    // The widest edge of the last column gives the right side; widths are compared as whole
    // micrometres, so an edge wins only when it is at least one micrometre wider.
    const CColumnRec& last = m_Columns.back();
    int widest = 0;
    int chosenRow = 0;
    bool upperEdge = true;
    for (int i = 0; i < last.GetLayersInUse(); ++i) {
        const CLayerRec& layer = last.GetLayer(i);
        if (widest < layer.m_fLowerWidth) {
            widest = static_cast<int>(layer.m_fLowerWidth);
            chosenRow = i;
            upperEdge = false;
        }
        if (widest < layer.m_fUpperWidth) {
            widest = static_cast<int>(layer.m_fUpperWidth);
            chosenRow = i;
            upperEdge = true;
        }
    }
    const CLayerRec& chosen = last.GetLayer(chosenRow);
    float right = upperEdge ? chosen.m_D.x : chosen.m_B.x;

    rect[0] = top;
    rect[1] = left;
    rect[2] = right;
    rect[3] = bottom;
}

bool CZSegment::HasLayer(int column, int row) const
{
    return column >= 0 && column < GetColumnCount() && m_Columns[column].HasRow(row);
}

void CZSegment::PlaceAfterLayerRemoval(int sourceColumn, int sourceRow, int& column, int& row) const
{
    if (!HasLayer(sourceColumn, sourceRow))
        return;
    if (column == sourceColumn && row > sourceRow)
        --row;
    const bool columnGoes = m_Columns[sourceColumn].GetLayersInUse() == 1;
    if (columnGoes && column > sourceColumn)
        --column;
}

// --- Taper ---

void CZSegment::MarkTaperColumns(int count, const float* bottomXs, const float* topXs)
{
    count = std::clamp(count, 0, CZSegmentParams::kMaxTaperPoints);
    std::vector<bool> onEdge(static_cast<std::size_t>(count), false);
    if (GetColumnCount() > 0 && m_Columns[0].GetLayersInUse() > 0) {
        float bottomX = m_Columns[0].GetLayers().front().m_C.x;
        float topX = m_Columns[0].GetLayers().back().m_A.x;
        for (std::size_t c = 0; c < m_Columns.size(); ++c) {
            m_Columns.Mutable(c).MatchTaperVertex(bottomX, topX, count, bottomXs, topXs);
            if (m_Columns[c].GetLayersInUse() == 0)
                continue;
            for (int k = 0; k < count; ++k)
                if (IsSameTaperVertex(bottomX, topX, bottomXs[k], topXs[k]))
                    onEdge[static_cast<std::size_t>(k)] = true;
        }
    }
    m_OffEdgeTaperPoints.clear();
    for (int k = 0; k < count; ++k)
        if (!onEdge[static_cast<std::size_t>(k)])
            m_OffEdgeTaperPoints.emplace_back(bottomXs[k], topXs[k]);
}

namespace {

// The right edge of a flagged column with layers: bottom point p and top point q, at the column's
// back or front face.
bool TaperEdgeOf(const CColumnRec& col, CPoint3f& p, CPoint3f& q, bool backFace)
{
    if (col.m_nTaperLine == 0 || col.GetLayersInUse() == 0)
        return false;
    const CLayerRec& bottom = col.GetLayers().front();
    const CLayerRec& top = col.GetLayers().back();
    float z = backFace ? bottom.m_fZTo : bottom.m_fZFrom;
    p = CPoint3f(bottom.m_B.x, bottom.m_B.y, z);
    q = CPoint3f(top.m_D.x, top.m_D.y, z);
    return true;
}

void CollectTaperEdgesOf(const CSharedColumns& columns, std::vector<CPoint3f>& points)
{
    points.clear();
    for (const CColumnRec& column : columns) {
        CPoint3f p, q;
        if (TaperEdgeOf(column, p, q, true)) {
            points.push_back(p);
            points.push_back(q);
        }
    }
}

}  // namespace

bool CZSegment::GetTaperEdge(int column, CPoint3f& p, CPoint3f& q, bool backFace) const
{
    if (column < 0 || column >= GetColumnCount())
        return false;
    return TaperEdgeOf(m_Columns[column], p, q, backFace);
}

void CZSegment::CollectTaperEdges(std::vector<CPoint3f>& points) const { CollectTaperEdgesOf(m_Columns, points); }

void CZSegment::BuildTaperPoints()
{
    std::vector<CPoint3f> points;
    CollectTaperEdgesOf(ColumnsLaidOutForSave(), points);
    int pairs = std::min(static_cast<int>(points.size() / 2), CZSegmentParams::kMaxTaperPoints);
    for (int k = 0; k < pairs; ++k) {
        m_Params.m_fTaperPoints[k][0] = points[2 * k].x;
        m_Params.m_fTaperPoints[k][1] = points[2 * k + 1].x;
    }
    const int edges = pairs;
    for (const auto& [bottom, top] : m_OffEdgeTaperPoints) {
        if (pairs == CZSegmentParams::kMaxTaperPoints)
            break;
        // An edit can bring a flagged edge onto the vertex: it is written once.
        bool written = false;
        for (int k = 0; k < edges && !written; ++k)
            written = IsSameTaperVertex(m_Params.m_fTaperPoints[k][0], m_Params.m_fTaperPoints[k][1], bottom, top);
        if (written)
            continue;
        m_Params.m_fTaperPoints[pairs][0] = bottom;
        m_Params.m_fTaperPoints[pairs][1] = top;
        ++pairs;
    }
    m_Params.m_nTaperPointCount = pairs;
}

// --- Sections ---

void CZSegment::SetSectionRecord(CSectionRecord record)
{
    if (!m_Sections.empty())
        return;
    record.m_fRatio = 1.0f;
    m_Sections.push_back(record);
}

void CZSegment::BuildSectionStatements(float taperLength)
{
    auto hasKind = [this](int kind) {
        return std::any_of(m_Sections.begin(), m_Sections.end(),
                           [kind](const CSectionRecord& r) { return r.m_nKind == kind; });
    };
    if (m_Sections.empty()) {
        m_Sections.push_back(SectionOfKind(0));
        m_Sections.push_back(SectionOfKind(1));
    } else {
        if (!hasKind(0))
            m_Sections.insert(m_Sections.begin() + 1, SectionOfKind(0));
        if (!hasKind(1))
            m_Sections.push_back(SectionOfKind(1));
    }
    // Ratios are relative to the z-segment (kind 0) or to the gap after it; lengths are in metres.
    double length = m_Params.m_dZTo - m_Params.m_dZFrom;
    for (CSectionRecord& record : m_Sections) {
        if (record.GetText().empty())
            continue;
        CKeywordLine line;
        line.Parse(record.GetText());
        double span = record.m_nKind == 0 ? length : static_cast<double>(taperLength);
        line.SetParam("length", StrFormat("%e", record.m_fRatio * span * 1e-6), true);
        record.SetText(line.FormatParams());
    }
}

// --- Statement groups ---

CKeywordLineList* CZSegment::GetGroup(int group)
{
    switch (group) {
    case GROUP_GAIN: return &m_GainLines;
    case GROUP_DOPING: return &m_DopingLines;
    case GROUP_MATER: return &m_MaterLines;
    default: return nullptr;
    }
}

const CKeywordLineList* CZSegment::GetGroup(int group) const
{
    return const_cast<CZSegment*>(this)->GetGroup(group);
}

bool CZSegment::LoadStatementGroup(int group, const std::string& path, CLoadContext& context)
{
    CKeywordLineList* lines = GetGroup(group);
    if (!lines)
        return false;
    lines->RemoveAll();
    CArchive archive;
    if (!archive.OpenLoad(path))
        return false;
    const bool read = lines->Serialize(archive, context);
    archive.Close();
    return read;
}

bool CZSegment::WriteStatementGroup(int group, const std::string& path, std::string* reason)
{
    const CKeywordLineList* lines = GetGroup(group);
    if (!lines || lines->IsEmpty())
        return true;
    CArchive archive;
    // The file is put in place only when it was written whole.
    if (archive.OpenStore(path) && lines->Serialize(archive) && archive.Close())
        return true;
    if (reason)
        *reason = archive.GetErrorText();
    return false;
}

void CZSegment::ClearKeywordLists()
{
    m_MaterialLines.RemoveAll();
    m_GainLines.RemoveAll();
    m_DopingLines.RemoveAll();
    m_MaterLines.RemoveAll();
}

// --- Contact ranges ---

int CZSegment::GetTopContactCount() const
{
    int sum = 0;
    for (const CColumnRec& column : m_Columns)
        sum += column.GetTopContactCount();
    return sum;
}

int CZSegment::GetBottomContactCount() const
{
    int sum = 0;
    for (const CColumnRec& column : m_Columns)
        sum += column.GetBottomContactCount();
    return sum;
}

int CZSegment::LocateRange(int n, bool top, int& local) const
{
    if (n < 0)
        return -1;
    for (int c = 0; c < GetColumnCount(); ++c) {
        int count = top ? m_Columns[c].GetTopContactCount() : m_Columns[c].GetBottomContactCount();
        if (n < count) {
            local = n;
            return c;
        }
        n -= count;
    }
    return -1;
}

bool CZSegment::GetTopContactBar(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
{
    int local = 0;
    int c = LocateRange(n, true, local);
    if (c < 0)
        return false;
    return m_Columns[c].GetTopContactBar(local, pts, thickness, backFace);
}

bool CZSegment::GetBottomContactBar(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
{
    int local = 0;
    int c = LocateRange(n, false, local);
    if (c < 0)
        return false;
    return m_Columns[c].GetBottomContactBar(local, pts, thickness, backFace);
}

bool CZSegment::GetTopContact(int n, CTopContact& out) const
{
    int local = 0;
    int c = LocateRange(n, true, local);
    if (c < 0)
        return false;
    out = m_Columns[c].m_Contacts.Top(local);
    return true;
}

bool CZSegment::GetBottomContact(int n, CBottomContact& out) const
{
    int local = 0;
    int c = LocateRange(n, false, local);
    if (c < 0)
        return false;
    out = m_Columns[c].m_Contacts.Bottom(local);
    return true;
}

// --- Side contacts ---

int CZSegment::CountSideContacts(int side) const
{
    int count = 0;
    for (const CContactList& group : m_SideContacts)
        for (const CContactRec& contact : group.m_Contacts)
            if (contact.m_nSide == side)
                ++count;
    return count;
}

const CContactRec* CZSegment::FindSideContact(int side, int n) const
{
    if (n < 0)
        return nullptr;
    for (const CContactList& group : m_SideContacts)
        for (const CContactRec& contact : group.m_Contacts)
            if (contact.m_nSide == side && n-- == 0)
                return &contact;
    return nullptr;
}

bool CZSegment::GetSideContactFace(int side, int n, CPoint3f pts[4], bool face) const
{
    const CContactRec* contact = FindSideContact(side, n);
    if (!contact || contact->m_Outline.size() != 8)
        return false;
    int first = face ? 0 : 4;
    for (int i = 0; i < 4; ++i)
        pts[i] = contact->m_Outline[first + i];
    return true;
}

int CZSegment::CountLeftContacts() const { return CountSideContacts(0); }
int CZSegment::CountRightContacts() const { return CountSideContacts(1); }

bool CZSegment::GetLeftContact(int n, CContactRec& out) const
{
    const CContactRec* contact = FindSideContact(0, n);
    if (contact)
        out = *contact;
    return contact != nullptr;
}

bool CZSegment::GetRightContact(int n, CContactRec& out) const
{
    const CContactRec* contact = FindSideContact(1, n);
    if (contact)
        out = *contact;
    return contact != nullptr;
}

bool CZSegment::GetLeftContactFace(int n, CPoint3f pts[4], const void*, bool face) const
{
    return GetSideContactFace(0, n, pts, face);
}

bool CZSegment::GetRightContactFace(int n, CPoint3f pts[4], const void*, bool face) const
{
    return GetSideContactFace(1, n, pts, face);
}

int CZSegment::MatchSideContacts(int n, int side, int row) const
{
    int count = 0;
    for (const CContactList& group : m_SideContacts) {
        if (group.m_nRow != row)
            continue;
        for (const CContactRec& contact : group.m_Contacts)
            if (contact.m_nSide == side && ++count == n + 1)
                return n;
    }
    return 0;
}
