// Mesh counts of the document: the automatic counts filled in before a z-segment is written, the
// checks of unset counts before a save, and the floor pass.

#include "document/TessaronDoc.h"

#include "document/AutoMeshCounts.h"
#include "platform/UserPrompts.h"
#include "textfiles/LayerFileIndexReader.h"

#include <algorithm>
#include <cstdio>

namespace {

double DopingOf(const CLayerRec& layer) { return layer.m_Doping.m_fValue; }

bool SameMaterial(const CLayerRec& a, const CLayerRec& b) { return a.m_Material == b.m_Material; }

// What a line's score takes of two neighbouring layers: whether their materials differ (J) and
// the doping decades between them (D). Both are symmetric, so each pair is worked out once.
struct CNeighbourTerms {
    int changed = 0;
    double decades = 0.0;
};

CNeighbourTerms TermsBetween(const CLayerRec& a, double aLog, const CLayerRec& b, double bLog)
{
    return {SameMaterial(a, b) ? 0 : 1, DopingTermOfLogs(DopingOf(a), DopingOf(b), aLog, bLog)};
}

// The score of a line of `count` layers, 4 D + J over each layer and its neighbours, from the
// terms of its neighbouring pairs (pair k is layers k and k + 1). The first layer is always
// compared with the second, which the caller provides (a fresh layer when the line has one row
// only). The terms are added in the order a layer-by-layer walk meets them.
double LineScore(const CNeighbourTerms* pairs, int count)
{
    int changes = 0;
    double decades = 0.0;
    const auto add = [&](int k) {
        changes += pairs[k].changed;
        decades += pairs[k].decades;
    };
    for (int i = 0; i < count; ++i) {
        if (i == 0) {
            add(0);
        } else if (i < count - 1) {
            add(i - 1);
            add(i);
        } else {
            add(i - 1);
        }
    }
    return test::kDopingWeight * decades + changes;
}

}  // namespace

void CTessaronDoc::PrepareAutoMesh(int index)
{
    CZSegment& segment = m_ZSegments.at(index);
    const int columns = segment.GetColumnCount();
    const int rows = columns > 0 ? segment.GetColumn(0).GetLayersInUse() : 0;
    // A column line reaches the slot above a single row (a fresh layer).
    const int depth = std::max(rows, 2);
    const auto slot = [depth](int c, int j) { return static_cast<std::size_t>(c * depth + j); };
    std::vector<const CLayerRec*> layers(static_cast<std::size_t>(columns) * static_cast<std::size_t>(depth));
    std::vector<double> logs(layers.size());
    for (int c = 0; c < columns; ++c) {
        const CColumnRec& column = segment.GetColumn(c);
        for (int j = 0; j < depth; ++j) {
            layers[slot(c, j)] = &column.GetLayer(j);
            logs[slot(c, j)] = DopingMagnitudeLog(DopingOf(column.GetLayer(j)));
        }
    }
    const auto layerAt = [&](int c, int j) -> const CLayerRec& { return *layers[slot(c, j)]; };
    // Pair j of a column: its slots j and j + 1.
    std::vector<CNeighbourTerms> below(layers.size());
    for (int c = 0; c < columns && rows > 0; ++c) {
        for (int j = 0; j + 1 < depth; ++j)
            below[slot(c, j)] = TermsBetween(layerAt(c, j), logs[slot(c, j)], layerAt(c, j + 1), logs[slot(c, j + 1)]);
    }

    // Reference column: the most structured one, the later one among equals.
    double best = 0.0;
    m_nRefColumn = 0;
    for (int c = 0; c < columns; ++c) {
        const double score = rows > 0 ? LineScore(&below[slot(c, 0)], rows) : 0.0;
        if (c == 0 || score >= best) {
            best = score;
            m_nRefColumn = c;
        }
    }

    // Reference row: the most structured row across the columns, the later one among equals.
    // Worked out before the tags are stored: storing one may give a column a copy of its layers.
    best = 0.0;
    m_nRefLayer = 0;
    std::vector<CNeighbourTerms> beside(static_cast<std::size_t>(std::max(columns - 1, 0)));
    for (int j = 0; j < rows; ++j) {
        double score = 0.0;
        if (columns > 1) {
            for (int c = 0; c + 1 < columns; ++c)
                beside[static_cast<std::size_t>(c)] =
                    TermsBetween(layerAt(c, j), logs[slot(c, j)], layerAt(c + 1, j), logs[slot(c + 1, j)]);
            score = LineScore(beside.data(), columns);
        }
        if (j == 0 || score >= best) {
            best = score;
            m_nRefLayer = j;
        }
    }

    // Material tags: equal materials share a number, counted from 1 in column-then-row order.
    m_AutoMeshTags.assign(columns, std::vector<int>(rows, 0));
    int counter = 1;
    for (int c = 0; c < columns; ++c) {
        for (int j = 0; j < rows; ++j) {
            if (c == 0 && j == 0) {
                m_AutoMeshTags[0][0] = 1;
                continue;
            }
            // The last equal layer in column-then-row order gives its tag: walk backwards. The
            // layer below was compared for the column's score already.
            bool found = false;
            const bool compared = true;  // every layer but the first has an earlier one
            for (int c2 = c; c2 >= 0 && !found; --c2) {
                for (int j2 = j; j2 >= 0; --j2) {
                    if (c2 == c && j2 == j)
                        continue;
                    const bool same = c2 == c && j2 == j - 1 ? below[slot(c, j2)].changed == 0
                                                             : SameMaterial(layerAt(c, j), layerAt(c2, j2));
                    if (same) {
                        m_AutoMeshTags[c][j] = m_AutoMeshTags[c2][j2];
                        found = true;
                        break;
                    }
                }
            }
            if (!found && compared)
                m_AutoMeshTags[c][j] = ++counter;
        }
    }
    // Every save runs this pass: a layer whose tag is already right is only read.
    for (int c = 0; c < columns; ++c) {
        const int inUse = segment.GetColumn(c).GetLayersInUse();
        for (int j = 0; j < rows && j < inUse; ++j) {
            if (segment.GetColumn(c).GetLayer(j).m_nMaterialTag != m_AutoMeshTags[c][j])
                segment.Column(c).Layer(j).m_nMaterialTag = m_AutoMeshTags[c][j];
        }
    }
}

