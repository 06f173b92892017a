#include "textfiles/UnusableNumbers.h"

#include "platform/Archive.h"
#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// A value found, as the report's line gives it: "<file name>, line <n>: <param>=<text> (<reason>)".
struct NumbersCase {
    const char* what;
    std::string text;                   // the ".layer" file
    std::string include;                // "part.inc", included by the text; "" none
    std::vector<std::string> expected;  // the report's lines after its first, "{dir}" the folder
};

void PrintTo(const NumbersCase& c, std::ostream* os) { *os << c.what; }

const char kSound[] =
    "begin_layer\r\n"
    "column column_num=1 w=2.5 mesh_num=6 r=1.2\r\n"
    "layer_mater macro_name=gaas column_num=1 n_doping=1e24 var1=0.3\r\n"
    "layer d=1.5 n=10 r=1 n_doping1=1e24 w1=2\r\n"
    "end_layer\r\n";

const NumbersCase kCases[] = {
    {"a sound file", kSound, "", {}},
    {"a width that is no number", "begin_layer\r\ncolumn column_num=1 w=abc mesh_num=6\r\nlayer d=1\r\nend_layer\r\n",
     "", {"{dir}dev.layer, line 2: w=abc (not a number, read as 0)"}},
    {"a negative height and a zero width, all in one report",
     "begin_layer\r\ncolumn column_num=1 w=2\r\ncolumn column_num=2 w=3\r\nlayer d=-1 w2=0 n=4\r\nend_layer\r\n", "",
     {"{dir}dev.layer, line 4: d=-1 (less than 0.00001)", "{dir}dev.layer, line 4: w2=0 (less than 0.00001)"}},
    // Edge widths of 0 make a triangle; only a number is asked of them.
    {"edge widths of 0 are kept, a word is not",
     "begin_layer\r\ncolumn column_num=1 w=2\r\nlayer d=1 upper_w1=0 lower_w1=wide\r\nend_layer\r\n", "",
     {"{dir}dev.layer, line 3: lower_w1=wide (not a number, read as 0)"}},
    {"numbers of materials, doping and contacts",
     "begin_layer\r\ncolumn column_num=1 w=2\r\nbottom_contact column_num=1 from=0 to=end contact_num=1\r\n"
     "layer_mater macro_name=gaas column_num=1 n_doping=lots var2=x\r\nlayer d=1 p_doping1=?\r\nend_layer\r\n",
     "",
     {"{dir}dev.layer, line 3: to=end (not a number, read as 0)",
      "{dir}dev.layer, line 4: n_doping=lots (not a number, read as 0)",
      "{dir}dev.layer, line 4: var2=x (not a number, read as 0)",
      "{dir}dev.layer, line 5: p_doping1=? (not a number, read as 0)"}},
    {"texts that are not numbers of the reader are left alone",
     "begin_layer\r\ncolumn column_num=1 w=2\r\nlayer_mater macro_name=gaas column_num=1 solve_wave=no\r\n"
     "layer d=1 vcsel_type=dbr\r\nend_layer\r\n",
     "", {}},
    {"an empty value is a parameter left out", "begin_layer\r\ncolumn column_num=1 w=2\r\nlayer n=4 d=\r\nend_layer\r\n",
     "", {}},
    {"lines counted past comments, blank lines and continued statements",
     "$ title\r\n\r\nbegin_layer\r\ncolumn column_num=1 w=2 &&\r\n  mesh_num=4\r\n\r\n\r\nlayer n=4 &&\r\n  d=-2\r\nend_layer\r\n",
     "", {"{dir}dev.layer, line 8: d=-2 (less than 0.00001)"}},
    {"a value of an included file is named in that file",
     "begin_layer\r\ncolumn column_num=1 w=2\r\ninclude file=part.inc\r\nlayer d=x\r\nend_layer\r\n",
     "$ rows\r\nlayer d=1 n=z\r\n",
     {"{dir}part.inc, line 2: n=z (not a number, read as 0)", "{dir}dev.layer, line 4: d=x (not a number, read as 0)"}},
};

class UnusableNumbersCases : public ::testing::TestWithParam<NumbersCase> {
protected:
    ScriptedPrompts prompts;
    TempFolder folder;
};

}  // namespace

TEST_P(UnusableNumbersCases, AreNamedWithTheirFileLineAndParameter)
{
    const NumbersCase& c = GetParam();
    const std::string path = folder.Write("dev.layer", c.text);
    if (!c.include.empty())
        folder.Write("part.inc", c.include);
    CKeywordLineList lines;
    CLoadContext context;
    CArchive archive;
    ASSERT_TRUE(archive.OpenLoad(path));
    ASSERT_TRUE(lines.Serialize(archive, context));

    CUnusableNumbers numbers;
    numbers.Collect(lines, path);
    EXPECT_EQ(numbers.IsEmpty(), c.expected.empty());
    std::string expected = "Some values cannot be used as numbers:";
    for (std::string line : c.expected)
        expected += "\n" + line.replace(0, 5, folder.File(""));
    if (!c.expected.empty()) {
        EXPECT_EQ(numbers.Report(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableNumbersCases, ::testing::ValuesIn(kCases));

TEST(UnusableNumbers, AReportOfManyValuesNamesTheFirstThirtyAndCountsTheRest)
{
    ScriptedPrompts prompts;
    TempFolder folder;
    std::string text = "begin_layer\r\ncolumn column_num=1 w=2\r\n";
    for (int i = 0; i < 32; ++i)
        text += "layer d=0\r\n";
    const std::string path = folder.Write("many.layer", text + "end_layer\r\n");
    CKeywordLineList lines;
    CLoadContext context;
    CArchive archive;
    ASSERT_TRUE(archive.OpenLoad(path));
    ASSERT_TRUE(lines.Serialize(archive, context));
    CUnusableNumbers numbers;
    numbers.Collect(lines, path);
    EXPECT_EQ(numbers.Values().size(), 32u);
    const std::string report = numbers.Report();
    EXPECT_NE(report.find(path + ", line 32: d=0 (less than 0.00001)\nand 2 more."), std::string::npos) << report;
    EXPECT_EQ(report.find("line 33"), std::string::npos) << report;
}
