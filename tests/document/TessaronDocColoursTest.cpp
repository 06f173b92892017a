#include "support/DocFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using LayerColours = DocFixture;

namespace {

CLayerMaterial Material(const std::string& bulk, double var1 = 0.0)
{
    CLayerMaterial material;
    material.m_Bulk.m_strName = bulk;
    material.m_Bulk.m_dVar[0] = var1;
    return material;
}

std::pair<int, int> Pick(CTessaronDoc& doc, const CLayerMaterial& material, int skipColumn = -1,
                         int skipRow = -1, int skipZSeg = -1)
{
    int colour = -5, pattern = -5;
    doc.PickLayerColour(material, CLayerDoping(), colour, pattern, skipColumn, skipRow, skipZSeg);
    return {colour, pattern};
}

}  // namespace

TEST_F(LayerColours, NewKindsWalkTheLeastUsedPairs)
{
    UseZSegments(1);
    std::vector<std::pair<int, int>> got;
    for (int i = 0; i < 24; ++i)
        got.push_back(Pick(doc(), Material("m", i)));
    EXPECT_EQ(got[0], std::make_pair(0, 0));
    EXPECT_EQ(got[1], std::make_pair(1, 1));
    EXPECT_EQ(got[2], std::make_pair(2, 2));
    EXPECT_EQ(got[15], std::make_pair(15, 0));
    EXPECT_EQ(got[23], std::make_pair(0, 8));
    EXPECT_EQ(g_ColourUsage[0][8], 1);
}

TEST_F(LayerColours, AfterEveryPairIsUsedOnceTheWalkGoesOnFromStep400)
{
    UseZSegments(1);
    for (int c = 0; c < 23; ++c)
        for (int p = 0; p < 15; ++p)
            g_ColourUsage[c][p] = 1;
    EXPECT_EQ(Pick(doc(), Material("m")), std::make_pair(9, 10));
    EXPECT_EQ(g_ColourUsage[9][10], 2);
}

TEST_F(LayerColours, WhenEveryPairIsUsedTenTimesTheLeastUsedPairIsChosen)
{
    UseZSegments(1);
    for (int c = 0; c < 23; ++c)
        for (int p = 0; p < 15; ++p)
            g_ColourUsage[c][p] = 12;
    g_ColourUsage[4][2] = 10;
    g_ColourUsage[7][3] = 11;
    EXPECT_EQ(Pick(doc(), Material("m")), std::make_pair(4, 2));
    EXPECT_EQ(g_ColourUsage[4][2], 11);
}

TEST_F(LayerColours, AnEqualLayerLendsItsPairFirstInWalkOrder)
{
    UseZSegments(2);
    CColumnRec& first = AddColumn(0, {"gaas", "inp"});
    first.Layer(1).m_nColour = 5;
    first.Layer(1).m_nPattern = 6;
    CColumnRec& other = AddColumn(1, {"inp"});
    other.Layer(0).m_nColour = 8;
    other.Layer(0).m_nPattern = 9;
    g_ColourUsage[5][6] = 40;  // the most used pair is still taken

    EXPECT_EQ(Pick(doc(), Material("inp")), std::make_pair(5, 6));
    EXPECT_EQ(g_ColourUsage[5][6], 41);
    // The layer being changed does not find itself.
    EXPECT_EQ(Pick(doc(), Material("inp"), 0, 1, 0), std::make_pair(8, 9));
    // A layer of its own kind, skipping itself, takes the least used pair.
    EXPECT_EQ(Pick(doc(), Material("gaas"), 0, 0, 0), std::make_pair(0, 0));
}

TEST_F(LayerColours, RecountAddsOneUseForEveryLayerInUse)
{
    UseZSegments(2);
    CColumnRec& column = AddColumn(0, {"gaas", "inp"});
    column.Layer(0).m_nColour = 3;
    column.Layer(0).m_nPattern = 4;
    column.Layer(1).m_nColour = 3;
    column.Layer(1).m_nPattern = 4;
    AddColumn(1, {"gaas"});
    AddColumn(2, {"gaas"});  // not in use
    doc().RecountLayerColours();
    EXPECT_EQ(g_ColourUsage[3][4], 2);
    EXPECT_EQ(g_ColourUsage[0][2], 1);  // the default pair of a fresh layer
    int total = 0;
    for (auto& row : g_ColourUsage)
        for (int cell : row)
            total += cell;
    EXPECT_EQ(total, 3);
}

