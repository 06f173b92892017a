#include "model/ColumnRec.h"

#include "support/RecordBuilders.h"

#include <gtest/gtest.h>

namespace {

CTopContact Top(float from, float to)
{
    CTopContact r;
    r.m_fFrom = from;
    r.m_fTo = to;
    return r;
}

CBottomContact Bottom(float from, float to)
{
    CBottomContact r;
    r.m_fFrom = from;
    r.m_fTo = to;
    return r;
}

struct FixedThickness : IContactBarThickness {
    float t;
    explicit FixedThickness(float value) : t(value) {}
    float GetContactBarThickness() const override { return t; }
};

}  // namespace

TEST(ColumnRec, ResetKeepsMeshSizeTaperAndParameters)
{
    CColumnRec column = MakeColumn({MakeLayer("gaas", 1, 2, 2)});
    column.m_Mesh.m_nMeshNum = 7;
    column.m_Size.m_fLowerWidth = 2.5f;
    column.m_fTaperPoint[0] = 1.5f;
    column.m_fTaperPoint[1] = 2.5f;
    column.m_nTaperLine = 1;
    column.m_nColumnIndex = 3;
    column.m_nSelectedLayer = 0;
    column.m_Params.m_dZTo = 4.0;
    column.m_Contacts.AddTop(Top(0, 1));
    column.m_Labels.push_back({"c", 0, -9999.0});

    column.Reset();
    EXPECT_EQ(column.GetLayersInUse(), 0);
    EXPECT_EQ(column.GetLayerSlots(), 0);
    EXPECT_EQ(column.m_nColumnIndex, -1);
    EXPECT_EQ(column.m_nSelectedLayer, -1);
    EXPECT_EQ(column.m_nTaperLine, 0);
    EXPECT_EQ(column.m_Contacts.GetTopCount(), 0);
    EXPECT_TRUE(column.m_Labels.empty());
    EXPECT_EQ(column.m_Mesh.m_nMeshNum, 7);
    EXPECT_FLOAT_EQ(column.m_Size.m_fLowerWidth, 2.5f);
    EXPECT_FLOAT_EQ(column.m_fTaperPoint[0], 1.5f);
    EXPECT_FLOAT_EQ(column.m_fTaperPoint[1], 2.5f);
    EXPECT_DOUBLE_EQ(column.m_Params.m_dZTo, 4.0);
}

TEST(ColumnRec, LayerBlockLimitsAreRefused)
{
    CColumnRec column;
    EXPECT_FALSE(column.SetLayerCount(CColumnRec::kMaxLayers + 1));
    EXPECT_FALSE(column.SetLayerCount(-1));
    EXPECT_FALSE(column.SetLayersInUse(CColumnRec::kMaxLayers + 1));
    EXPECT_EQ(column.GetLayersInUse(), 0);

    EXPECT_TRUE(column.SetLayersInUse(CColumnRec::kMaxLayers));
    EXPECT_EQ(column.GetLayerSlots(), CColumnRec::kMaxLayers);
    EXPECT_FALSE(column.InsertLayer(0, CLayerRec()));
    EXPECT_FALSE(column.AppendLayer(CLayerRec()));
    EXPECT_EQ(column.GetLayersInUse(), CColumnRec::kMaxLayers);

    EXPECT_FALSE(column.InsertLayer(-1, CLayerRec()));
    EXPECT_FALSE(column.RemoveLayer(CColumnRec::kMaxLayers));
    EXPECT_THROW(column.Layer(CColumnRec::kMaxLayers), std::out_of_range);
    EXPECT_THROW(column.Layer(-1), std::out_of_range);
}

TEST(ColumnRec, SlotsBeyondTheRowsInUseAreFresh)
{
    CColumnRec column = MakeColumn({MakeLayer("gaas", 1, 2, 2), MakeLayer("inp", 2, 2, 2), MakeLayer("alas", 3, 2, 2)});
    EXPECT_EQ(column.GetLayerSlots(), CColumnRec::kMaxLayers);

    // Dropping a row and taking it back into use gives a default layer, not the old one.
    EXPECT_TRUE(column.SetLayersInUse(2));
    EXPECT_TRUE(column.GetLayer(2).IsEmpty());
    EXPECT_TRUE(column.SetLayersInUse(3));
    EXPECT_TRUE(column.Layer(2).IsEmpty());
    EXPECT_FLOAT_EQ(column.Layer(2).m_fHeight, 0.0f);
    EXPECT_TRUE(column.GetLayer(499).IsEmpty());
    EXPECT_TRUE(column.GetLayer(-3).IsEmpty());

    EXPECT_TRUE(column.RemoveLayer(0));
    EXPECT_EQ(column.Layer(0).m_Material.m_Bulk.m_strName, "inp");
    EXPECT_TRUE(column.InsertLayer(1, MakeLayer("gaas", 5, 2, 2)));
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_strName, "gaas");
    EXPECT_EQ(column.GetLayers().size(), 3u);

    // Shrinking the block drops the rows that no longer have a slot.
    EXPECT_TRUE(column.SetLayerCount(1));
    EXPECT_EQ(column.GetLayersInUse(), 1);
    EXPECT_EQ(column.GetLayerSlots(), 1);
}

