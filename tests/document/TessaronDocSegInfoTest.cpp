#include "support/DocFixture.h"

#include <gtest/gtest.h>

using SegInfoSync = DocFixture;

namespace {

const char kMismatch[] = "Seg info. num is not equ face num!";
const char kZPlanes[] = "Because you use the 3d-isolated-layer method,\nit will set zplanes==1 in each planes!";

}  // namespace

TEST_F(SegInfoSync, BuildTakesRangesNamesAndMaterialSetsAndKeepsTheNamingFlag)
{
    UseZSegments(2);
    Seg(0).m_Params.m_dZFrom = 0.0;
    Seg(0).m_Params.m_dZTo = 10.0;
    Seg(0).m_strLayerFile = "dir\\dev.layer";
    Seg(1).m_Params.m_dZFrom = 10.0;
    Seg(1).m_Params.m_dZTo = 25.0;
    Seg(1).m_strLayerFile = "dev2.layer";
    doc().m_MaterialSets.resize(1);
    doc().m_MaterialSets[0].m_Includes[500] = "include file=a.inc";
    doc().m_SegInfoList.m_nNaming = 1;
    doc().m_SegInfoList.m_strName = "old";

    doc().BuildSegInfoList();
    const CSegInfoList& list = doc().m_SegInfoList;
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.m_nNaming, 1);
    EXPECT_EQ(list.m_strName, "");
    EXPECT_EQ(list.GetAt(0)->m_strName, "dev");
    EXPECT_EQ(list.GetAt(1)->m_strName, "dev2");
    EXPECT_EQ(list.GetAt(1)->m_dZBegin, 10.0);
    EXPECT_EQ(list.GetAt(1)->m_dZEnd, 25.0);
    EXPECT_EQ(list.GetAt(0)->m_MaterialSet.m_Includes.size(), 1u);
    EXPECT_TRUE(list.GetAt(1)->m_MaterialSet.m_Includes.empty());

    UseZSegments(0);
    doc().BuildSegInfoList();
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 0);
    EXPECT_EQ(doc().m_SegInfoList.m_nNaming, 1);
}

TEST_F(SegInfoSync, RangesCopyBothWaysAndMaterialSetsFollowTheRecords)
{
    UseZSegments(2);
    CSegInfo a, b;
    a.m_dZEnd = 5.0;
    b.m_dZBegin = 5.0;
    b.m_dZEnd = 9.0;
    b.m_MaterialSet.m_Includes[1] = "x";
    doc().m_SegInfoList.Append(a);
    doc().m_SegInfoList.Append(b);
    doc().UpdateZsegmentsFromSegInfo();
    EXPECT_EQ(Seg(1).m_Params.m_dZFrom, 5.0);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 9.0);
    ASSERT_EQ(doc().m_MaterialSets.size(), 2u);
    EXPECT_EQ(doc().m_MaterialSets[1].m_Includes.at(1), "x");

    Seg(0).m_Params.m_dZTo = 4.0;
    doc().UpdateSegInfoFromZsegments();
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_dZEnd, 4.0);
}

TEST_F(SegInfoSync, CountMismatchIsReportedAndChangesNothing)
{
    UseZSegments(3);
    doc().m_SegInfoList.Append(CSegInfo());
    doc().m_MaterialSets.resize(3);
    Seg(0).m_Params.m_dZTo = 7.0;
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDOK);
    doc().UpdateZsegmentsFromSegInfo();
    doc().UpdateSegInfoFromZsegments();
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{kMismatch, kMismatch}));
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 7.0);
    EXPECT_EQ(doc().m_MaterialSets.size(), 3u);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_dZEnd, 0.0);
}

TEST_F(SegInfoSync, IsolatedLayerRuleForcesOneZPlaneAndReportsTheFirstRealExtent)
{
    struct Case {
        const char* method;
        std::vector<int> planes;
        double extent;  // of z-segment 1
        float from, to;
        bool message;
        std::vector<int> expectPlanes;
        bool expect;
    };
    const Case cases[] = {
        {"no", {3, 1, 5}, 0.0, 0.0f, 0.5f, true, {1, 1, 1}, false},
        {"no", {1}, 0.0, 0.0f, 0.005f, false, {1}, false},
        {"no", {1}, 0.0, 0.0f, 0.5f, false, {1}, true},
        {"no", {2}, 0.0, 0.0f, 0.5f, true, {1}, true},
        {"no", {1}, 1.0, 0.0f, 0.5f, false, {1}, false},
        {"yes", {4}, 0.0, 0.0f, 0.5f, false, {4}, true},
        {"yes", {4, 2}, 0.0, 0.0f, 0.5f, false, {4, 2}, false},
        {"No", {3}, 0.0, 1.0f, 1.0f, false, {3}, false},
    };
    for (const Case& c : cases) {
        UseZSegments(static_cast<int>(c.planes.size()));
        for (std::size_t i = 0; i < c.planes.size(); ++i)
            Seg(int(i)).m_Params.m_nZPlanes = c.planes[i];
        Seg(0).m_Params.m_dZTo = c.extent;
        g_strIsolatedMethod = c.method;
        prompts.Clear();
        if (c.message)
            prompts.AnswerNext(IDOK);
        EXPECT_EQ(doc().ApplyIsolatedLayerRule(c.from, c.to), c.expect) << c.method << c.planes.size();
        std::vector<int> planes;
        for (std::size_t i = 0; i < c.planes.size(); ++i)
            planes.push_back(Seg(int(i)).m_Params.m_nZPlanes);
        EXPECT_EQ(planes, c.expectPlanes);
        EXPECT_EQ(prompts.Texts(), c.message ? std::vector<std::string>{kZPlanes} : std::vector<std::string>{});
    }
}