void CTessaronDoc::AutoMeshZsegment(int index)
{
    if (index < 0 || index >= static_cast<int>(m_ZSegments.size()))
        return;
    PrepareAutoMesh(index);
    CZSegment& segment = m_ZSegments[index];
    const int columns = segment.GetColumnCount();
    if (columns == 0)
        return;
    const int rows = segment.GetColumn(0).GetLayersInUse();
    const int refRow = m_nRefLayer;
    const int refColumn = m_nRefColumn;
    const auto tagAt = [this, rows](int c, int j) { return j < rows ? m_AutoMeshTags[c][j] : 0; };

    std::vector<CMeshRegion> columnRegions;
    for (int c = 0; c < columns; ++c) {
        const CLayerRec& layer = segment.GetColumn(c).GetLayer(refRow);
        columnRegions.push_back({DopingOf(layer), tagAt(c, refRow), (layer.m_fUpperWidth + layer.m_fLowerWidth) * 0.5});
    }
    std::vector<CMeshRegion> rowRegions;
    for (int j = 0; j < rows; ++j) {
        const CLayerRec& layer = segment.GetColumn(refColumn).GetLayer(j);
        rowRegions.push_back({DopingOf(layer), tagAt(refColumn, j), layer.m_fHeight});
    }

    test calculator;
    std::vector<CMeshRegionResult> columnResults;
    std::vector<CMeshRegionResult> rowResults;
    calculator.ComputeMeshCounts(segment.m_nTotalXMesh, columnRegions, columnResults, segment.m_nTotalYMesh,
                                 rowRegions, rowResults);

    // Every save runs this pass: a count that is set (or that the fill would give again) is only
    // read, so that the columns and layers an undo snapshot shares are copied only where a count
    // is filled in.
    for (int c = 0; c < columns; ++c) {
        const CMeshSettings filled = FilledMeshSettings(segment.GetColumn(c).m_Mesh, columnResults[c]);
        if (!SameMeshSettings(filled, segment.GetColumn(c).m_Mesh))
            segment.Column(c).m_Mesh = filled;
    }
    for (int j = 0; j < rows; ++j) {
        for (int c = 0; c < columns; ++c) {
            if (!segment.GetColumn(c).HasRow(j))
                continue;
            const CMeshSettings& stored = segment.GetColumn(c).GetLayer(j).m_Mesh;
            const CMeshSettings filled = FilledMeshSettings(stored, rowResults[j]);
            if (!SameMeshSettings(filled, stored))
                segment.Column(c).Layer(j).m_Mesh = filled;
        }
    }
}

int CTessaronDoc::ViewMessageBox(const std::string& text, const std::string& caption, unsigned type) const
{
    return UserPrompts().MessageBox(text, caption, type);
}