TEST(ColumnRec, LayoutStacksRowsAndFollowsTheLeftNeighbour)
{
    // Left column: two rows, the lower one a trapezoid.
    CColumnRec left = MakeColumn({MakeLayer("gaas", 1.0f, 4.0f, 3.0f), MakeLayer("inp", 0.5f, 3.0f, 3.0f)});
    left.m_Params.m_dZFrom = 1.0;
    left.m_Params.m_dZTo = 2.0;
    left.LayoutLayers(nullptr, false, 0.0f);
    const CLayerRec& l0 = left.GetLayer(0);
    const CLayerRec& l1 = left.GetLayer(1);
    EXPECT_FLOAT_EQ(l0.m_C.x, 0.0f);
    EXPECT_FLOAT_EQ(l0.m_A.y, 1.0f);
    EXPECT_FLOAT_EQ(l1.m_C.x, l0.m_A.x);
    EXPECT_FLOAT_EQ(l1.m_C.y, l0.m_A.y);
    EXPECT_FLOAT_EQ(l1.m_fZFrom, 1.0f);
    EXPECT_FLOAT_EQ(l1.m_fZTo, 2.0f);

    // Right column: three rows, heights differ from the neighbour's.
    CColumnRec right = MakeColumn({MakeLayer("gaas", 9.0f, 2.0f, 2.5f), MakeLayer("gaas", 9.0f, 7.0f, 2.5f),
                               MakeLayer("gaas", 0.25f, 7.0f, 2.5f)});
    right.m_Params.m_dZTo = 2.0;
    right.LayoutLayers(&left, false, 0.0f);
    const CLayerRec& r0 = right.GetLayer(0);
    const CLayerRec& r1 = right.GetLayer(1);
    const CLayerRec& r2 = right.GetLayer(2);
    // Rows the neighbour has: its height, its bottom-right corner, its top-edge shift.
    EXPECT_FLOAT_EQ(r0.m_fHeight, 1.0f);
    EXPECT_FLOAT_EQ(r0.m_C.x, l0.m_B.x);
    EXPECT_FLOAT_EQ(r0.m_A.x - r0.m_C.x, l0.m_D.x - l0.m_B.x);
    EXPECT_FLOAT_EQ(r1.m_fHeight, 0.5f);
    EXPECT_FLOAT_EQ(r1.m_C.x, l1.m_B.x);
    EXPECT_FLOAT_EQ(r1.m_C.y, l1.m_B.y);
    // The lower width follows the upper width of the row below.
    EXPECT_FLOAT_EQ(r1.m_fLowerWidth, 2.5f);
    // Above the neighbour's top: own height, no shift, on the top-left corner of the row below.
    EXPECT_FLOAT_EQ(r2.m_fHeight, 0.25f);
    EXPECT_FLOAT_EQ(r2.m_C.x, r1.m_A.x);
    EXPECT_FLOAT_EQ(r2.m_C.y, r1.m_A.y);
    EXPECT_FLOAT_EQ(r2.m_A.x, r2.m_C.x);
    EXPECT_FLOAT_EQ(r2.m_A.y, r1.m_A.y + 0.25f);
}

TEST(ColumnRec, LayoutClampsThinLayersForDrawingOnly)
{
    CColumnRec column = MakeColumn({MakeLayer("gaas", 0.002f, 1, 1), MakeLayer("gaas", 1.0f, 1, 1)});
    column.LayoutLayers(nullptr, true, 0.01f);
    EXPECT_FLOAT_EQ(column.GetLayer(0).m_fHeight, 0.002f);
    EXPECT_FLOAT_EQ(column.GetLayer(1).m_C.y, 0.01f);
}

