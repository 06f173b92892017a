#include "model/ZSegment.h"

#include "support/RecordBuilders.h"

#include <gtest/gtest.h>

namespace {

CContactRec Side(int side, int number, size_t outlinePoints = 0)
{
    CContactRec contact;
    contact.m_nSide = side;
    contact.m_nContactNum = number;
    for (size_t i = 0; i < outlinePoints; ++i)
        contact.m_Outline.push_back(CPoint3f(float(i), float(number), 0.0f));
    return contact;
}

CContactList Group(int row, std::vector<CContactRec> contacts)
{
    CContactList group;
    group.m_nRow = row;
    group.m_Contacts = std::move(contacts);
    return group;
}

struct FixedThickness : IContactBarThickness {
    float GetContactBarThickness() const override { return 0.1f; }
};

}  // namespace

TEST(ZSegment, ConstructionAndClear)
{
    CZSegment fresh;
    EXPECT_TRUE(fresh.m_Sections.empty());
    EXPECT_EQ(fresh.m_Params.m_strTaperLink, "yes");
    EXPECT_EQ(fresh.m_nSelectedColumn, -1);
    EXPECT_EQ(fresh.m_ColumnClipboard.GetLayersInUse(), 0);
    EXPECT_EQ(fresh.m_ColumnClipboard.m_nColumnIndex, -1);

    CZSegment seg;
    seg.Clear();
    ASSERT_EQ(seg.m_Sections.size(), 2u);
    EXPECT_EQ(seg.m_Sections[0].m_nKind, 0);
    EXPECT_EQ(seg.m_Sections[1].m_nKind, 1);
    EXPECT_FLOAT_EQ(seg.m_Sections[1].m_fRatio, 1.0f);
    EXPECT_EQ(seg.m_Sections[0].GetText(), "section  length=5.e-5  sec_num=1  mesh_points=7");
    EXPECT_EQ(seg.m_Params.m_strTaperLink, "yes");

    // Clear empties the device data but keeps comments, mesh totals, header texts and column slots.
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1)}));
    seg.m_nSelectionKind = 1;
    seg.m_nSelectedColumn = 0;
    seg.m_nSelectedRow = 0;
    seg.m_strLayerFile = "dev.layer";
    seg.m_Params.m_dZTo = 5.0;
    seg.m_Params.m_strTaperLink = "no";
    seg.m_SideContacts.push_back(Group(0, {Side(0, 1)}));
    seg.m_MeshTriangles.resize(3);
    seg.m_LayerClipboard.resize(1);
    seg.m_strComments[COMMENT_BEFORE_END_LAYER] = "$ end";
    seg.m_nTotalXMesh = 40;
    seg.m_strHeaderComment[0] = "laser";
    seg.m_nColumnSlots = 20;
    seg.m_SweepIndex.m_strPath = "dev.layer";
    seg.Clear();
    EXPECT_EQ(seg.GetColumnCount(), 0);
    EXPECT_EQ(seg.m_nSelectionKind, 0);
    EXPECT_EQ(seg.m_nSelectedColumn, -1);
    EXPECT_EQ(seg.m_nSelectedRow, -1);
    EXPECT_TRUE(seg.m_strLayerFile.empty());
    EXPECT_DOUBLE_EQ(seg.m_Params.m_dZTo, 0.0);
    EXPECT_EQ(seg.m_Params.m_strTaperLink, "yes");
    EXPECT_TRUE(seg.m_SideContacts.empty());
    EXPECT_TRUE(seg.m_MeshTriangles.empty());
    EXPECT_TRUE(seg.m_LayerClipboard.empty());
    EXPECT_EQ(seg.m_Sections.size(), 2u);
    EXPECT_EQ(seg.m_strComments[COMMENT_BEFORE_END_LAYER], "$ end");
    EXPECT_EQ(seg.m_nTotalXMesh, 40);
    EXPECT_EQ(seg.m_strHeaderComment[0], "laser");
    EXPECT_EQ(seg.m_nColumnSlots, 20);
    EXPECT_EQ(seg.m_SweepIndex.m_strPath, "dev.layer");
}