bool CTessaronDoc::CheckZsegmentMeshTotals() const
{
    for (int z = 0; z < GetZSegmentsInUse(); ++z) {
        const CZSegment& segment = m_ZSegments[z];
        bool unset = false;
        for (const CColumnRec& column : segment.GetColumns())
            unset = unset || column.m_Mesh.m_nMeshNum == 0;
        if (segment.GetColumnCount() > 0) {
            for (const CLayerRec& layer : segment.GetColumn(0).GetLayers())
                unset = unset || layer.m_Mesh.m_nMeshNum == 0;
        }
        if (unset && (segment.m_nTotalXMesh == 0 || segment.m_nTotalYMesh == 0)) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "You need give a nonzero value to z-segment%d \nTotal_X_Mesh and Total_Y_Mesh!", z + 1);
            ViewMessageBox(text, "Warning", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    return true;
}

void CTessaronDoc::FindMinLayerMesh(int zseg, int& row, int& smallest) const
{
    smallest = 999;
    for (const CColumnRec& column : m_ZSegments.at(zseg).GetColumns()) {
        const CSharedLayers& layers = column.GetLayers();
        for (int j = 0; j < static_cast<int>(layers.size()); ++j) {
            if (layers[j].m_Mesh.m_nMeshNum < smallest) {
                smallest = layers[j].m_Mesh.m_nMeshNum;
                row = j;
            }
        }
    }
}

void CTessaronDoc::FindMinColumnMesh(int zseg, int& column, int& smallest) const
{
    smallest = 999;
    const CZSegment& segment = m_ZSegments.at(zseg);
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        if (segment.GetColumn(c).m_Mesh.m_nMeshNum < smallest) {
            smallest = segment.GetColumn(c).m_Mesh.m_nMeshNum;
            column = c;
        }
    }
}

bool CTessaronDoc::ConfirmMeshesBeforeSave()
{
    for (int z = 0; z < GetZSegmentsInUse(); ++z) {
        char text[160];
        int where = 0;
        int smallest = 999;
        FindMinLayerMesh(z, where, smallest);
        if (smallest <= 1) {
            std::snprintf(text, sizeof text,
                          "Mesh for facet %d layer %d has not been set, Do you still wish to save?", z + 1, where + 1);
            return AfxMessageBox(text, MB_YESNO) == IDYES;
        }
        FindMinColumnMesh(z, where, smallest);
        if (smallest <= 1) {
            std::snprintf(text, sizeof text,
                          "Mesh for facet %d col %d has not been set, Do you still wish to save?", z + 1, where + 1);
            if (AfxMessageBox(text, MB_YESNO) != IDYES)
                return false;
            RaiseMinimumMeshCounts();
            return true;
        }
    }
    RaiseMinimumMeshCounts();
    return true;
}

void CTessaronDoc::RaiseMinimumMeshCounts()
{
    // Every save runs this pass: a count already at its floor is only read, so that the columns
    // and layers an undo snapshot shares are copied only where a count is raised.
    for (int z = 0; z < GetZSegmentsInUse(); ++z) {
        CZSegment& segment = m_ZSegments[z];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            const int rows = segment.GetColumn(c).GetLayersInUse();
            for (int j = 0; j < rows; ++j) {
                if (segment.GetColumn(c).GetLayer(j).m_Mesh.m_nMeshNum < 3)
                    segment.Column(c).Layer(j).m_Mesh.m_nMeshNum = 3;
            }
        }
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            if (segment.GetColumn(c).m_Mesh.m_nMeshNum < 2)
                segment.Column(c).m_Mesh.m_nMeshNum = 2;
        }
    }
}

void CTessaronDoc::ClampSideContactExtents()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    for (CContactList& group : segment->m_SideContacts) {
        const CLayerRec* carrier = nullptr;
        for (const CColumnRec& column : segment->GetColumns()) {
            if (column.HasRow(group.m_nRow) && !column.GetLayer(group.m_nRow).IsEmpty()) {
                carrier = &column.GetLayer(group.m_nRow);
                break;
            }
        }
        if (!carrier)
            continue;
        const float height = carrier->m_fHeight;
        for (CContactRec& contact : group.m_Contacts) {
            if (contact.m_nSide != 0 && contact.m_nSide != 1)
                continue;
            contact.m_fFrom = std::min(contact.m_fFrom, height);
            contact.m_fTo = std::min(contact.m_fTo, height);
        }
    }
}

namespace {

void ReloadLayerFileIndex(CZSegment& segment, int index)
{
    CLayerFileIndexReader reader(segment.m_SweepIndex);
    segment.m_SweepIndex.m_bStale = false;
    if (!reader.Load(segment.m_strLayerFile, index))
        AfxMessageBox(reader.GetLoadError(), MB_OK);
}

}  // namespace

void CTessaronDoc::RefreshLayerFileIndexes()
{
    for (int i = 0; i < GetZSegmentsInUse(); ++i)
        ReloadLayerFileIndex(m_ZSegments[i], i);
}

void CTessaronDoc::MarkLayerFileIndexesStale()
{
    for (int i = 0; i < GetZSegmentsInUse(); ++i)
        m_ZSegments[i].m_SweepIndex.m_bStale = true;
}

const CLayerFileIndex& CTessaronDoc::GetLayerFileIndex(int index)
{
    CZSegment& segment = m_ZSegments.at(static_cast<std::size_t>(index));
    if (segment.m_SweepIndex.m_bStale)
        ReloadLayerFileIndex(segment, index);
    return segment.m_SweepIndex;
}
