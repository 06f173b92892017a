// Contact consistency: all places that carry one contact number (contact layers, column contact
// ranges, side contacts) agree on its type, barrier and work function in every z-segment.

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace {

bool IsContactMacro(const std::string& name) { return name.compare(0, 7, "contact") == 0; }

double TypeCode(const std::string& type) { return type == "ohmic" ? 0.0 : 1.0; }

const char* TypeText(double code)
{
    if (std::fabs(code) < 1e-5)
        return "ohmic";
    if (std::fabs(code - 1.0) < 1e-5)
        return "schottky";
    return "ohmic";
}

template <typename Contact>
void SpreadToRange(Contact& range, int number, const char* type, const double params[4])
{
    if (range.m_nContactNum != number)
        return;
    range.m_strType = type;
    range.m_dBarrier = params[2];
    range.m_dWorkFunction = params[3];
}

}  // namespace

void CTessaronDoc::UpdateContacts()
{
    if (m_nContactUpdateMode == 0)
        UpdateContactLayers();
    else if (m_nContactUpdateMode == 1)
        UpdateRangeContacts();
    RenumberContacts();
    const CZSegment* current = GetCurrentZSegment();
    if (current && current->m_nSelectedColumn >= 0 && current->m_nSelectedRow >= 0)
        SetColumnAndRowLabels(g_nCurZSeg - 1, current->m_nSelectedColumn, current->m_nSelectedRow,
                              g_EditLayer.m_Labels, g_EditColumn.m_Labels);
}

void CTessaronDoc::UpdateContactLayers()
{
    const CZSegment* current = GetCurrentZSegment();
    if (g_nZSegCount == 0 || !current)
        return;
    // Only layers in use are looked at: a slot beyond a column's rows holds no contact.
    std::vector<std::array<double, 4>> edited;
    const int rows = GetMaxRowCount(g_nCurZSeg - 1);
    for (int j = 0; j < rows; ++j) {
        for (const CColumnRec& column : current->GetColumns()) {
            if (!column.HasRow(j))
                continue;
            const CLayerRec& layer = column.GetLayer(j);
            if (IsContactMacro(layer.m_Material.m_Bulk.m_strName) && layer.m_nSelected) {
                const double* var = layer.m_Material.m_Bulk.m_dVar;
                edited.push_back({var[0], var[1], var[2], var[3]});
            }
        }
    }
    for (const auto& params : edited) {
        for (int z = 0; z < g_nZSegCount; ++z)
            ApplyContactParameters(z, params.data());
    }
}

void CTessaronDoc::UpdateRangeContacts()
{
    const CZSegment* current = GetCurrentZSegment();
    if (g_nZSegCount == 0 || !current)
        return;
    std::vector<std::array<double, 4>> edited;
    const int c = current->m_nSelectedColumn;
    if (c >= 0 && c < current->GetColumnCount()) {
        const CColumnContacts& contacts = current->GetColumn(c).m_Contacts;
        for (const CBottomContact& range : contacts.GetBottoms())
            edited.push_back({double(range.m_nContactNum), TypeCode(range.m_strType), range.m_dBarrier,
                              range.m_dWorkFunction});
        for (const CTopContact& range : contacts.GetTops())
            edited.push_back({double(range.m_nContactNum), TypeCode(range.m_strType), range.m_dBarrier,
                              range.m_dWorkFunction});
    }
    for (const CContactList& group : current->m_SideContacts) {
        if (group.m_nRow != current->m_nSelectedRow)
            continue;
        for (const CContactRec& contact : group.m_Contacts)
            edited.push_back({double(contact.m_nContactNum), TypeCode(contact.m_strType), contact.m_dBarrier,
                              contact.m_dWorkFunction});
    }
    // Applied one after another: of two sets with one number, the last wins.
    for (const auto& params : edited) {
        for (int z = 0; z < g_nZSegCount; ++z)
            ApplyContactParameters(z, params.data());
    }
}

void CTessaronDoc::ApplyContactParameters(int zseg, const double params[4])
{
    if (!IsZSegmentInUse(zseg))
        return;
    const int number = TruncateToInt(params[0]);
    const char* type = TypeText(params[1]);
    CZSegment& segment = m_ZSegments[zseg];

    for (int k = 0; k < segment.GetColumnCount(); ++k) {
        CColumnContacts& contacts = segment.Column(k).m_Contacts;
        for (int i = 0; i < contacts.GetBottomCount(); ++i)
            SpreadToRange(contacts.Bottom(i), number, type, params);
        for (int i = 0; i < contacts.GetTopCount(); ++i)
            SpreadToRange(contacts.Top(i), number, type, params);
    }

    const int rows = GetMaxRowCount(zseg);
    for (int j = 0; j < rows; ++j) {
        for (int k = 0; k < segment.GetColumnCount(); ++k) {
            CColumnRec& column = segment.Column(k);
            if (!column.HasRow(j))
                continue;
            CLayerRec& layer = column.Layer(j);
            if (!IsContactMacro(layer.m_Material.m_Bulk.m_strName) ||
                TruncateToInt(layer.m_Material.m_Bulk.m_dVar[0]) != number)
                continue;
            if (!layer.m_nSelected) {
                CLayerRec changed = layer;
                std::copy(params, params + 4, changed.m_Material.m_Bulk.m_dVar);
                if (layer.m_nColour >= 0 && layer.m_nColour < 23 && layer.m_nPattern >= 0 &&
                    layer.m_nPattern < 23)
                    --g_ColourUsage[layer.m_nColour][layer.m_nPattern];
                PickLayerColour(changed.m_Material, changed.m_Doping, layer.m_nColour, layer.m_nPattern, k, j,
                                zseg);
            }
            std::copy(params, params + 4, layer.m_Material.m_Bulk.m_dVar);
        }
    }

    for (CContactList& group : segment.m_SideContacts) {
        for (CContactRec& contact : group.m_Contacts)
            SpreadToRange(contact, number, type, params);
    }
}
