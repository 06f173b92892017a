#include "document/AutoMeshCounts.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<CMeshRegionResult> Distribute(int total, const std::vector<CMeshRegion>& regions, double step = 0.0)
{
    std::vector<CMeshRegionResult> results;
    test::DistributeMeshPoints(total, test::kGradingOffset, test::kDopingWeight, step, regions, results);
    return results;
}

std::vector<int> Counts(const std::vector<CMeshRegionResult>& results)
{
    std::vector<int> counts;
    for (const CMeshRegionResult& r : results)
        counts.push_back(r.m_nCount);
    return counts;
}

}  // namespace

TEST(MeshCalculator, DopingTermCountsWholeDecades)
{
    struct Case {
        double a, b, expect;
    };
    for (const Case& c : {Case{1e24, 1e18, 6}, Case{1e18, 1e24, 6}, Case{1e24, 0, 24}, Case{0, 1e24, 24},
                          Case{0, 0, 0}, Case{5e17, 1e17, 0}, Case{-1e18, 1e16, 2}, Case{0, -1e18, 18}}) {
        EXPECT_NEAR(DopingTerm(c.a, c.b), c.expect, 1e-9) << c.a << " " << c.b;
    }
}

TEST(MeshCalculator, CountsFollowWeightAndLength)
{
    struct Case {
        const char* name;
        int total;
        std::vector<CMeshRegion> regions;
        double step;
        std::vector<int> expect;
    };
    const Case cases[] = {
        {"two equal undoped columns", 30, {{0, 1, 2.0}, {0, 1, 2.0}}, 0.0, {15, 15}},
        {"rows 1, 2, 1", 20, {{0, 1, 1.0}, {0, 1, 2.0}, {0, 1, 1.0}}, 0.0, {5, 10, 5}},
        {"no total: the minimum", 0, {{0, 1, 1.0}, {0, 2, 1.0}}, 0.0, {3, 3}},
        {"step floor", 4, {{0, 1, 1.0}, {0, 1, 3.0}}, 0.25, {4, 12}},
        {"unset step sets no floor", 4, {{0, 1, 1.0}, {0, 1, 3.0}}, -1.0, {3, 3}},
        {"more than fifty regions", 600, std::vector<CMeshRegion>(60, CMeshRegion{0, 1, 1.0}), 0.0,
         std::vector<int>(60, 10)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Counts(Distribute(c.total, c.regions, c.step)), c.expect) << c.name;
}

TEST(MeshCalculator, GradingFollowsTheJumpsToTheNeighbours)
{
    // Equal doping everywhere: only the material tags make jumps.
    const std::vector<CMeshRegion> regions = {{1e17, 1, 1.0}, {1e17, 2, 3.0}, {1e17, 4, 1.0}, {1e17, 4, 1.0}};
    const std::vector<CMeshRegionResult> r = Distribute(40, regions);
    EXPECT_DOUBLE_EQ(r[0].m_dRatio, 0.8);   // change to its right
    EXPECT_EQ(r[0].m_nHigh, 1);
    EXPECT_EQ(r[0].m_nLow, 0);
    EXPECT_DOUBLE_EQ(r[1].m_dRatio, -1.2);  // changes on both sides, the right one twice the left
    EXPECT_DOUBLE_EQ(r[1].m_dShift, 3.0 / 6.0);
    EXPECT_EQ(r[1].m_nLow, 1);
    EXPECT_EQ(r[1].m_nHigh, 1);
    EXPECT_DOUBLE_EQ(r[2].m_dRatio, 1.2);   // change to its left only
    EXPECT_DOUBLE_EQ(r[3].m_dRatio, 1.0);
    EXPECT_EQ(r[3].m_nLow + r[3].m_nHigh, 0);

    const std::vector<CMeshRegionResult> equal = Distribute(40, {{1e17, 1, 1}, {1e17, 2, 2}, {1e17, 1, 1}});
    EXPECT_DOUBLE_EQ(equal[1].m_dRatio, -1.2);
    EXPECT_DOUBLE_EQ(equal[1].m_dShift, 0.0);
    // Doping alone makes a jump: 4 x (1 - 0.5).
    EXPECT_DOUBLE_EQ(Distribute(40, {{1e18, 1, 1}, {5e17, 1, 1}})[1].m_dRatio, 1.2);
}

TEST(MeshCalculator, WithoutAnyDopingMeshesAreEvenAndFlagsFollowMaterials)
{
    const std::vector<CMeshRegionResult> r = Distribute(40, {{0, 1, 1.0}, {0, 2, 1.0}, {0, 2, 2.0}});
    EXPECT_EQ(Counts(r), (std::vector<int>{10, 10, 20}));
    for (const CMeshRegionResult& region : r) {
        EXPECT_DOUBLE_EQ(region.m_dRatio, 1.0);
        EXPECT_DOUBLE_EQ(region.m_dShift, 0.0);
    }
    EXPECT_EQ(r[0].m_nHigh, 1);
    EXPECT_EQ(r[1].m_nLow, 1);
    EXPECT_EQ(r[1].m_nHigh, 0);
    const std::vector<CMeshRegionResult> one = Distribute(7, {{1e18, 1, 2.0}});
    EXPECT_EQ(one[0].m_nCount, 7);
    EXPECT_DOUBLE_EQ(one[0].m_dRatio, 1.0);
}

using AutoMesh = DocFixture;

TEST_F(AutoMesh, FillsOnlyUnsetCountsFromTheReferenceColumnAndRow)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "algaas", "gaas"});
    AddColumn(0, {"gaas", "algaas", "gaas"});
    Seg(0).m_nTotalXMesh = 20;
    Seg(0).m_nTotalYMesh = 40;
    for (int c = 0; c < 2; ++c) {
        LayerAt(0, c, 0).m_fHeight = 1.0f;
        LayerAt(0, c, 1).m_fHeight = 2.0f;
        LayerAt(0, c, 2).m_fHeight = 1.0f;
    }
    Seg(0).Column(1).m_Mesh.m_nMeshNum = 7;
    LayerAt(0, 1, 2).m_Mesh.m_nMeshNum = 9;
    doc().AutoMeshZsegment(0);

    EXPECT_EQ(Seg(0).Column(0).m_Mesh.m_nMeshNum, 10);
    EXPECT_EQ(Seg(0).Column(1).m_Mesh.m_nMeshNum, 7);
    const int expectRows[] = {10, 20, 10};
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(LayerAt(0, 0, j).m_Mesh.m_nMeshNum, expectRows[j]) << j;
    EXPECT_EQ(LayerAt(0, 1, 2).m_Mesh.m_nMeshNum, 9);
    EXPECT_EQ(LayerAt(0, 1, 0).m_Mesh.m_nMeshNum, 10);
    // Material numbers: gaas 1, algaas 2, in every column alike.
    EXPECT_EQ(LayerAt(0, 1, 0).m_nMaterialTag, 1);
    EXPECT_EQ(LayerAt(0, 1, 1).m_nMaterialTag, 2);
    EXPECT_EQ(LayerAt(0, 0, 0).m_Mesh.m_nExtraHigh, 1);
    EXPECT_EQ(LayerAt(0, 0, 1).m_Mesh.m_nExtraLow, 1);
}

TEST_F(AutoMesh, ReferenceIndicesPreferTheMostStructuredAndTheLaterAmongEquals)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "gaas", "gaas"});
    AddColumn(0, {"gaas", "inp", "gaas"});
    AddColumn(0, {"gaas", "inp", "gaas"});
    doc().PrepareAutoMesh(0);
    EXPECT_EQ(doc().m_nRefColumn, 2);  // columns 1 and 2 score alike: the later one
    EXPECT_EQ(doc().m_nRefLayer, 1);   // the only row with a change across the columns

    UseZSegments(1);
    AddColumn(0, {"gaas"});
    AddColumn(0, {"gaas"});
    doc().PrepareAutoMesh(0);
    EXPECT_EQ(doc().m_nRefColumn, 1);
    EXPECT_EQ(doc().m_nRefLayer, 0);
}