TEST(ZSegment, ColumnAccessBeyondTheColumnsInUse)
{
    CZSegment seg;
    seg.SetColumnCount(2);
    seg.Column(1).AppendLayer(MakeLayer("gaas", 1, 1, 1));
    EXPECT_THROW(seg.Column(2), std::out_of_range);
    EXPECT_EQ(seg.GetColumn(5).GetLayersInUse(), 0);
    seg.SetColumnCount(1);
    seg.SetColumnCount(2);
    EXPECT_EQ(seg.Column(1).GetLayersInUse(), 0);  // a column taken back into use is fresh
    EXPECT_TRUE(seg.InsertColumn(0, MakeColumn({MakeLayer("inp", 1, 1, 1)})));
    EXPECT_FALSE(seg.InsertColumn(4, CColumnRec()));
    EXPECT_EQ(seg.Column(0).GetLayer(0).m_Material.m_Bulk.m_strName, "inp");
    EXPECT_TRUE(seg.RemoveColumn(0));
    EXPECT_FALSE(seg.RemoveColumn(2));
    EXPECT_EQ(seg.GetColumnCount(), 2);
}

TEST(ZSegment, HasLayer)
{
    CZSegment seg;
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1), MakeLayer("void", 1, 1, 1)}));
    const struct {
        int column, row;
        bool has;
    } cases[] = {{0, 0, true}, {0, 1, true}, {0, 2, false}, {-1, 0, false}, {0, -1, false}, {1, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(seg.HasLayer(c.column, c.row), c.has) << c.column << "," << c.row;
}

TEST(ZSegment, ColumnCopyFillsTheColumnClipboard)
{
    CZSegment seg;
    CColumnRec column;
    for (int i = 0; i < 12; ++i)
        column.AppendLayer(MakeLayer("gaas", 0.1f * (i + 1), 2, 2));
    column.Layer(4).m_nSelected = 1;
    column.m_nSelectedLayer = 4;
    column.m_Contacts.AddTop(CTopContact());
    seg.AppendColumn(column);
    seg.AppendColumn(MakeColumn({MakeLayer("inp", 1, 1, 1)}));
    seg.m_LayerClipboard.resize(1);
    seg.m_nSelectedColumn = 0;

    seg.CopySelectedColumn();
    const CColumnRec& clip = seg.m_ColumnClipboard;
    EXPECT_EQ(clip.GetLayerSlots(), CColumnRec::kMaxLayers);
    ASSERT_EQ(clip.GetLayersInUse(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(clip.GetLayer(i).m_fHeight, 0.1f * (i + 1)) << i;
        EXPECT_EQ(clip.GetLayer(i).m_nSelected, 0) << i;
    }
    EXPECT_EQ(clip.m_nSelectedLayer, 4);
    EXPECT_EQ(clip.m_Contacts.GetTopCount(), 1);
    EXPECT_TRUE(seg.m_LayerClipboard.empty());
    EXPECT_EQ(seg.Column(0).GetLayer(4).m_nSelected, 1);  // the source keeps its mark

    // Layer Copy takes exactly one layer and empties the column clipboard.
    seg.m_nSelectedColumn = 1;
    seg.m_nSelectedRow = 0;
    seg.CopySelectedLayer();
    EXPECT_EQ(seg.m_ColumnClipboard.GetLayersInUse(), 0);
    EXPECT_EQ(seg.m_ColumnClipboard.GetLayerSlots(), 0);
    ASSERT_EQ(seg.m_LayerClipboard.size(), 1u);
    EXPECT_EQ(seg.m_LayerClipboard[0].m_Material.m_Bulk.m_strName, "inp");
}

TEST(ZSegment, LayoutColumnsShiftsTheZRange)
{
    CZSegment seg;
    seg.m_Params.m_dZFrom = 0.0;
    seg.m_Params.m_dZTo = 10.0;
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 2, 2)}));
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 5, 3, 3), MakeLayer("inp", 1, 3, 3)}));
    seg.LayoutColumns(false, 0.0f, 0.02, 0.01);
    const CLayerRec& layer = seg.GetColumn(1).GetLayer(1);
    EXPECT_FLOAT_EQ(layer.m_fZFrom, 0.02f);
    EXPECT_FLOAT_EQ(layer.m_fZTo, 10.03f);
    EXPECT_DOUBLE_EQ(seg.m_Params.m_dZTo, 10.0);
    // Column 1 row 0 takes column 0's height and starts at its bottom-right corner.
    EXPECT_FLOAT_EQ(seg.GetColumn(1).GetLayer(0).m_fHeight, 1.0f);
    EXPECT_FLOAT_EQ(seg.GetColumn(1).GetLayer(0).m_C.x, 2.0f);
}

