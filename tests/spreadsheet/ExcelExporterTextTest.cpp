// The texts of the workbook grid that depend on no sheet: grating tags and macro cells, remarks,
// column names, exact numbers and the cell text of file bytes.

#include "spreadsheet/CellText.h"
#include "spreadsheet/ExcelExporter.h"

#include "model/LayerRec.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TagCase {
    int column, layer;
    const char* active;
    const char* tag;
};
void PrintTo(const TagCase& c, std::ostream* os) { *os << c.column << "," << c.layer << " '" << c.active << "'"; }

class DfbTag : public ::testing::TestWithParam<TagCase> {};

TEST_P(DfbTag, NamesTheColumnAndLayerFromOneAndTheActiveMacro)
{
    EXPECT_EQ(CExcelExporter::FormatDfbTag(GetParam().column, GetParam().layer, GetParam().active), GetParam().tag);
    EXPECT_EQ(CExcelExporter::FormatGratingTag(GetParam().column, GetParam().layer, GetParam().active),
              std::string(";1;") + GetParam().tag);
}

INSTANTIATE_TEST_SUITE_P(Cases, DfbTag,
                         ::testing::Values(TagCase{1, 2, "m1", "[DFB-m1-2-3]"}, TagCase{1, 2, "", "[DFB-2-3]"},
                                           TagCase{1, 2, "void", "[DFB-2-3]"}, TagCase{0, 0, "qw", "[DFB-qw-1-1]"}));

constexpr double kUnset = -9999.0;

struct RefCase {
    const char* name;
    double values[5];
    const char* text;
};
void PrintTo(const RefCase& c, std::ostream* os) { *os << "'" << c.name << "' -> '" << c.text << "'"; }

class GratingLayerRef : public ::testing::TestWithParam<RefCase> {};

TEST_P(GratingLayerRef, ListsTheValuesUpToTheLastOneGiven)
{
    CGratingComposRec grating;
    grating.m_strHiMacro = GetParam().name;
    std::copy(std::begin(GetParam().values), std::end(GetParam().values), grating.m_dHiVar);
    CExcelExporter exporter(false, nullptr);
    EXPECT_EQ(exporter.FormatGratingLayerRef(0, grating), GetParam().text);
    // The other cells read other names: none is given here.
    EXPECT_EQ(exporter.FormatGratingLayerRef(2, grating), "");
    EXPECT_EQ(exporter.FormatGratingLayerRef(7, grating), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GratingLayerRef,
    ::testing::Values(RefCase{"m1", {0.3, kUnset, 0.5, kUnset, kUnset}, "m1, 0.3, , 0.5"},
                      RefCase{"m2", {kUnset, kUnset, 0.25, kUnset, kUnset}, "m2, , , 0.25"},
                      RefCase{"m3", {kUnset, kUnset, kUnset, kUnset, kUnset}, "m3"},
                      RefCase{"", {0.3, 0.4, kUnset, kUnset, kUnset}, ""},
                      // Single precision, and the exact form where six decimals are not enough.
                      RefCase{"m4", {1.23456789, 0.0000001, kUnset, kUnset, kUnset}, "m4, 1.2345679, 1e-007"}));

TEST(ExcelExporterTexts, TheRemarkLosesItsLayerTailAndItsDollar)
{
    CLayerRec layer;
    layer.m_strComment = "$ grating layer,##Layer4\n";
    EXPECT_EQ(CExcelExporter::StripLayerRemark(layer), " grating layer");
    layer.m_strComment = "$short\n";
    EXPECT_EQ(CExcelExporter::StripLayerRemark(layer), "short");
    layer.m_strComment = "";
    EXPECT_EQ(CExcelExporter::StripLayerRemark(layer), "");
}

TEST(ExcelExporterTexts, ColumnNamesGoOnPastZZ)
{
    EXPECT_EQ(CSheetIOBase::ColumnName(0, 0), "A");
    EXPECT_EQ(CSheetIOBase::ColumnName(3, 1), "Z");
    EXPECT_EQ(CSheetIOBase::ColumnName(3, 2), "AA");
    EXPECT_EQ(CSheetIOBase::ColumnName(87, 5), "ZZ");
    EXPECT_EQ(CSheetIOBase::ColumnName(87, 6), "AAA");
}

struct NumberCase {
    double value;
    bool single;
    const char* fixed;
    const char* exact;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.fixed << " / " << c.exact; }

class ExactNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ExactNumber, KeepsTheTrimmedFixedFormUnlessItLosesTheValue)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(CSheetIOBase::NumberText(c.value, CSheetIOBase::NumberForm::fixed, c.single), c.fixed);
    EXPECT_EQ(CSheetIOBase::NumberText(c.value, CSheetIOBase::NumberForm::exact, c.single), c.exact);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExactNumber,
                         ::testing::Values(NumberCase{0.5, false, "0.5", "0.5"}, NumberCase{0.1f, true, "0.1", "0.1"},
                                           NumberCase{2.0, false, "2", "2"}, NumberCase{1e-7, false, "0", "1e-007"},
                                           NumberCase{4e-7, true, "0", "4e-007"},
                                           NumberCase{1.23456789, false, "1.234568", "1.23456789"},
                                           NumberCase{-0.25, false, "-0.25", "-0.25"}));

TEST(CellText, FileBytesBecomeUtf8)
{
    EXPECT_EQ(ToCellText("plain"), "plain");
    EXPECT_EQ(ToCellText("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");      // UTF-8 stays
    EXPECT_EQ(ToCellText("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");              // code page 1252 é
    EXPECT_EQ(ToCellText("\x80 5"), "\xE2\x82\xAC 5");                    // the euro sign
    EXPECT_EQ(ToCellText("a\x01" "b"), "a b");                            // XML has no place for it
    EXPECT_EQ(CountUtf8Characters("\xC3\xA9t\xC3\xA9"), 3u);
    EXPECT_EQ(CutUtf8("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
}

}  // namespace