TEST(ColumnRec, OrderContactRanges)
{
    struct Case {
        const char* what;
        std::vector<CLayerRec> layers;
        float from, to;          // one top and one bottom range
        float topFrom, topTo;    // after ordering
        float bottomFrom, bottomTo;
    };
    const Case cases[] = {
        {"reversed top range", {MakeLayer("gaas", 1, 6, 4)}, 5, 2, 2, 4, 2, 5},
        {"negative start", {MakeLayer("gaas", 1, 6, 4)}, -1, 3, 0, 3, 0, 3},
        {"beyond both widths", {MakeLayer("gaas", 1, 6, 4)}, 1, 9, 1, 4, 1, 6},
        {"top clamped on the topmost non-void layer",
         {MakeLayer("gaas", 1, 6, 5), MakeLayer("inp", 1, 5, 3), MakeLayer("void", 1, 3, 1)}, 0, 9, 0, 3, 0, 6},
        {"a longer void name counts as material",
         {MakeLayer("gaas", 1, 6, 5), MakeLayer("voidx", 1, 5, 2)}, 0, 9, 0, 2, 0, 6},
        {"all rows void: no top edge, the bottom ordered on slot 0",
         {MakeLayer("void", 1, 6, 4), MakeLayer("void", 1, 4, 4)}, 5, -2, 5, -2, 0, 5},
        {"all rows void: a bottom range beyond slot 0 is cut to its lower width",
         {MakeLayer("void", 1, 3, 4), MakeLayer("void", 1, 4, 4)}, 1, 9, 1, 9, 1, 3},
    };
    for (const Case& c : cases) {
        CColumnRec column;
        for (const CLayerRec& layer : c.layers)
            column.AppendLayer(layer);
        column.m_Contacts.AddTop(Top(c.from, c.to));
        column.m_Contacts.AddBottom(Bottom(c.from, c.to));
        column.OrderContactRanges();
        EXPECT_FLOAT_EQ(column.m_Contacts.Top(0).m_fFrom, c.topFrom) << c.what;
        EXPECT_FLOAT_EQ(column.m_Contacts.Top(0).m_fTo, c.topTo) << c.what;
        EXPECT_FLOAT_EQ(column.m_Contacts.Bottom(0).m_fFrom, c.bottomFrom) << c.what;
        EXPECT_FLOAT_EQ(column.m_Contacts.Bottom(0).m_fTo, c.bottomTo) << c.what;
    }
}

TEST(ColumnRec, ContactCountsNeedANonVoidRow)
{
    struct Case {
        const char* what;
        std::vector<std::string> bulks;
        int expected;
    };
    const Case cases[] = {
        {"no layers", {}, 0},
        {"all void", {"void", "void"}, 0},
        {"one material row", {"void", "gaas"}, 2},
        {"longer void name", {"void macro"}, 2},
    };
    for (const Case& c : cases) {
        CColumnRec column;
        for (const std::string& bulk : c.bulks)
            column.AppendLayer(MakeLayer(bulk, 1, 1, 1));
        column.m_Contacts.SetTopCount(2);
        column.m_Contacts.SetBottomCount(2);
        EXPECT_EQ(column.GetTopContactCount(), c.expected) << c.what;
        EXPECT_EQ(column.GetBottomContactCount(), c.expected) << c.what;
    }
}

TEST(ColumnRec, ContactRangeLimits)
{
    CColumnContacts contacts;
    for (int i = 0; i < CColumnContacts::kMaxRanges; ++i)
        EXPECT_TRUE(contacts.AddTop(Top(i, i + 1)));
    EXPECT_FALSE(contacts.AddTop(Top(0, 1)));
    EXPECT_FALSE(contacts.SetBottomCount(CColumnContacts::kMaxRanges + 1));
    EXPECT_TRUE(contacts.SetBottomCount(2));
    EXPECT_EQ(contacts.Bottom(1).m_nContactNum, 1);
    EXPECT_DOUBLE_EQ(contacts.Bottom(1).m_dBarrier, -9999.0);
    EXPECT_TRUE(contacts.Bottom(1).m_strType.empty());
    EXPECT_THROW(contacts.Bottom(2), std::out_of_range);
    EXPECT_TRUE(contacts.RemoveTop(0));
    EXPECT_FLOAT_EQ(contacts.Top(0).m_fFrom, 1.0f);
    contacts.Clear();
    EXPECT_EQ(contacts.GetTopCount() + contacts.GetBottomCount(), 0);
}