TEST(ZSegment, BoundingRect)
{
    struct Case {
        const char* what;
        float row1Width;
        int chosenRow;
    };
    // Widths are compared as whole micrometres: 3.2 beats the 3 kept from 3.9, 2.5 does not.
    const Case cases[] = {{"narrower by less than a whole unit", 3.2f, 1}, {"narrower", 2.5f, 0}};
    for (const Case& c : cases) {
        CZSegment seg;
        seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1)}));
        seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 3.9f, 3.9f), MakeLayer("gaas", 2, c.row1Width, c.row1Width)}));
        seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
        seg.Column(1).Layer(1).m_fLowerWidth = c.row1Width;  // the layout copied row 0's upper width
        float rect[4];
        seg.GetBoundingRect(rect);
        const CLayerRec& chosen = seg.GetColumn(1).GetLayer(c.chosenRow);
        EXPECT_FLOAT_EQ(rect[0], seg.GetColumn(1).GetLayer(1).m_A.y) << c.what;
        EXPECT_FLOAT_EQ(rect[1], 0.0f) << c.what;
        EXPECT_FLOAT_EQ(rect[2], chosen.m_D.x) << c.what;
        EXPECT_FLOAT_EQ(rect[3], 0.0f) << c.what;
    }

    // The lower edge wins when it is the wider one.
    CZSegment trapezoid;
    trapezoid.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 5.0f, 2.0f)}));
    trapezoid.LayoutColumns(false, 0.0f, 0.0, 0.0);
    float rect[4];
    trapezoid.GetBoundingRect(rect);
    EXPECT_FLOAT_EQ(rect[2], 5.0f);

    CZSegment empty;
    float zero[4] = {1, 1, 1, 1};
    empty.GetBoundingRect(zero);
    EXPECT_FLOAT_EQ(zero[0] + zero[1] + zero[2] + zero[3], 0.0f);
    empty.AppendColumn(CColumnRec());
    empty.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1)}));
    float zero2[4] = {1, 1, 1, 1};
    empty.GetBoundingRect(zero2);
    EXPECT_FLOAT_EQ(zero2[0] + zero2[1] + zero2[2] + zero2[3], 0.0f);
}

TEST(ZSegment, TaperVerticesAndEdges)
{
    CZSegment seg;
    seg.m_Params.m_dZTo = 4.0;
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 2, 1)}));
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 3, 3)}));
    seg.AppendColumn(CColumnRec());
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
    const float bottoms[] = {5.0f};
    const float tops[] = {4.0f};
    seg.MarkTaperColumns(1, bottoms, tops);
    EXPECT_EQ(seg.GetColumn(0).m_nTaperLine, 0);
    EXPECT_EQ(seg.GetColumn(1).m_nTaperLine, 1);

    CPoint3f p, q;
    EXPECT_FALSE(seg.GetTaperEdge(0, p, q, true));   // not flagged
    EXPECT_FALSE(seg.GetTaperEdge(-1, p, q, true));
    EXPECT_FALSE(seg.GetTaperEdge(3, p, q, true));
    seg.Column(2).m_nTaperLine = 1;
    EXPECT_FALSE(seg.GetTaperEdge(2, p, q, true));   // no layers
    ASSERT_TRUE(seg.GetTaperEdge(1, p, q, true));
    EXPECT_FLOAT_EQ(p.x, 5.0f);
    EXPECT_FLOAT_EQ(q.x, 4.0f);
    EXPECT_FLOAT_EQ(q.y, 1.0f);
    EXPECT_FLOAT_EQ(p.z, 4.0f);
    ASSERT_TRUE(seg.GetTaperEdge(1, p, q, false));
    EXPECT_FLOAT_EQ(q.z, 0.0f);

    std::vector<CPoint3f> edges{CPoint3f()};
    seg.CollectTaperEdges(edges);
    ASSERT_EQ(edges.size(), 2u);
    seg.BuildTaperPoints();
    EXPECT_EQ(seg.m_Params.m_nTaperPointCount, 1);
    EXPECT_FLOAT_EQ(seg.m_Params.m_fTaperPoints[0][0], 5.0f);
    EXPECT_FLOAT_EQ(seg.m_Params.m_fTaperPoints[0][1], 4.0f);
}

