#include "model/ColumnRec.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

const CLayerRec& DefaultLayer()
{
    static const CLayerRec layer;
    return layer;
}

// Bit for bit, so that -0 and 0 differ and a NaN equals only itself.
template <class T>
bool SameBits(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool SamePoint(const CPoint3f& a, const CPoint3f& b)
{
    return SameBits(a.x, b.x) && SameBits(a.y, b.y) && SameBits(a.z, b.z);
}

bool SameParams(const CZSegmentParams& a, const CZSegmentParams& b)
{
    return a.m_strTaperLink == b.m_strTaperLink && SameBits(a.m_dZFrom, b.m_dZFrom) && SameBits(a.m_dZTo, b.m_dZTo) &&
           a.m_nZPlanes == b.m_nZPlanes && a.m_nMethod == b.m_nMethod && a.m_nTaperPointCount == b.m_nTaperPointCount &&
           std::memcmp(a.m_fTaperPoints, b.m_fTaperPoints, sizeof a.m_fTaperPoints) == 0 && a.m_nSpare == b.m_nSpare &&
           SameBits(a.m_dAngle, b.m_dAngle);
}

bool IsVoidExactly(const CLayerRec& layer) { return layer.m_Material.m_Bulk.m_strName == "void"; }

// Swaps a reversed range and clamps both ends to [0, width].
void OrderEnds(float& from, float& to, float width)
{
    if (from > to)
        std::swap(from, to);
    from = std::min(std::max(from, 0.0f), width);
    to = std::min(std::max(to, 0.0f), width);
}

void OrderRange(CContactRange& r, float width)
{
    OrderEnds(r.m_fFrom, r.m_fTo, width);
}

bool IsOrdered(const CContactRange& r, float width)
{
    float from = r.m_fFrom;
    float to = r.m_fTo;
    OrderEnds(from, to, width);
    return SameBits(from, r.m_fFrom) && SameBits(to, r.m_fTo);
}

// The bar of a contact range on the layer edge from left to right: x is measured from the left
// corner, the bar's outer side lies rise above the edge (a negative rise puts it below), all at z.
void ContactBarOnEdge(const CPoint3f& left, const CPoint3f& right, const CContactRange& range, float rise, float z,
                      CPoint3f pts[4])
{
    pts[0] = CPoint3f(left.x + range.m_fFrom, left.y, z);
    pts[1] = CPoint3f(left.x + range.m_fTo, right.y, z);
    pts[2] = CPoint3f(left.x + range.m_fTo, right.y + rise, z);
    pts[3] = CPoint3f(left.x + range.m_fFrom, left.y + rise, z);
}

}  // namespace

const char CColumnRec::kFullColumnMessage[] =
    "This column already holds 500 layers,\nno more layer can be added to it!";

CColumnRec CColumnRec::MakeNew()
{
    CColumnRec column;
    column.SetLayerCount(kMaxLayers);
    return column;
}

void CColumnRec::Reset()
{
    m_nTaperLine = 0;
    m_Contacts.Clear();
    m_Layers.clear();
    m_Layers.shrink_to_fit();
    m_nLayerSlots = 0;
    m_nColumnIndex = -1;
    m_nSelectedLayer = -1;
    m_Labels.clear();
}

bool CColumnRec::SetLayerCount(int n)
{
    if (n < 0 || n > kMaxLayers)
        return false;
    m_nLayerSlots = n;
    if (GetLayersInUse() > n)
        m_Layers.resize(n);
    return true;
}

bool CColumnRec::SetLayersInUse(int n)
{
    if (n < 0 || n > kMaxLayers)
        return false;
    m_Layers.resize(n);
    if (n > m_nLayerSlots)
        m_nLayerSlots = kMaxLayers;
    return true;
}

CLayerRec& CColumnRec::Layer(int row)
{
    if (!HasRow(row))
        throw std::out_of_range("layer row not in use");
    return m_Layers.Mutable(static_cast<std::size_t>(row));
}

const CLayerRec& CColumnRec::GetLayer(int row) const
{
    return HasRow(row) ? m_Layers[row] : DefaultLayer();
}

