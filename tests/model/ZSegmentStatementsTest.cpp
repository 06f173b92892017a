#include "model/ZSegment.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

CSectionRecord Section(int kind, float ratio, const std::string& text = CSectionRecord::kDefaultText)
{
    CSectionRecord record;
    record.m_nKind = kind;
    record.m_fRatio = ratio;
    record.SetText(text);
    return record;
}

}  // namespace

TEST(ZSegmentSections, BuildSectionStatements)
{
    struct Case {
        const char* what;
        std::vector<CSectionRecord> sections;
        std::vector<int> kinds;
        std::vector<std::string> texts;
    };
    const std::string insideDefault = "section length=1.000000e-004 sec_num=1 mesh_points=7";
    const std::string gapDefault = "section length=2.000000e-005 sec_num=1 mesh_points=7";
    const Case cases[] = {
        {"no sections: one inside, one in the gap", {}, {0, 1}, {insideDefault, gapDefault}},
        {"a gap section alone gets an inside section after it", {Section(1, 1.0f)}, {1, 0}, {gapDefault, insideDefault}},
        {"ratios scale the lengths",
         {Section(0, 0.5f), Section(1, 0.5f)},
         {0, 1},
         {"section length=5.000000e-005 sec_num=1 mesh_points=7",
          "section length=1.000000e-005 sec_num=1 mesh_points=7"}},
        {"an empty text is left alone; a missing length is added",
         {Section(0, 1.0f, ""), Section(1, 1.0f, "section sec_num=2")},
         {0, 1},
         {"", "section sec_num=2 length=2.000000e-005"}},
    };
    for (const Case& c : cases) {
        CZSegment seg;
        seg.m_Params.m_dZFrom = 50.0;
        seg.m_Params.m_dZTo = 150.0;
        seg.m_Sections = c.sections;
        seg.BuildSectionStatements(20.0f);
        ASSERT_EQ(seg.m_Sections.size(), c.kinds.size()) << c.what;
        for (size_t i = 0; i < c.kinds.size(); ++i) {
            EXPECT_EQ(seg.m_Sections[i].m_nKind, c.kinds[i]) << c.what << " " << i;
            EXPECT_EQ(seg.m_Sections[i].GetText(), c.texts[i]) << c.what << " " << i;
        }
    }
}

TEST(ZSegmentStatementGroups, LoadWriteAndClear)
{
    TempFolder folder;
    std::string gain = folder.Write("dev.gain", "gain_model a=1\r\n$ note\r\ngain_table b=2\r\n");

    CZSegment seg;
    CLoadContext deck;  // the load context of the deck the groups belong to
    seg.LoadStatementGroup(GROUP_GAIN, gain, deck);
    EXPECT_EQ(seg.m_GainLines.GetCount(), 3);
    seg.LoadStatementGroup(GROUP_DOPING, folder.File("missing.doping"), deck);
    EXPECT_EQ(seg.m_DopingLines.GetCount(), 0);
    seg.LoadStatementGroup(3, gain, deck);  // no such group
    EXPECT_EQ(seg.m_MaterLines.GetCount() + seg.m_DopingLines.GetCount(), 0);

    // A non-empty group is written back as read; an empty group leaves an existing file alone.
    seg.WriteStatementGroup(GROUP_GAIN, folder.File("out.gain"));
    EXPECT_EQ(folder.Read("out.gain"), "gain_model a=1\r\n$ note\r\ngain_table b=2\r\n");
    folder.Write("out.mater", "keep me\r\n");
    seg.WriteStatementGroup(GROUP_MATER, folder.File("out.mater"));
    EXPECT_EQ(folder.Read("out.mater"), "keep me\r\n");

    CKeywordLine line;
    line.Parse(std::string("zmater name=gaas"));
    seg.AddZmaterLine(line);
    EXPECT_EQ(seg.m_MaterialLines.GetCount(), 1);
    CZSegment copy = seg;
    EXPECT_EQ(copy.m_GainLines.GetCount(), 3);

    seg.Clear();
    EXPECT_EQ(seg.m_GainLines.GetCount() + seg.m_MaterialLines.GetCount(), 0);
}
