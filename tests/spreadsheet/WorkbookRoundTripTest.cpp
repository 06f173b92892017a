// The workbook object model written to an ".xlsx" file and read back: texts exactly (blanks,
// line breaks, non-ASCII, long texts), formats, row heights, column widths and sheet order.

#include "spreadsheet/ExcelPalette.h"
#include "spreadsheet/ExcelWorkbook.h"
#include "spreadsheet/WorkbookData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class WorkbookRoundTrip : public ::testing::Test {
protected:
    CExcelWorkbook Saved(CExcelWorkbook& workbook)
    {
        const std::string path = folder.File("book.xlsx");
        EXPECT_TRUE(workbook.SaveAs(path, folder.Path() + "/")) << workbook.ErrorText();
        CExcelWorkbook read;
        EXPECT_TRUE(read.Open(path)) << read.ErrorText();
        return read;
    }
    TempFolder folder;
};

}  // namespace

TEST_F(WorkbookRoundTrip, TextsComeBackAsWritten)
{
    CExcelWorkbook workbook;
    CExcelWorksheet sheet = workbook.GetWorksheets().Add("Sheet1");
    const std::string texts[] = {"   ", " padded ", "two\nlines", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "0.50",
                                 "1.e+018", std::string(5000, 'x'), "_x0041_ stays"};
    int row = 1;
    for (const std::string& text : texts)
        sheet.GetRange("B" + std::to_string(row), "B" + std::to_string(row)).SetValue(text), ++row;
    CExcelWorkbook read = Saved(workbook);
    CExcelWorksheet back = read.GetWorksheets().GetItem("Sheet1");
    ASSERT_TRUE(back.IsValid());
    row = 1;
    for (const std::string& text : texts) {
        EXPECT_EQ(back.GetRange("B" + std::to_string(row), "B" + std::to_string(row)).GetValue(), text) << row;
        ++row;
    }
    EXPECT_EQ(back.GetRange("A1", "A1").GetValue(), "");
}

TEST_F(WorkbookRoundTrip, FormatsSizesAndSheetOrderComeBack)
{
    CExcelWorkbook workbook;
    CExcelSheets sheets = workbook.GetWorksheets();
    for (const char* name : {"Sheet1", "Sheet2", "Sheet3"})
        sheets.Add(name);
    CExcelWorksheet sheet = sheets.GetItem(2);
    CExcelRange heading = sheet.GetRange("A1", "A1");
    heading.SetValue("Column_num");
    heading.GetFont().SetName("Times New Roman");
    heading.GetFont().SetSize(8);
    heading.GetFont().SetBold(true);
    CExcelRange band = sheet.GetRange("A1", "C2");
    band.SetWrapText(true);
    band.GetInterior().SetColorIndex(34);
    band.GetBorders().SetWeight(2);
    sheet.GetRange("D5", "D5").SetRowHeight(5);
    sheet.GetRange("H1", "H1").SetColumnWidth(0.5);

    CExcelWorkbook read = Saved(workbook);
    CExcelSheets back = read.GetWorksheets();
    ASSERT_EQ(back.GetCount(), 3);
    EXPECT_EQ(back.GetItem(1).GetName(), "Sheet1");
    EXPECT_EQ(back.GetItem(3).GetName(), "Sheet3");
    CExcelWorksheet second = back.GetItem(2);
    const CCellStyle& style = second.GetRange("A1", "A1").GetStyle();
    EXPECT_EQ(style.m_strFontName, "Times New Roman");
    EXPECT_EQ(style.m_dFontSize, 8.0);
    EXPECT_TRUE(style.m_bBold);
    EXPECT_TRUE(style.m_bWrapText);
    EXPECT_EQ(style.m_nFillRgb, PaletteColour(34));
    EXPECT_EQ(style.m_nBorderWeight, 2);
    // A formatted blank keeps its format and has no value.
    const CCellStyle& blank = second.GetRange("C2", "C2").GetStyle();
    EXPECT_EQ(blank.m_nFillRgb, PaletteColour(34));
    EXPECT_FALSE(blank.m_bBold);
    EXPECT_EQ(second.GetRange("D5", "D5").GetRowHeight(), 5.0);
    EXPECT_EQ(second.GetRange("H1", "H1").GetColumnWidth(), 0.5);
    EXPECT_EQ(second.GetRange("G1", "G1").GetColumnWidth(), -1.0);
}

TEST_F(WorkbookRoundTrip, AFileThatIsNoWorkbookIsRefused)
{
    const std::string path = folder.Write("text.xlsx", "not a zip");
    CExcelWorkbook workbook;
    EXPECT_FALSE(workbook.Open(path));
    EXPECT_FALSE(workbook.ErrorText().empty());
}