bool CColumnRec::InsertLayer(int row, const CLayerRec& layer)
{
    if (row < 0 || row > GetLayersInUse() || GetLayersInUse() >= kMaxLayers)
        return false;
    m_Layers.insert(static_cast<std::size_t>(row), layer);
    if (GetLayersInUse() > m_nLayerSlots)
        m_nLayerSlots = kMaxLayers;
    return true;
}

bool CColumnRec::RemoveLayer(int row)
{
    if (!HasRow(row))
        return false;
    m_Layers.erase(static_cast<std::size_t>(row));
    return true;
}

void CColumnRec::LayoutLayers(const CColumnRec* previous, bool clamp, float minHeight)
{
    CPoint3f origin;
    for (int i = 0; i < GetLayersInUse(); ++i) {
        const std::size_t row = static_cast<std::size_t>(i);
        float lowerWidth = m_Layers[row].m_fLowerWidth;
        float height = m_Layers[row].m_fHeight;
        if (i > 0) {
            lowerWidth = m_Layers[row - 1].m_fUpperWidth;
            origin = m_Layers[row - 1].m_A;
        }
        // Rows line up across columns: the left neighbour's row decides height and top-edge shift.
        float shift = 0.0f;
        if (previous && previous->GetLayersInUse() > i) {
            const CLayerRec& left = previous->m_Layers[row];
            height = left.m_fHeight;
            origin = left.m_B;
            shift = left.m_D.x - left.m_B.x;
        }
        // A layer the layout leaves as it is stays shared with the undo snapshots' column.
        if (!LayerMoves(m_Layers[row], lowerWidth, height, CPoint3f(origin.x, origin.y, 0.0f), shift, clamp,
                        minHeight))
            continue;
        CLayerRec& layer = m_Layers.Mutable(row);
        layer.m_fZFrom = static_cast<float>(m_Params.m_dZFrom);
        layer.m_fZTo = static_cast<float>(m_Params.m_dZTo);
        layer.m_fLowerWidth = lowerWidth;
        layer.m_fHeight = height;
        layer.SetExtent(CPoint3f(origin.x, origin.y, 0.0f), shift, clamp, minHeight);
    }
    OrderContactRanges();
}

bool CColumnRec::LayerMoves(const CLayerRec& layer, float lowerWidth, float height, CPoint3f origin, float shift,
                            bool clamp, float minHeight) const
{
    CPoint3f a = layer.m_A, b = layer.m_B, c = layer.m_C, d = layer.m_D;
    CLayerRec::PlaceOutline(origin, shift, clamp, minHeight, lowerWidth, layer.m_fUpperWidth, height, a, b, c, d);
    return !SameBits(layer.m_fZFrom, static_cast<float>(m_Params.m_dZFrom)) ||
           !SameBits(layer.m_fZTo, static_cast<float>(m_Params.m_dZTo)) || !SameBits(layer.m_fLowerWidth, lowerWidth) ||
           !SameBits(layer.m_fHeight, height) || !SamePoint(layer.m_A, a) || !SamePoint(layer.m_B, b) ||
           !SamePoint(layer.m_C, c) || !SamePoint(layer.m_D, d) || layer.m_nSelected != 0;
}

