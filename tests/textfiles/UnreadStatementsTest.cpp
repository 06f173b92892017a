#include "textfiles/UnreadStatements.h"

#include "LayerFileHarness.h"
#include "platform/StringUtil.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct UnreadCase {
    const char* what;
    std::string text;                 // a ".layer" text, one statement a line
    std::vector<std::string> unread;  // its statements a save cannot write from the model
    const char* fixture = nullptr;    // or a fixture file holding the text, read when the test runs
};

std::string CaseText(const UnreadCase& c)
{
    return c.fixture ? FileBytes(std::string(TESSARON_FIXTURES "/") + c.fixture) : c.text;
}

void PrintTo(const UnreadCase& c, std::ostream* os) { *os << c.what; }

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

const UnreadCase kCases[] = {
    {"the fixture", "",
     {"column_position label=early location=left", "column_position label=axis location=center",
      "bottom_contact column_num=7 from=0 to=1 contact_num=9", "left_contact from=0 to=0.5 contact_num=5",
      "layer_position label=early location=top", "layer_position label=mid location=center",
      "grating_compos column_num=5 d_high=0.1 d_low=0.1 hi_macro_name=gaas grating_order=1",
      "top_contact column_num=0 from=0 to=2 contact_num=4"},
     "lossless/unread_statements.layer"},
    {"labels of a column number the segment lacks, and of a row no column reaches",
     Lines({"begin_layer", "column column_num=3 w=2", "column_position label=far location=left",
            "column w=2", "column_position label=first location=right",
            "layer_mater macro_name=inp column_num=1", "layer_mater macro_name=inp column_num=2", "layer d=1",
            "layer_mater column_num=1", "layer_mater column_num=2", "layer d=1",
            "layer_position label=gone location=top", "end_layer"}),
     {"column_position label=far location=left", "layer_position label=gone location=top"}},
    {"a distance is a position, whatever the location word says",
     Lines({"begin_layer", "column column_num=1 w=2", "column_position label=a location=center delta_x_from_left=1",
            "layer_mater macro_name=inp column_num=1", "layer d=1",
            "layer_position label=b location=centre delta_y_from_top=0.2", "end_layer"}),
     {}},
    {"gratings of no layer in use, of no column, and after the last row",
     Lines({"begin_layer", "column column_num=1 w=2", "column column_num=2 w=2",
            "layer_mater macro_name=inp column_num=1", "layer_mater macro_name=inp column_num=2",
            "grating_compos d_high=0.1", "layer d=1", "layer_mater macro_name=inp column_num=1",
            "layer_mater column_num=2", "grating_compos column_num=2 d_high=0.2",
            "grating_compos column_num=1 d_high=0.3", "layer d=1", "grating_compos column_num=1 d_high=0.4",
            "end_layer"}),
     {"grating_compos d_high=0.1", "grating_compos column_num=2 d_high=0.2",
      "grating_compos column_num=1 d_high=0.4"}},
};

std::vector<std::string> UnreadTexts(const CKeywordLineList& lines)
{
    const std::vector<bool> unread = CUnreadStatements::Find(lines);
    std::vector<std::string> texts;
    for (int i = 0; i < lines.GetCount(); ++i)
        if (unread[static_cast<std::size_t>(i)])
            texts.push_back(Trim(lines[i].m_strText));
    return texts;
}

class UnreadStatements : public ::testing::TestWithParam<UnreadCase> {
protected:
    UnreadStatements() { prompts.AllowUnscripted(); }  // "Grating_compos is not correct!"
    ScriptedPrompts prompts;
};

}  // namespace

TEST_P(UnreadStatements, AreTheOwnedStatementsTheModelCannotGiveBack)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText(CaseText(GetParam())));
    EXPECT_EQ(UnreadTexts(h.lines), GetParam().unread);
}

TEST_P(UnreadStatements, LeaveTheDeviceAsTheReaderBuildsItWithoutThem)
{
    LayerFileHarness all;
    ASSERT_TRUE(all.LoadText(CaseText(GetParam())));
    ASSERT_EQ(all.Read(), 1);

    std::string without;
    CKeywordLineList lines = all.copy;
    const std::vector<bool> unread = CUnreadStatements::Find(lines);
    for (int i = 0; i < lines.GetCount(); ++i)
        if (!unread[static_cast<std::size_t>(i)])
            without += lines[i].m_strText + "\r\n";
    LayerFileHarness rest;
    ASSERT_TRUE(rest.LoadText(without));
    ASSERT_EQ(rest.Read(), 1);

    // Side contacts before the first row are read, into a group the writer never writes.
    CZSegment read = all.zsegs[0];
    auto& groups = read.m_SideContacts;
    groups.erase(std::remove_if(groups.begin(), groups.end(), [](const CContactList& g) { return g.m_nRow < 0; }),
                 groups.end());
    ExpectSameZSegment(rest.zsegs[0], read);
}

INSTANTIATE_TEST_SUITE_P(LayerTexts, UnreadStatements, ::testing::ValuesIn(kCases));