// The save measures the device laid out, but writes it as it is: the layout it measures is made on
// a copy, and the z-segment's own records stay as they were read or edited.
TEST(ZSegment, TheSaveLayoutIsMadeOnACopy)
{
    CZSegment seg;
    // The second row's lower width (3) does not meet the first row's upper width (2), and the
    // bottom contact range reaches past the column's width: the layout changes both.
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 3, 2), MakeLayer("gaas", 1, 3, 3)}));
    CBottomContact beyond;
    beyond.m_fFrom = 3.0f;
    beyond.m_fTo = 6.0f;
    seg.Column(0).m_Contacts.AddBottom(beyond);
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 2, 1, 1), MakeLayer("gaas", 1, 1, 1)}));
    seg.Column(1).m_nTaperLine = 1;
    const CZSegment asRead = seg;

    CZSegment laidOut = seg;
    laidOut.LayoutColumns(false, 0.0f, 0.0, 0.0);
    laidOut.BuildTaperPoints();
    const CSharedColumns measured = seg.ColumnsLaidOutForSave();
    seg.BuildTaperPoints();

    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        const CColumnRec& own = seg.GetColumn(c);
        const CColumnRec& before = asRead.GetColumn(c);
        EXPECT_EQ(own.m_Contacts.GetBottomCount(), before.m_Contacts.GetBottomCount());
        for (int i = 0; i < own.m_Contacts.GetBottomCount(); ++i)
            EXPECT_EQ(own.m_Contacts.Bottom(i).m_fTo, before.m_Contacts.Bottom(i).m_fTo);
        for (int r = 0; r < own.GetLayersInUse(); ++r) {
            SCOPED_TRACE(r);
            EXPECT_EQ(own.GetLayer(r).m_fLowerWidth, before.GetLayer(r).m_fLowerWidth);
            EXPECT_EQ(own.GetLayer(r).m_fHeight, before.GetLayer(r).m_fHeight);
            EXPECT_EQ(own.GetLayer(r).m_B.x, before.GetLayer(r).m_B.x);
            // The copy is laid out as the z-segment itself would be.
            EXPECT_EQ(measured[c].GetLayer(r).m_fLowerWidth, laidOut.GetColumn(c).GetLayer(r).m_fLowerWidth);
            EXPECT_EQ(measured[c].GetLayer(r).m_B.x, laidOut.GetColumn(c).GetLayer(r).m_B.x);
            EXPECT_EQ(measured[c].GetLayer(r).m_D.x, laidOut.GetColumn(c).GetLayer(r).m_D.x);
        }
    }
    ASSERT_NE(laidOut.GetColumn(0).GetLayer(1).m_fLowerWidth, seg.GetColumn(0).GetLayer(1).m_fLowerWidth)
        << "the layout changes the device";
    // The taper points are those of the laid-out device.
    ASSERT_EQ(seg.m_Params.m_nTaperPointCount, 1);
    EXPECT_EQ(seg.m_Params.m_fTaperPoints[0][0], laidOut.m_Params.m_fTaperPoints[0][0]);
    EXPECT_EQ(seg.m_Params.m_fTaperPoints[0][1], laidOut.m_Params.m_fTaperPoints[0][1]);
    EXPECT_NE(seg.m_Params.m_fTaperPoints[0][0], 0.0f);
}

