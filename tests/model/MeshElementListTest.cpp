// The mesh records: layer outlines of a z-segment, region assignment by centroid, and the
// stretching of a triangle from the box its layer had when plotted into the layer's present box.

#include "model/MeshElementList.h"
#include "model/MeshPolygon.h"
#include "model/ZSegment.h"

#include "support/RecordBuilders.h"
#include "support/MeshExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

CMeshElement Triangle(CPoint3f a, CPoint3f b, CPoint3f c)
{
    CMeshElement e;
    e.m_Vertex[0] = a;
    e.m_Vertex[1] = b;
    e.m_Vertex[2] = c;
    return e;
}

CMeshPolygon Box(int column, int row, float x0, float x1, float y0, float y1)
{
    CMeshPolygon p;
    p.m_nZSeg = 0;
    p.m_nColumn = column;
    p.m_nRow = row;
    p.m_Points = {CPoint3f(x0, y0, 0), CPoint3f(x1, y0, 0), CPoint3f(x1, y1, 0), CPoint3f(x0, y1, 0)};
    return p;
}

}  // namespace

TEST(MeshPolygon, BoundingBoxOfNoPointsIsTheStartValues)
{
    CMeshPolygon p;
    float x0, x1, y0, y1;
    p.GetBoundingBox(x0, x1, y0, y1);
    EXPECT_EQ(x0, 1e7f);
    EXPECT_EQ(x1, -1e7f);
    EXPECT_EQ(y0, 1e7f);
    EXPECT_EQ(y1, -1e7f);
    p = Box(0, 0, -1, 3, 2, 5);
    p.GetBoundingBox(x0, x1, y0, y1);
    EXPECT_EQ(x0, -1);
    EXPECT_EQ(x1, 3);
    EXPECT_EQ(y0, 2);
    EXPECT_EQ(y1, 5);
    p.Clear();
    EXPECT_TRUE(p.m_Points.empty());
}

TEST(MeshPolygon, LayerOutlinesSkipEmptyLayersAndRunColumnByColumn)
{
    CZSegment seg;
    seg.AppendColumn(MakeColumn({MakeLayer("gaas", 1, 4), MakeLayer("void"), MakeLayer("inp", 1, 4)}));
    seg.AppendColumn(MakeColumn({MakeLayer("alas", 2, 3)}));
    seg.LayoutColumns(false, 0.0f, 0.0, 0.0);

    const std::vector<CMeshPolygon> polygons = LayerMeshPolygons(seg, 7);
    ASSERT_EQ(polygons.size(), 3u);
    const int expected[3][2] = {{0, 0}, {0, 2}, {1, 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(polygons[i].m_nZSeg, 7);
        EXPECT_EQ(polygons[i].m_nColumn, expected[i][0]);
        EXPECT_EQ(polygons[i].m_nRow, expected[i][1]);
    }
    // Corners bottom-left, bottom-right, top-right, top-left.
    const CLayerRec& top = seg.GetColumn(0).GetLayer(2);
    const std::vector<CPoint3f>& corners = polygons[1].m_Points;
    ASSERT_EQ(corners.size(), 4u);
    const CPoint3f* wanted[4] = {&top.m_C, &top.m_B, &top.m_D, &top.m_A};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(corners[i].x, wanted[i]->x) << i;
        EXPECT_EQ(corners[i].y, wanted[i]->y) << i;
    }
    EXPECT_LT(corners[0].x, corners[1].x);
    EXPECT_LT(corners[1].y, corners[2].y);
}

TEST(MeshElement, CentroidIsTheMeanOfTheVertices)
{
    const CPoint3f c = Triangle(CPoint3f(0, 0, 0), CPoint3f(3, 0, 0), CPoint3f(0, 3, 0)).Centroid();
    EXPECT_FLOAT_EQ(c.x, 1.0f);
    EXPECT_FLOAT_EQ(c.y, 1.0f);
    EXPECT_EQ(c.z, 0.0f);
}

TEST(MeshElementList, ATriangleTakesTheRegionAndBoxOfTheOutlineHoldingItsCentroid)
{
    CMeshElementList list;
    list.m_Elements = {Triangle(CPoint3f(0, 0, 0), CPoint3f(4, 0, 0), CPoint3f(0, 1, 0)),
                       Triangle(CPoint3f(6, 0, 0), CPoint3f(7, 0, 0), CPoint3f(6, 1, 0))};
    list.AssignRegion(Box(0, 0, 0, 4, 0, 1));
    ExpectRegion(list.m_Elements[0], 0, 0, 0);
    EXPECT_EQ(list.m_Elements[0].m_fBox[0], 0.0f);
    EXPECT_EQ(list.m_Elements[0].m_fBox[1], 4.0f);
    EXPECT_EQ(list.m_Elements[0].m_fBox[2], 0.0f);
    EXPECT_EQ(list.m_Elements[0].m_fBox[3], 1.0f);
    // In no outline: no region, box 0.
    ExpectRegion(list.m_Elements[1], -1, -1, -1);
    for (float v : list.m_Elements[1].m_fBox)
        EXPECT_EQ(v, 0.0f);
}

