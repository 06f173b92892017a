// The normal form of a number written into a cell.

#include "spreadsheet/SheetIOBase.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TrimCase {
    const char* text;
    const char* trimmed;
};

void PrintTo(const TrimCase& c, std::ostream* os) { *os << '"' << c.text << "\" -> \"" << c.trimmed << '"'; }

class TrimNumberText : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimNumberText, DropsTheZerosThatFormattingLeftBehind)
{
    std::string text = GetParam().text;
    CSheetIOBase::TrimNumberText(text);
    EXPECT_EQ(text, GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimNumberText,
                         ::testing::Values(TrimCase{"12", "12"}, TrimCase{"1.500000", "1.5"},
                                           TrimCase{"2.000000", "2"}, TrimCase{"0.000000", "0"},
                                           TrimCase{"  -0.250000 ", "-0.25"}, TrimCase{"100.000000", "100"},
                                           TrimCase{"1.500000e+003", "1.5e+003"},
                                           TrimCase{"1.000000e-005", "1.e-005"},
                                           TrimCase{"1.000000E+018", "1.e+018"}, TrimCase{"ABC", "abc"},
                                           TrimCase{"", ""}));

TEST(SheetIOBase, TrimmedNumberFormatsWithSixDecimalsFirst)
{
    EXPECT_EQ(CSheetIOBase::TrimmedNumber(1.2f), "1.2");
    EXPECT_EQ(CSheetIOBase::TrimmedNumber(0.0000004), "0");
    EXPECT_EQ(CSheetIOBase::TrimmedNumber(-3.0), "-3");
    EXPECT_TRUE(CSheetIOBase::IsEmptyText(""));
    EXPECT_FALSE(CSheetIOBase::IsEmptyText(" "));
}

} // namespace