TEST(ZSegment, TaperPointsKeepTheFirstNine)
{
    CZSegment seg;
    for (int c = 0; c < 11; ++c)
        seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1)}));
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
    for (int c = 0; c < 11; ++c)
        seg.Column(c).m_nTaperLine = c == 0 ? 0 : 1;  // ten flagged columns
    seg.m_Params.m_nSpare = 77;
    seg.m_Params.m_dAngle = 12.5;
    seg.BuildTaperPoints();
    EXPECT_EQ(seg.m_Params.m_nTaperPointCount, CZSegmentParams::kMaxTaperPoints);
    for (int k = 0; k < CZSegmentParams::kMaxTaperPoints; ++k) {
        EXPECT_FLOAT_EQ(seg.m_Params.m_fTaperPoints[k][0], float(k + 2)) << k;
        EXPECT_FLOAT_EQ(seg.m_Params.m_fTaperPoints[k][1], float(k + 2)) << k;
    }
    EXPECT_EQ(seg.m_Params.m_nSpare, 77);  // nothing written past the nine pairs
    EXPECT_DOUBLE_EQ(seg.m_Params.m_dAngle, 12.5);
}

// Two columns of width 2 and 3: their right edges stand at x = 2 and x = 5.
CZSegment TwoColumns()
{
    CZSegment seg;
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 2, 2)}));
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 3, 3)}));
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
    return seg;
}

std::string TaperPoints(const CZSegmentParams& params)
{
    std::string text;
    for (int k = 0; k < params.m_nTaperPointCount; ++k)
        text += "(" + std::to_string(params.m_fTaperPoints[k][0]).substr(0, 4) + " " +
                std::to_string(params.m_fTaperPoints[k][1]).substr(0, 4) + ")";
    return text;
}