TEST(MeshElementList, OfTwoOverlappingOutlinesTheLaterOneWins)
{
    CMeshElementList list;
    list.m_Elements = {Triangle(CPoint3f(1, 1, 0), CPoint3f(2, 1, 0), CPoint3f(1, 2, 0))};
    list.AssignRegion(Box(0, 0, 0, 4, 0, 4));
    list.AssignRegion(Box(1, 3, 0, 3, 0, 3));
    ExpectRegion(list.m_Elements[0], 0, 1, 3);
    EXPECT_EQ(list.m_Elements[0].m_fBox[1], 3.0f);
    // An outline that does not hold the centroid changes nothing.
    list.AssignRegion(Box(2, 0, 5, 6, 5, 6));
    ExpectRegion(list.m_Elements[0], 0, 1, 3);
}

TEST(MeshElementList, CopyElementsCopiesEveryTriangle)
{
    CMeshElementList list;
    list.m_Elements = {Triangle(CPoint3f(0, 0, 0), CPoint3f(1, 0, 0), CPoint3f(0, 1, 0)),
                       Triangle(CPoint3f(9, 9, 0), CPoint3f(10, 9, 0), CPoint3f(9, 10, 0))};
    list.AssignRegion(Box(0, 0, 0, 2, 0, 2));
    std::vector<CMeshElement> out(5);
    list.CopyElements(out);
    ASSERT_EQ(out.size(), 2u);
    ExpectRegion(out[0], 0, 0, 0);
    ExpectRegion(out[1], -1, -1, -1);
}

TEST(MeshElement, MapIntoBoxStretchesFromThePlottedBoxIntoThePresentOne)
{
    CMeshElement e = Triangle(CPoint3f(0, 0, 0), CPoint3f(2, 0, 0), CPoint3f(0, 1, 0));
    e.m_nZSeg = 0;
    e.m_nColumn = 0;
    e.m_nRow = 0;
    const float plotted[4] = {0, 2, 0, 1};
    std::copy(plotted, plotted + 4, e.m_fBox);
    // The layer is now 4 wide and moved up by 1.
    CMeshElement out;
    e.MapIntoBox(Box(0, 0, 0, 4, 1, 2), out);
    EXPECT_FLOAT_EQ(out.m_Vertex[1].x, 4.0f);
    EXPECT_FLOAT_EQ(out.m_Vertex[1].y, 1.0f);
    EXPECT_FLOAT_EQ(out.m_Vertex[2].x, 0.0f);
    EXPECT_FLOAT_EQ(out.m_Vertex[2].y, 2.0f);
    ExpectRegion(out, 0, 0, 0);
    // Mapping in place gives the same.
    e.MapIntoBox(Box(0, 0, 0, 4, 1, 2), e);
    EXPECT_FLOAT_EQ(e.m_Vertex[1].x, 4.0f);
    EXPECT_FLOAT_EQ(e.m_Vertex[2].y, 2.0f);
}

TEST(MeshElement, MapIntoBoxFromABoxWithoutExtentMovesWithoutDividingByZero)
{
    CMeshElement e = Triangle(CPoint3f(1, 1, 0), CPoint3f(2, 1, 0), CPoint3f(1, 3, 0));
    const float flat[4] = {1, 1, 1, 1};
    std::copy(flat, flat + 4, e.m_fBox);
    CMeshElement out;
    const float box[4] = {5, 9, 10, 10};
    e.MapIntoBox(box, out);
    EXPECT_FLOAT_EQ(out.m_Vertex[0].x, 5.0f);
    EXPECT_FLOAT_EQ(out.m_Vertex[1].x, 6.0f);
    EXPECT_FLOAT_EQ(out.m_Vertex[2].y, 12.0f);
    for (const CPoint3f& v : out.m_Vertex) {
        EXPECT_TRUE(std::isfinite(v.x));
        EXPECT_TRUE(std::isfinite(v.y));
    }
}

TEST(MeshElement, BelongsToComparesAllThreeTags)
{
    CMeshElement e;
    e.m_nZSeg = 1;
    e.m_nColumn = 2;
    e.m_nRow = 3;
    CMeshPolygon p = Box(2, 3, 0, 1, 0, 1);
    p.m_nZSeg = 1;
    EXPECT_TRUE(e.BelongsTo(p));
    p.m_nZSeg = 0;
    EXPECT_FALSE(e.BelongsTo(p));
}
