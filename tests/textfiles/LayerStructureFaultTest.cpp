#include "textfiles/LayerStructureFault.h"

#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct FaultCase {
    const char* what;
    std::string text;   // statements, one a line
    std::string fault;  // what the second line of "File data error!" says after the path
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.what; }

std::string Repeat(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

const FaultCase kCases[] = {
    {"a device", "begin_layer\ncolumn column_num=1 w=2\nlayer d=1\nend_layer\n", ""},
    {"no column", "begin_layer\nlayer d=1\nend_layer\n", "it has no column statement."},
    {"21 columns", "begin_layer\n" + Repeat("column w=1", 21) + "layer d=1\nend_layer\n",
     "it has 21 columns; at most 20 are read."},
    {"501 rows", "begin_layer\ncolumn w=1\n" + Repeat("layer d=1", 501) + "end_layer\n",
     "it has 501 layer statements; at most 500 are read."},
    {"nine bottom contacts", "begin_layer\ncolumn w=1\n" + Repeat("bottom_contact column_num=1 from=0 to=1", 9) +
                                 "layer d=1\nend_layer\n",
     "column 1 has more than 8 bottom contacts."},
    {"materials of rows never given",
     "begin_layer\ncolumn w=1\nlayer_mater macro_name=gaas column_num=1\nlayer d=1\n"
     "layer_mater macro_name=gaas column_num=1\nend_layer\n",
     "column 1 has 2 layer_mater statements but there are only 1 layer statements; the file may be cut off."},
    {"cut off before end_layer", "begin_layer\ncolumn w=1\nlayer d=1\n",
     "begin_layer has no end_layer after it; the file may be cut off."},
};

class LayerStructureFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    ScriptedPrompts prompts;
};

}  // namespace

TEST_P(LayerStructureFaults, NameWhyTheStatementsMakeNoDevice)
{
    const FaultCase& c = GetParam();
    CKeywordLineList lines;
    std::size_t start = 0;
    for (std::size_t end = c.text.find('\n'); end != std::string::npos; start = end + 1, end = c.text.find('\n', start)) {
        CKeywordLine line;
        line.Parse(c.text.substr(start, end - start));
        lines.m_lines.push_back(line);
    }
    EXPECT_EQ(DescribeLayerStructureFault(lines), c.fault);
    EXPECT_EQ(LayerDataErrorText("dir/dev.layer", lines),
              "File data error!\ndir/dev.layer" + (c.fault.empty() ? std::string() : ": " + c.fault));
}

INSTANTIATE_TEST_SUITE_P(Statements, LayerStructureFaults, ::testing::ValuesIn(kCases));