bool CColumnRec::LayoutChanges(const CZSegmentParams& params, const CColumnRec* previous, bool clamp,
                               float minHeight) const
{
    if (!SameParams(m_Params, params))
        return true;
    // Each layer as LayoutLayers places it, from the place it gives the layer below.
    CPoint3f origin;
    CPoint3f placedA;
    for (int i = 0; i < GetLayersInUse(); ++i) {
        const CLayerRec& layer = m_Layers[static_cast<std::size_t>(i)];
        float lowerWidth = layer.m_fLowerWidth;
        float height = layer.m_fHeight;
        if (i > 0) {
            lowerWidth = m_Layers[static_cast<std::size_t>(i) - 1].m_fUpperWidth;
            origin = placedA;
        }
        float shift = 0.0f;
        if (previous && previous->GetLayersInUse() > i) {
            const CLayerRec& left = previous->m_Layers[static_cast<std::size_t>(i)];
            height = left.m_fHeight;
            origin = left.m_B;
            shift = left.m_D.x - left.m_B.x;
        }
        CPoint3f a = layer.m_A, b = layer.m_B, c = layer.m_C, d = layer.m_D;
        CLayerRec::PlaceOutline(CPoint3f(origin.x, origin.y, 0.0f), shift, clamp, minHeight, lowerWidth,
                                layer.m_fUpperWidth, height, a, b, c, d);
        if (!SameBits(layer.m_fZFrom, static_cast<float>(params.m_dZFrom)) ||
            !SameBits(layer.m_fZTo, static_cast<float>(params.m_dZTo)) || !SameBits(layer.m_fLowerWidth, lowerWidth) ||
            !SameBits(layer.m_fHeight, height) || !SamePoint(layer.m_A, a) || !SamePoint(layer.m_B, b) ||
            !SamePoint(layer.m_C, c) || !SamePoint(layer.m_D, d) || layer.m_nSelected != 0)
            return true;
        placedA = a;
    }
    // The ranges are ordered against widths the layout does not change.
    const int top = FindTopNonVoidRow();
    if (top >= 0)
        for (int i = 0; i < m_Contacts.GetTopCount(); ++i)
            if (!IsOrdered(m_Contacts.Top(i), m_Layers[static_cast<std::size_t>(top)].m_fUpperWidth))
                return true;
    if (!m_Layers.empty())
        for (int i = 0; i < m_Contacts.GetBottomCount(); ++i)
            if (!IsOrdered(m_Contacts.Bottom(i), m_Layers[0].m_fLowerWidth))
                return true;
    return false;
}

int CColumnRec::FindTopNonVoidRow() const
{
    for (int i = GetLayersInUse() - 1; i >= 0; --i)
        if (!IsVoidExactly(m_Layers[i]))
            return i;
    return -1;
}

int CColumnRec::FindBottomNonVoidRow() const
{
    for (int i = 0; i < GetLayersInUse(); ++i)
        if (!IsVoidExactly(m_Layers[i]))
            return i;
    return -1;
}

void CColumnRec::OrderContactRanges()
{
    // Without a non-void layer there is no top edge to clamp against: the top ranges stay as they
    // are. The bottom ranges always have slot 0.
    int top = FindTopNonVoidRow();
    if (top >= 0) {
        float topWidth = m_Layers[top].m_fUpperWidth;
        for (int i = 0; i < m_Contacts.GetTopCount(); ++i)
            OrderRange(m_Contacts.Top(i), topWidth);
    }
    if (m_Layers.empty())
        return;
    float bottomWidth = m_Layers[0].m_fLowerWidth;
    for (int i = 0; i < m_Contacts.GetBottomCount(); ++i)
        OrderRange(m_Contacts.Bottom(i), bottomWidth);
}

int CColumnRec::GetTopContactCount() const
{
    return FindTopNonVoidRow() < 0 ? 0 : m_Contacts.GetTopCount();
}

int CColumnRec::GetBottomContactCount() const
{
    return FindTopNonVoidRow() < 0 ? 0 : m_Contacts.GetBottomCount();
}

bool CColumnRec::GetTopContactBar(int r, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
{
    int row = FindTopNonVoidRow();
    if (row < 0)
        return true;
    const CLayerRec& layer = m_Layers[row];
    float z = backFace ? layer.m_fZTo : layer.m_fZFrom;
    ContactBarOnEdge(layer.m_A, layer.m_D, m_Contacts.Top(r), thickness.GetContactBarThickness(), z, pts);
    return true;
}

bool CColumnRec::GetBottomContactBar(int r, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
{
    int row = FindBottomNonVoidRow();
    if (row < 0)
        return true;
    const CLayerRec& layer = m_Layers[row];
    float z = backFace ? layer.m_fZTo : layer.m_fZFrom;
    ContactBarOnEdge(layer.m_C, layer.m_B, m_Contacts.Bottom(r), -thickness.GetContactBarThickness(), z, pts);
    return true;
}

void CColumnRec::MatchTaperVertex(float& bottomX, float& topX, int count, const float* bottomXs, const float* topXs)
{
    m_nTaperLine = 0;
    if (GetLayersInUse() == 0)
        return;
    bottomX += m_Layers.front().m_fLowerWidth;
    topX += m_Layers.back().m_fUpperWidth;
    for (int k = 0; k < count; ++k) {
        if (std::fabs(bottomX - bottomXs[k]) < 0.0001f && std::fabs(topX - topXs[k]) < 0.0001f) {
            m_nTaperLine = 1;
            break;
        }
    }
}