// A vertex on no column edge cannot be a column flag: the z-segment keeps it, and the taper points
// built for a save give it after the flagged edges.
TEST(ZSegment, TaperVerticesOffEveryEdgeAreKeptAfterTheFlaggedEdges)
{
    struct Case {
        const char* what;
        std::vector<float> bottoms, tops;
        const char* flags;     // of the two columns
        const char* offEdge;   // the vertices kept by the z-segment
        const char* built;     // the taper points built from both
    };
    const Case cases[] = {
        {"on edges only", {2, 5}, {2, 5}, "11", "", "(2.00 2.00)(5.00 5.00)"},
        {"off every edge", {0.5f, 1.25f}, {20, 0}, "00", "(0.50 20.0)(1.25 0.00)", "(0.50 20.0)(1.25 0.00)"},
        {"off-edge first in the deck", {3, 5}, {3, 5}, "01", "(3.00 3.00)", "(5.00 5.00)(3.00 3.00)"},
        {"bottom on an edge, top not", {2}, {4}, "00", "(2.00 4.00)", "(2.00 4.00)"},
        {"none", {}, {}, "00", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CZSegment seg = TwoColumns();
        seg.MarkTaperColumns(static_cast<int>(c.bottoms.size()), c.bottoms.data(), c.tops.data());
        EXPECT_EQ(std::string() + char('0' + seg.GetColumn(0).m_nTaperLine) + char('0' + seg.GetColumn(1).m_nTaperLine),
                  c.flags);
        CZSegmentParams kept;
        kept.m_nTaperPointCount = static_cast<int>(seg.m_OffEdgeTaperPoints.size());
        for (std::size_t k = 0; k < seg.m_OffEdgeTaperPoints.size(); ++k) {
            kept.m_fTaperPoints[k][0] = seg.m_OffEdgeTaperPoints[k].first;
            kept.m_fTaperPoints[k][1] = seg.m_OffEdgeTaperPoints[k].second;
        }
        EXPECT_EQ(TaperPoints(kept), c.offEdge);
        seg.BuildTaperPoints();
        EXPECT_EQ(TaperPoints(seg.m_Params), c.built);
    }
}

TEST(ZSegment, AnOffEdgeVertexAFlaggedEdgeReachesIsWrittenOnce)
{
    CZSegment seg = TwoColumns();
    const float bottoms[] = {2.0f, 7.0f};
    const float tops[] = {2.0f, 7.0f};
    seg.MarkTaperColumns(2, bottoms, tops);
    ASSERT_EQ(seg.m_OffEdgeTaperPoints.size(), 1u);
    // The second column grows by two: its flagged right edge now stands on the kept vertex.
    seg.Column(1).m_nTaperLine = 1;
    seg.Column(1).Layer(0).m_fLowerWidth = 5.0f;
    seg.Column(1).Layer(0).m_fUpperWidth = 5.0f;
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
    seg.BuildTaperPoints();
    EXPECT_EQ(TaperPoints(seg.m_Params), "(2.00 2.00)(7.00 7.00)");
}

TEST(ZSegment, FlaggedEdgesAndOffEdgeVerticesTogetherKeepTheFirstNine)
{
    CZSegment seg;
    for (int c = 0; c < 6; ++c)
        seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 1, 1)}));
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);
    // Five column edges (x = 1..5) and four vertices off them: nine in the deck.
    const float xs[] = {1, 2, 3, 4, 5, 0.5f, 1.5f, 2.5f, 3.5f};
    seg.MarkTaperColumns(9, xs, xs);
    ASSERT_EQ(seg.m_OffEdgeTaperPoints.size(), 4u);
    EXPECT_EQ(seg.GetColumn(5).m_nTaperLine, 0);
    // A sixth edge flagged by the user: the last off-edge vertex no longer fits.
    seg.Column(5).m_nTaperLine = 1;
    seg.BuildTaperPoints();
    EXPECT_EQ(TaperPoints(seg.m_Params),
              "(1.00 1.00)(2.00 2.00)(3.00 3.00)(4.00 4.00)(5.00 5.00)(6.00 6.00)(0.50 0.50)(1.50 1.50)(2.50 2.50)");
}

TEST(ZSegment, ClearDropsTheOffEdgeTaperVertices)
{
    CZSegment seg = TwoColumns();
    const float xs[] = {0.5f};
    seg.MarkTaperColumns(1, xs, xs);
    ASSERT_EQ(seg.m_OffEdgeTaperPoints.size(), 1u);
    CZSegment copy = seg;
    EXPECT_EQ(copy.m_OffEdgeTaperPoints, seg.m_OffEdgeTaperPoints);
    seg.Clear();
    EXPECT_TRUE(seg.m_OffEdgeTaperPoints.empty());
}

TEST(ZSegment, SetSectionRecordOnlyWhenThereIsNone)
{
    CSectionRecord record;
    record.m_nKind = 1;
    record.m_fRatio = 0.25f;
    record.SetText("section length=1e-6");

    CZSegment none;
    none.SetSectionRecord(record);
    ASSERT_EQ(none.m_Sections.size(), 1u);
    EXPECT_EQ(none.m_Sections[0].m_nKind, 1);
    EXPECT_FLOAT_EQ(none.m_Sections[0].m_fRatio, 1.0f);
    EXPECT_EQ(none.m_Sections[0].GetText(), "section length=1e-6");

    CZSegment some;
    some.Clear();
    some.SetSectionRecord(record);
    ASSERT_EQ(some.m_Sections.size(), 2u);
    EXPECT_EQ(some.m_Sections[0].GetText(), CSectionRecord::kDefaultText);
}

