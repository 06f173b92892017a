// The three material pastes: the clipboard layer's material (VCSEL block, macros with grading,
// doping, colour, pattern, material tag, VCSEL flag) onto layers of the current z-segment, whose
// size, mesh, labels and the rest stay. The colour usage keeps counting the pairs the targets had:
// the pastes neither re-pick colours nor recount.

#include "document/TessaronDoc.h"

void CTessaronDoc::PasteMaterialInto(const std::function<bool(const CZSegment&, int column, int row)>& pick)
{
    int c = -1;
    int r = -1;
    CLayerRec material;
    CZSegment* segment = GetLayerPasteTarget(c, r, material);
    if (!segment)
        return;
    CheckPoint();
    segment->Column(c).m_nSelectedLayer = r;
    for (int k = 0; k < segment->GetColumnCount(); ++k) {
        CColumnRec& column = segment->Column(k);
        for (int j = 0; j < column.GetLayersInUse(); ++j) {
            if (pick(*segment, k, j))
                column.Layer(j).PasteMaterial(material);
        }
    }
    TidyCurrentZsegment();
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::OnLayerPasteMaterialOnly()
{
    // Whatever the selected layer holds: an empty layer takes the material too.
    PasteMaterialInto([](const CZSegment& segment, int column, int row) {
        return column == segment.m_nSelectedColumn && row == segment.m_nSelectedRow;
    });
}

void CTessaronDoc::OnLayerPasteTotalLayerMaterial()
{
    PasteMaterialInto([](const CZSegment& segment, int column, int row) {
        return row == segment.m_nSelectedRow && !segment.GetColumn(column).GetLayer(row).IsEmpty();
    });
}

void CTessaronDoc::OnLayerPasteTotalColumnMaterial()
{
    PasteMaterialInto([](const CZSegment& segment, int column, int row) {
        return column == segment.m_nSelectedColumn && !segment.GetColumn(column).GetLayer(row).IsEmpty();
    });
}