TEST_F(LayerColours, AssignLayerColoursGivesEqualLayersEqualPairs)
{
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {});
    for (int i = 0; i < 25; ++i)
        column.AppendLayer(MakeLayer("m" + std::to_string(i)));
    doc().AssignLayerColours();
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(column.Layer(i).m_nColour, i % 23) << i;
        EXPECT_EQ(column.Layer(i).m_nPattern, i % 23) << i;
    }
}

TEST_F(LayerColours, AssignLayerColoursComparesContactNamesGradingAndNumbers)
{
    struct Case {
        const char* name;
        void (*change)(CLayerRec&);
        bool shared;
    };
    const Case cases[] = {
        {"contact names", [](CLayerRec& l) { l.m_Material.m_Bulk.m_strName = "contact_p"; }, true},
        {"grading direction", [](CLayerRec& l) { l.m_Material.m_Grading.Edit().m_strDirection = "+y"; }, true},
        {"grade_from", [](CLayerRec& l) { l.m_Material.m_Grading.Edit().m_fGradeFrom = 1e-6f; }, false},
        {"bulk variable", [](CLayerRec& l) { l.m_Material.m_Bulk.m_dVar[5] = 1e-9; }, false},
        {"active name", [](CLayerRec& l) { l.m_Material.m_Active.Edit().m_strName = "qw"; }, false},
        {"doping", [](CLayerRec& l) { l.m_Doping.m_strKind = "n"; }, false},
    };
    for (const Case& c : cases) {
        UseZSegments(1);
        CColumnRec& column = AddColumn(0, {"contact", "contact"});
        c.change(column.Layer(1));
        doc().AssignLayerColours();
        EXPECT_EQ(column.Layer(1).m_nColour == 0 && column.Layer(1).m_nPattern == 0, c.shared) << c.name;
    }
}

// The colour pass searches, for each layer, the z-segments up to its own, in each the columns up
// to its column's index, in its own column the rows below it and in the others only the rows below
// its column's row count; the last identical layer in that walk lends its pair.
TEST_F(LayerColours, AssignLayerColoursSearchesOnlyTheLayersOfItsWalk)
{
    using Device = std::vector<std::vector<std::vector<std::string>>>;  // z-segment, column, bulks
    struct Case {
        const char* name;
        Device device;
        Device expected;  // colour = pattern of each layer, as text
    };
    const Case cases[] = {
        {"an earlier z-segment's later column is not searched",
         {{{"a"}, {"b"}}, {{"b"}}},
         {{{"0"}, {"1"}}, {{"2"}}}},
        {"another column's rows at or above the own row count are not searched",
         {{{"a", "b"}, {"b"}}},
         {{{"0", "1"}, {"2"}}}},
        {"another column's rows below the own row count lend their pair",
         {{{"a", "b"}, {"x", "b"}}},
         {{{"0", "1"}, {"2", "1"}}}},
        {"an earlier z-segment's same column lends its pair",
         {{{"a", "b"}}, {{"x", "b"}}},
         {{{"0", "1"}}, {{"2", "1"}}}},
        {"an earlier z-segment's rows at or above the own row count are not searched",
         {{{"a", "b"}}, {{"b"}}},
         {{{"0", "1"}}, {{"2"}}}},
    };
    for (const Case& c : cases) {
        UseZSegments(static_cast<int>(c.device.size()));
        for (std::size_t z = 0; z < c.device.size(); ++z)
            for (const auto& rows : c.device[z]) {
                CColumnRec& column = AddColumn(static_cast<int>(z), {});
                for (const std::string& bulk : rows)
                    column.AppendLayer(MakeLayer(bulk));
            }
        doc().AssignLayerColours();
        Device pairs;
        for (std::size_t z = 0; z < c.device.size(); ++z) {
            pairs.emplace_back();
            for (const CColumnRec& column : Seg(static_cast<int>(z)).GetColumns()) {
                pairs.back().emplace_back();
                for (const CLayerRec& layer : column.GetLayers())
                    pairs.back().back().push_back(layer.m_nColour == layer.m_nPattern
                                                      ? std::to_string(layer.m_nColour)
                                                      : "mixed");
            }
        }
        EXPECT_EQ(pairs, c.expected) << c.name;
    }
}