TEST(ZSegment, ContactRangesAreNumberedAcrossColumns)
{
    CZSegment seg;
    CColumnRec a = MakeColumn({MakeLayer("gaas", 1, 4, 4)});
    CColumnRec voids = MakeColumn({MakeLayer("void", 1, 4, 4)});
    CColumnRec b = MakeColumn({MakeLayer("gaas", 1, 4, 4)});
    for (int i = 0; i < 2; ++i) {
        CTopContact r;
        r.m_nContactNum = 10 + i;
        a.m_Contacts.AddTop(r);
    }
    voids.m_Contacts.SetTopCount(3);
    CTopContact last;
    last.m_nContactNum = 30;
    last.m_fFrom = 1.0f;
    last.m_fTo = 2.0f;
    b.m_Contacts.AddTop(last);
    CBottomContact bottom;
    bottom.m_nContactNum = 40;
    b.m_Contacts.AddBottom(bottom);
    seg.AppendColumn(a);
    seg.AppendColumn(voids);
    seg.AppendColumn(b);
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);

    EXPECT_EQ(seg.GetTopContactCount(), 3);
    EXPECT_EQ(seg.GetBottomContactCount(), 1);
    const struct {
        int n;
        bool found;
        int number;
    } cases[] = {{0, true, 10}, {1, true, 11}, {2, true, 30}, {3, false, 0}, {-1, false, 0}};
    for (const auto& c : cases) {
        CTopContact out;
        out.m_nContactNum = 0;
        EXPECT_EQ(seg.GetTopContact(c.n, out), c.found) << c.n;
        EXPECT_EQ(out.m_nContactNum, c.number) << c.n;
    }
    CBottomContact outBottom;
    EXPECT_TRUE(seg.GetBottomContact(0, outBottom));
    EXPECT_EQ(outBottom.m_nContactNum, 40);
    EXPECT_FALSE(seg.GetBottomContact(1, outBottom));

    FixedThickness thickness;
    CPoint3f pts[4];
    ASSERT_TRUE(seg.GetTopContactBar(2, pts, thickness, false));
    const CLayerRec& carrier = seg.GetColumn(2).GetLayer(0);
    EXPECT_FLOAT_EQ(pts[0].x, carrier.m_A.x + 1.0f);
    EXPECT_FLOAT_EQ(pts[2].y, carrier.m_D.y + 0.1f);
    EXPECT_FALSE(seg.GetTopContactBar(3, pts, thickness, false));
    EXPECT_FALSE(CZSegment().GetBottomContactBar(0, pts, thickness, false));
}

TEST(ZSegment, SideContactQueries)
{
    CZSegment none;
    CContactRec out;
    CPoint3f pts[4];
    EXPECT_EQ(none.CountLeftContacts(), 0);
    EXPECT_EQ(none.CountRightContacts(), 0);
    EXPECT_FALSE(none.GetLeftContact(0, out));
    EXPECT_FALSE(none.GetRightContactFace(0, pts, nullptr, true));
    EXPECT_EQ(none.MatchSideContacts(1, 0, 0), 0);

    CZSegment seg;
    seg.m_SideContacts.push_back(Group(0, {Side(0, 1, 8), Side(1, 2, 8), Side(0, 3, 4)}));
    seg.m_SideContacts.push_back(Group(1, {Side(0, 4)}));
    EXPECT_EQ(seg.CountLeftContacts(), 3);
    EXPECT_EQ(seg.CountRightContacts(), 1);

    const struct {
        int side, n;
        bool found;
        int number;
    } lookups[] = {{0, 0, true, 1}, {0, 1, true, 3}, {0, 2, true, 4}, {0, 3, false, 0},
                   {1, 0, true, 2}, {1, 1, false, 0}, {0, -1, false, 0}};
    for (const auto& c : lookups) {
        CContactRec found;
        found.m_nContactNum = 0;
        bool ok = c.side == 0 ? seg.GetLeftContact(c.n, found) : seg.GetRightContact(c.n, found);
        EXPECT_EQ(ok, c.found) << c.side << "/" << c.n;
        EXPECT_EQ(found.m_nContactNum, c.number) << c.side << "/" << c.n;
    }

    // Faces: points 1-4 for face true, 5-8 for false; only with exactly eight outline points.
    ASSERT_TRUE(seg.GetLeftContactFace(0, pts, nullptr, true));
    EXPECT_FLOAT_EQ(pts[0].x, 0.0f);
    EXPECT_FLOAT_EQ(pts[3].x, 3.0f);
    ASSERT_TRUE(seg.GetRightContactFace(0, pts, nullptr, false));
    EXPECT_FLOAT_EQ(pts[0].x, 4.0f);
    EXPECT_FLOAT_EQ(pts[0].y, 2.0f);
    EXPECT_FALSE(seg.GetLeftContactFace(1, pts, nullptr, true));  // four outline points
    EXPECT_FALSE(seg.GetLeftContactFace(2, pts, nullptr, true));  // none

    // Ordinals within one row: found answers the ordinal, missing answers 0.
    EXPECT_EQ(seg.MatchSideContacts(1, 0, 0), 1);
    EXPECT_EQ(seg.MatchSideContacts(2, 0, 0), 0);
    EXPECT_EQ(seg.MatchSideContacts(0, 1, 0), 0);
    EXPECT_EQ(seg.MatchSideContacts(1, 1, 0), 0);
    EXPECT_EQ(seg.MatchSideContacts(1, 0, 2), 0);
    seg.m_SideContacts[0].m_Contacts.push_back(Side(0, 5));
    EXPECT_EQ(seg.MatchSideContacts(2, 0, 0), 2);
}

