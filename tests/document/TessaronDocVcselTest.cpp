#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace {

class VcselNames : public DocFixture {
protected:
    // Current z-segment with two columns of five rows; `name` set on (column, row) with the flag.
    void SetUp() override
    {
        UseZSegments(2);
        AddColumn(0, {"gaas", "gaas", "gaas", "gaas", "gaas"});
        AddColumn(0, {"gaas", "gaas", "gaas"});
        AddColumn(1, {"gaas", "void"});
    }
    void Name(int zseg, int column, int row, const std::string& name, int flag = 1)
    {
        LayerAt(zseg, column, row).m_Vcsel.Edit().m_strVcselType = name;
        LayerAt(zseg, column, row).m_nVcselFlag = flag;
    }
};

}  // namespace

TEST_F(VcselNames, UsedNamesAreListedRowByRowOncePerLayer)
{
    Name(0, 1, 2, "B");
    Name(0, 0, 4, "A");
    Name(0, 0, 1, "B");
    Name(0, 1, 1, "A");
    Name(0, 0, 3, "C", 0);  // flag clear
    std::vector<std::string> names;
    doc().CollectUsedMacroNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"B", "A", "B", "A"}));
    EXPECT_TRUE(doc().IsMacroNameUsed("A"));
    EXPECT_FALSE(doc().IsMacroNameUsed("C"));
    EXPECT_FALSE(doc().IsMacroNameUsed(""));
}

TEST_F(VcselNames, AZSegmentWithoutColumnsUsesNoName)
{
    g_nCurZSeg = 3;
    EXPECT_FALSE(doc().IsMacroNameUsed("A"));
    EXPECT_EQ(doc().GetLastMacroName(2), "");
}

TEST_F(VcselNames, FindInOtherRowTellsWhetherTheFirstFindLiesBelowOrAbove)
{
    Name(0, 0, 1, "V");
    Name(0, 1, 1, "W", 0);  // found by its text whatever its flag
    Name(0, 0, 4, "V");
    struct Case {
        int row;
        const char* name;
        int expect;
    };
    for (const Case& c : {Case{4, "V", 0}, Case{0, "V", 1}, Case{1, "V", 1}, Case{2, "W", 0}, Case{1, "W", -1},
                          Case{0, "X", -1}}) {
        EXPECT_EQ(doc().FindMacroNameInOtherRow(c.row, c.name), c.expect) << c.row << c.name;
    }
}

TEST_F(VcselNames, LastNameBelowARowIsTheLatestFind)
{
    Name(0, 1, 0, "A");
    Name(0, 0, 2, "B");
    Name(0, 1, 2, "C");
    Name(0, 0, 3, "D", 0);
    EXPECT_EQ(doc().GetLastMacroName(0), "");
    EXPECT_EQ(doc().GetLastMacroName(2), "A");
    EXPECT_EQ(doc().GetLastMacroName(5), "C");
}

TEST_F(VcselNames, ApplyingASectionReachesEveryRealLayerNamingIt)
{
    Name(0, 0, 0, "S");
    Name(0, 1, 2, "S");
    Name(0, 0, 1, "S", 0);  // flag clear: untouched
    Name(1, 0, 0, "S");
    Name(1, 0, 1, "S");     // "void": untouched
    CVcselSection section;
    section.m_strVcselType = "T";
    section.m_nMeshPoints = 7;
    doc().ApplyVcselSection("", 2, section);
    EXPECT_EQ(LayerAt(0, 0, 0).m_Vcsel->m_nMeshPoints, 0);
    doc().ApplyVcselSection("S", 2, section);
    for (auto [z, c, r] : {std::tuple{0, 0, 0}, std::tuple{0, 1, 2}, std::tuple{1, 0, 0}}) {
        EXPECT_EQ(LayerAt(z, c, r).m_Vcsel->m_strVcselType, "T");
        EXPECT_EQ(LayerAt(z, c, r).m_Vcsel->m_nMeshPoints, 7);
        EXPECT_EQ(LayerAt(z, c, r).m_nVcselFlag, 2);
    }
    EXPECT_EQ(LayerAt(0, 0, 1).m_Vcsel->m_strVcselType, "S");
    EXPECT_EQ(LayerAt(1, 0, 1).m_Vcsel->m_strVcselType, "S");
}
