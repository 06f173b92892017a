#include "model/ColumnRec.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const CLayerRec& DefaultLayer()
{
    static const CLayerRec layer;
    return layer;
}

bool IsVoidExactly(const CLayerRec& layer) { return layer.m_Material.m_Bulk.m_strName == "void"; }

// Swaps a reversed range and clamps both ends to [0, width].
void OrderRange(CContactRange& r, float width)
{
    if (r.m_fFrom > r.m_fTo)
        std::swap(r.m_fFrom, r.m_fTo);
    r.m_fFrom = std::min(std::max(r.m_fFrom, 0.0f), width);
    r.m_fTo = std::min(std::max(r.m_fTo, 0.0f), width);
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
    "This column already holds 500 layers, the most a column can hold.\nNo layer can be added to it.";

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
    return m_Layers[row];
}

const CLayerRec& CColumnRec::GetLayer(int row) const
{
    return HasRow(row) ? m_Layers[row] : DefaultLayer();
}

bool CColumnRec::InsertLayer(int row, const CLayerRec& layer)
{
    if (row < 0 || row > GetLayersInUse() || GetLayersInUse() >= kMaxLayers)
        return false;
    m_Layers.insert(m_Layers.begin() + row, layer);
    if (GetLayersInUse() > m_nLayerSlots)
        m_nLayerSlots = kMaxLayers;
    return true;
}

bool CColumnRec::RemoveLayer(int row)
{
    if (!HasRow(row))
        return false;
    m_Layers.erase(m_Layers.begin() + row);
    return true;
}

void CColumnRec::LayoutLayers(const CColumnRec* previous, bool clamp, float minHeight)
{
    CPoint3f origin;
    for (int i = 0; i < GetLayersInUse(); ++i) {
        CLayerRec& layer = m_Layers[i];
        layer.m_fZFrom = static_cast<float>(m_Params.m_dZFrom);
        layer.m_fZTo = static_cast<float>(m_Params.m_dZTo);
        if (i > 0) {
            layer.m_fLowerWidth = m_Layers[i - 1].m_fUpperWidth;
            origin = m_Layers[i - 1].m_A;
        }
        // Rows line up across columns: the left neighbour's row decides height and top-edge shift.
        float shift = 0.0f;
        if (previous && previous->GetLayersInUse() > i) {
            const CLayerRec& left = previous->m_Layers[i];
            layer.m_fHeight = left.m_fHeight;
            origin = left.m_B;
            shift = left.m_D.x - left.m_B.x;
        }
        layer.SetExtent(CPoint3f(origin.x, origin.y, 0.0f), shift, clamp, minHeight);
    }
    OrderContactRanges();
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