TEST(ZSegment, CopyIsWholeAndIndependent)
{
    CZSegment a;
    a.Clear();
    a.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 2, 2), MakeLayer("inp", 1, 2, 2)}));
    a.m_SideContacts.push_back(Group(0, {Side(1, 7, 8)}));
    a.m_SweepIndex.m_Items.resize(2);
    a.m_strComments[2] = "$ bottom";
    CZSegment b(a);
    a.Column(0).Layer(1).m_fHeight = 9.0f;
    a.m_SideContacts.clear();
    EXPECT_FLOAT_EQ(b.GetColumn(0).GetLayer(1).m_fHeight, 1.0f);
    EXPECT_EQ(b.CountRightContacts(), 1);
    EXPECT_EQ(b.m_SweepIndex.m_Items.size(), 2u);
    EXPECT_EQ(b.m_strComments[2], "$ bottom");
    EXPECT_EQ(b.m_Sections.size(), 2u);
}

TEST(ZSegmentParams, ResetKeepsTaperPoints)
{
    CZSegmentParams params;
    EXPECT_EQ(params.m_nZPlanes, 1);
    EXPECT_EQ(params.m_nMethod, -1);
    params.m_strTaperLink = "no";
    params.m_dZFrom = 1.0;
    params.m_dZTo = 2.0;
    params.m_nZPlanes = 3;
    params.m_nMethod = 2;
    params.m_nTaperPointCount = 2;
    params.m_fTaperPoints[1][1] = 4.5f;
    params.m_dAngle = 30.0;
    params.Reset();
    EXPECT_EQ(params.m_strTaperLink, "yes");
    EXPECT_DOUBLE_EQ(params.m_dZFrom, 0.0);
    EXPECT_DOUBLE_EQ(params.m_dZTo, 0.0);
    EXPECT_EQ(params.m_nZPlanes, 1);
    EXPECT_EQ(params.m_nMethod, -1);
    EXPECT_EQ(params.m_nTaperPointCount, 0);
    EXPECT_DOUBLE_EQ(params.m_dAngle, 0.0);
    EXPECT_FLOAT_EQ(params.m_fTaperPoints[1][1], 4.5f);
}

TEST(ZSegment, ColumnSlotsGrowByTenUntilTheColumnsFit)
{
    CZSegment segment;
    segment.m_nColumnSlots = 15;
    segment.ReserveColumnSlots(15);
    EXPECT_EQ(segment.m_nColumnSlots, 15);
    segment.ReserveColumnSlots(16);
    EXPECT_EQ(segment.m_nColumnSlots, 25);
    segment.ReserveColumnSlots(47);
    EXPECT_EQ(segment.m_nColumnSlots, 55);
}