TEST(ColumnRec, ContactBarsSitOnTheOuterNonVoidLayers)
{
    CColumnRec column = MakeColumn({MakeLayer("void", 1, 4, 4), MakeLayer("gaas", 1, 4, 3), MakeLayer("void", 1, 3, 3)});
    column.m_Params.m_dZFrom = 1.0;
    column.m_Params.m_dZTo = 3.0;
    column.m_Contacts.AddTop(Top(0.5f, 2.0f));
    column.m_Contacts.AddBottom(Bottom(1.0f, 3.0f));
    column.LayoutLayers(nullptr, false, 0.0f);
    const CLayerRec& carrier = column.GetLayer(1);
    FixedThickness thickness(0.2f);

    struct Case {
        bool top, back;
        CPoint3f expected[4];
    };
    const float ay = carrier.m_A.y, cy = carrier.m_C.y, ax = carrier.m_A.x, cx = carrier.m_C.x;
    const Case cases[] = {
        {true, false, {{ax + 0.5f, ay, 1}, {ax + 2.0f, ay, 1}, {ax + 2.0f, ay + 0.2f, 1}, {ax + 0.5f, ay + 0.2f, 1}}},
        {true, true, {{ax + 0.5f, ay, 3}, {ax + 2.0f, ay, 3}, {ax + 2.0f, ay + 0.2f, 3}, {ax + 0.5f, ay + 0.2f, 3}}},
        {false, false, {{cx + 1.0f, cy, 1}, {cx + 3.0f, cy, 1}, {cx + 3.0f, cy - 0.2f, 1}, {cx + 1.0f, cy - 0.2f, 1}}},
    };
    for (const Case& c : cases) {
        CPoint3f pts[4];
        EXPECT_TRUE(c.top ? column.GetTopContactBar(0, pts, thickness, c.back)
                          : column.GetBottomContactBar(0, pts, thickness, c.back));
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(pts[i].x, c.expected[i].x) << c.top << c.back << i;
            EXPECT_FLOAT_EQ(pts[i].y, c.expected[i].y) << c.top << c.back << i;
            EXPECT_FLOAT_EQ(pts[i].z, c.expected[i].z) << c.top << c.back << i;
        }
    }

    // Without a non-void layer the outputs are left as they were.
    CColumnRec voids = MakeColumn({MakeLayer("void", 1, 4, 4)});
    voids.m_Contacts.AddTop(Top(0, 1));
    CPoint3f pts[4] = {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}};
    EXPECT_TRUE(voids.GetTopContactBar(0, pts, thickness, false));
    EXPECT_FLOAT_EQ(pts[2].x, 7.0f);
}

TEST(ColumnRec, MatchTaperVertex)
{
    const float bottoms[] = {1.0f, 5.0f};
    const float tops[] = {2.0f, 4.0f};
    struct Case {
        const char* what;
        std::vector<CLayerRec> layers;
        float startBottom, startTop;
        float endBottom, endTop;
        int flag;
    };
    const Case cases[] = {
        {"matches the second vertex", {MakeLayer("gaas", 1, 3, 2), MakeLayer("gaas", 1, 2, 2.00005f)}, 2, 2, 5, 4.00005f, 1},
        {"misses by more than 0.0001", {MakeLayer("gaas", 1, 3, 2.001f)}, 2, 2, 5, 4.001f, 0},
        {"no layers: running values stay", {}, 2, 2, 2, 2, 0},
    };
    for (const Case& c : cases) {
        CColumnRec column;
        column.m_nTaperLine = 1;
        for (const CLayerRec& layer : c.layers)
            column.AppendLayer(layer);
        float bottom = c.startBottom, top = c.startTop;
        column.MatchTaperVertex(bottom, top, 2, bottoms, tops);
        EXPECT_FLOAT_EQ(bottom, c.endBottom) << c.what;
        EXPECT_FLOAT_EQ(top, c.endTop) << c.what;
        EXPECT_EQ(column.m_nTaperLine, c.flag) << c.what;
    }
}

TEST(ColumnRec, CopyCarriesEveryLayerAndRange)
{
    CColumnRec a = MakeColumn({MakeLayer("gaas", 1, 2, 2), MakeLayer("inp", 1, 2, 2)});
    a.m_Contacts.AddBottom(Bottom(0, 1));
    a.m_Labels.push_back({"left", 0, -9999.0});
    a.m_dSpare = 2.5;
    CColumnRec b;
    b = a;
    a.Layer(1).m_Material.m_Bulk.m_strName = "changed";
    a.m_Contacts.Bottom(0).m_fTo = 9;
    EXPECT_EQ(b.GetLayersInUse(), 2);
    EXPECT_EQ(b.GetLayerSlots(), CColumnRec::kMaxLayers);
    EXPECT_EQ(b.GetLayer(1).m_Material.m_Bulk.m_strName, "inp");
    EXPECT_FLOAT_EQ(b.m_Contacts.Bottom(0).m_fTo, 1.0f);
    EXPECT_EQ(b.m_Labels.at(0).m_strText, "left");
    EXPECT_DOUBLE_EQ(b.m_dSpare, 2.5);
}

TEST(ColumnRec, AColumnIsFullWithItsLastRowInUse)
{
    CColumnRec column = MakeColumn({MakeLayer("a")});
    EXPECT_FALSE(column.IsFull());
    EXPECT_TRUE(column.SetLayersInUse(CColumnRec::kMaxLayers));
    EXPECT_TRUE(column.IsFull());
    EXPECT_FALSE(column.AppendLayer(MakeLayer("b")));
}

TEST(ColumnRec, LayoutChangesTellsWhetherALayoutWouldWriteAnything)
{
    const CColumnRec left = [] {
        CColumnRec column = MakeColumn({MakeLayer("gaas", 1.0f, 4.0f, 3.0f), MakeLayer("inp", 0.5f, 3.0f, 3.0f)});
        column.LayoutLayers(nullptr, false, 0.0f);
        return column;
    }();
    CZSegmentParams params;
    params.m_dZFrom = 1.0;
    params.m_dZTo = 2.0;
    auto laidOut = [&] {
        CColumnRec column = MakeColumn({MakeLayer("gaas", 9.0f, 2.0f, 2.5f), MakeLayer("gaas", 9.0f, 7.0f, 2.5f),
                                        MakeLayer("gaas", 0.002f, 7.0f, 2.5f)});
        column.m_Contacts.AddTop(Top(0.5f, 2.0f));
        column.m_Contacts.AddBottom(Bottom(0.0f, 1.0f));
        column.m_Params = params;
        column.LayoutLayers(&left, true, 0.01f);
        return column;
    };
    EXPECT_FALSE(laidOut().LayoutChanges(params, &left, true, 0.01f));

    const struct {
        const char* what;
        void (*change)(CColumnRec&, CZSegmentParams&);
    } cases[] = {
        {"z range", [](CColumnRec&, CZSegmentParams& p) { p.m_dZTo = 2.5; }},
        {"taper points", [](CColumnRec&, CZSegmentParams& p) { p.m_nTaperPointCount = 1; }},
        {"own height above the neighbour", [](CColumnRec& c, CZSegmentParams&) { c.Layer(2).m_fHeight = 0.25f; }},
        {"upper width of a row", [](CColumnRec& c, CZSegmentParams&) { c.Layer(0).m_fUpperWidth = 3.0f; }},
        {"selection mark", [](CColumnRec& c, CZSegmentParams&) { c.Layer(1).m_nSelected = 1; }},
        {"outline moved", [](CColumnRec& c, CZSegmentParams&) { c.Layer(1).m_A.y += 1.0f; }},
        {"a zero of the other sign", [](CColumnRec& c, CZSegmentParams&) { c.Layer(2).m_C.z = -0.0f; }},
        {"reversed top range", [](CColumnRec& c, CZSegmentParams&) { c.m_Contacts.Top(0).m_fFrom = 2.25f; }},
        {"bottom range past the edge", [](CColumnRec& c, CZSegmentParams&) { c.m_Contacts.Bottom(0).m_fTo = 9.0f; }},
    };
    for (const auto& c : cases) {
        CColumnRec column = laidOut();
        CZSegmentParams changed = params;
        c.change(column, changed);
        EXPECT_TRUE(column.LayoutChanges(changed, &left, true, 0.01f)) << c.what;
        column.m_Params = changed;
        column.LayoutLayers(&left, true, 0.01f);
        EXPECT_FALSE(column.LayoutChanges(changed, &left, true, 0.01f)) << c.what;
    }
    // Another neighbour or another clamp moves the rows too.
    EXPECT_TRUE(laidOut().LayoutChanges(params, nullptr, true, 0.01f));
    EXPECT_TRUE(laidOut().LayoutChanges(params, &left, false, 0.01f));
}
