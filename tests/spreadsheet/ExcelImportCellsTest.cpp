// How the import reads the cells of a worksheet into ".layer" statements: the macro cells with
// their values, symbols and ranges, the cells that cannot go into a statement (each named in its
// message and left out), and the cells a person types into a spreadsheet program: numbers stored
// as numbers, whitespace, rich text, inline strings and formulas.

#include "spreadsheet/ExcelImporter.h"
#include "spreadsheet/ExcelRange.h"
#include "spreadsheet/ExcelWorkbook.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <zip.h>

#include <map>
#include <ostream>
#include <vector>

namespace {

// The smallest worksheet of the export's layout: one column, one layer, one bottom contact, the
// 3d-Geometry block.
const std::map<std::string, std::string> kSmallSheet = {
    {"A1", "Dev_type:"}, {"B1", " ridge"},  {"A2", "Remark"},   {"B2", "a test"},  {"A3", "Column_num"},
    {"A4", "1"},         {"B4", "2"},       {"C4", "4,1"},      {"A6", "Layer"},   {"A7", "1"},
    {"B7", "0.5"},       {"C7", "gaas"},    {"E7", "n,1e+18"},  {"F7", "4,1"},     {"G7", "cap"},
    {"D10", "edge"},     {"A11", "1"},      {"B11", "0, 2"},    {"C11", "ohmic"},  {"D11", "bottom"},
    {"A13", "3d-Geometry"}, {"A14", "Z-segment_num"}, {"B14", "3"}, {"A15", "Z-segment_from"}, {"B15", "0"},
    {"A16", "Z-segment_to"}, {"B16", "12.5"}, {"A17", "taper_line;taper_points"}, {"B17", "1;0,0"},
};

void SetCells(CExcelWorksheet sheet, const std::map<std::string, std::string>& cells)
{
    for (const auto& [name, text] : cells)
        sheet.GetRange(name, name).SetValue(text);
}

std::string SaveWorkbook(const TempFolder& folder, const std::string& name,
                         const std::vector<std::map<std::string, std::string>>& sheets)
{
    CExcelWorkbook workbook;
    int k = 1;
    for (const auto& cells : sheets)
        SetCells(workbook.GetWorksheets().Add("Sheet" + std::to_string(k++)), cells);
    const std::string path = folder.File(name);
    EXPECT_TRUE(workbook.SaveAs(path, folder.Path() + "/")) << workbook.ErrorText();
    return path;
}

class ExcelImportCells : public DocFixture {
protected:
    ExcelImportCells()
    {
        macros.ParseMacroText("load_macro name=AlGaAs var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("load_macro name=InGaAsP var1=#x var2=#y var_symbol1=x var_symbol2=y", "free-style");
        macros.ParseMacroText("load_macro name=Ox var1=#a", "");  // listed as "Ox_old_style"
        doc().SetMacroList(&macros);
        importer.SetDocument(&doc());
    }

    // The ".layer" text the import of a workbook with these cell changes to the small sheet writes,
    // in the 3-D editor without a document to load it into.
    std::string ImportChanged(const std::map<std::string, std::string>& changes)
    {
        std::map<std::string, std::string> cells = kSmallSheet;
        for (const auto& [name, text] : changes)
            cells[name] = text;
        const std::string path = SaveWorkbook(folder, "book.xlsx", {cells});
        CExcelImporter standalone(true);
        standalone.Import(path);
        EXPECT_EQ(standalone.GetStatus(), 1);
        return folder.Read("book.layer");
    }

    CMacroList macros;
    CExcelImporter importer{true};
    CImportSheet sheet;  // an empty sheet: no grating block to find
    TempFolder folder;
};

struct MacroCase {
    const char* cell;
    const char* text;
    const char* statement;
    std::vector<std::string> messages;
};

void PrintTo(const MacroCase& c, std::ostream* os) { *os << c.cell << " '" << c.text << "'"; }

const MacroCase kMacroCases[] = {
    {"bulk", "AlGaAs,0.3", " macro_name=AlGaAs var_symbol1=x var1=0.3", {}},
    {"bulk", "AlGaAs,0.1-0.3", " macro_name=AlGaAs var_symbol1=x grade_var=1 grade_from=0.1 grade_to=0.3", {}},
    {"bulk", "AlGaAs,-0.1-0.3", " macro_name=AlGaAs var_symbol1=x grade_var=1 grade_from=-0.1 grade_to=0.3", {}},
    {"bulk", "AlGaAs,-0.2", " macro_name=AlGaAs var_symbol1=x var1=-0.2", {}},
    {"bulk", "AlGaAs,1e-3", " macro_name=AlGaAs var_symbol1=x var1=1e-3", {}},
    {"bulk", "AlGaAs,1e-3-2E-3", " macro_name=AlGaAs var_symbol1=x grade_var=1 grade_from=1e-3 grade_to=2E-3", {}},
    {"bulk", "Ox,0.5", " macro_name=Ox var1=0.5", {}},
    {"bulk", "AlGaAs", " macro_name=AlGaAs", {}},
    {"bulk", "", " macro_name=", {}},
    {"bulk", "InGaAsP,,0.4", " macro_name=InGaAsP var_symbol2=y var2=0.4", {}},
    {"bulk", "Unknown,1,2", " macro_name=Unknown var1=1 var2=2", {"Your bulk macro info. is not correct!"}},
    {"bulk", "AlGaAs,0.3 var2=1", " macro_name=AlGaAs", {"Sheet1!C7: '0.3 var2=1' is not a number"}},
    {"bulk", "Al GaAs,0.3", " macro_name= var1=0.3",
     {"Sheet1!C7: 'Al GaAs' is not a name", "Your bulk macro info. is not correct!"}},
    {"active", "InGaAsP,0.3,0.4",
     " active_macro=InGaAsP avar_symbol1=x avar1=0.3 avar_symbol2=y avar2=0.4 embedded_structure=0", {}},
    {"active", "InGaAsP,0.3,,0.4", " active_macro=InGaAsP avar1=0.3 avar3=0.4 embedded_structure=0",
     {"Your active macro info. is not correct!"}},
    {"active", "InGaAsP,0.3", " active_macro=InGaAsP avar1=0.3 embedded_structure=0",
     {"Your active macro info. is not correct!"}},
    {"active", "InGaAsP", " active_macro=InGaAsP embedded_structure=0", {}},
    {"active", "InGaAsP,0.3,x", " active_macro=InGaAsP avar_symbol1=x avar1=0.3 embedded_structure=0",
     {"Sheet1!D7: 'x' is not a number"}},
};

class ExcelImportMacroCells : public ExcelImportCells, public ::testing::WithParamInterface<MacroCase> {};

}  // namespace

TEST_P(ExcelImportMacroCells, GiveTheMaterialParameters)
{
    const MacroCase& c = GetParam();
    prompts.AllowUnscripted();
    CExcelWorkbook workbook;
    const CImportSheet named(workbook.GetWorksheets().Add("Sheet1"));
    std::string grating;
    const std::string statement = std::string(c.cell) == "bulk" ? importer.AppendBulkMacro(named, 7, 0, c.text)
                                                                : importer.AppendActiveMacro(named, 7, 0, c.text, grating);
    EXPECT_EQ(statement, c.statement);
    EXPECT_EQ(prompts.Texts(), c.messages);
    EXPECT_EQ(grating, "");
}

INSTANTIATE_TEST_SUITE_P(Table, ExcelImportMacroCells, ::testing::ValuesIn(kMacroCases));

TEST_F(ExcelImportCells, TheSmallSheetGivesItsStatements)
{
    const std::string text = ImportChanged({});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(text, "$ ridge\r\n$a test\r\nbegin_layer\r\n$\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n$\r\n"
                    "bottom_contact column_num=1 from=0 to=2 contact_type=ohmic contact_num=1\r\n"
                    "$cap,##Layer1\r\nlayer_mater macro_name=gaas column_num=1\r\n"
                    "layer d=0.5 n=4 r=1 n_doping1=1e+18\r\n$\r\nend_layer\r\n");
}

struct BadCellCase {
    const char* name;
    std::map<std::string, std::string> changes;
    std::vector<std::string> messages;
    const char* kept;  // a text the file holds, "" for none
    const char* lost;  // a text the file must not hold
};

void PrintTo(const BadCellCase& c, std::ostream* os) { *os << c.name; }

const BadCellCase kBadCells[] = {
    {"thickness with a parameter", {{"B7", "0.5 d=9"}}, {"Sheet1!B7: '0.5 d=9' is not a number"}, "layer n=4", "d=9"},
    {"edge width", {{"B7", "0.5,2,3x"}}, {"Sheet1!B7: '3x' is not a number"}, "d=0.5 lower_w1=2 n=4", "upper_w1"},
    {"column width", {{"B4", "2 w=3"}}, {"Sheet1!B4: '2 w=3' is not a number"}, "column column_num=1 mesh_num=4", "w=3"},
    {"column mesh", {{"C4", "4;1"}}, {"Your column mesh is not correct!"}, "column column_num=1 w=2\r\n", "mesh_num"},
    {"doping", {{"E7", "N,1e18"}}, {"Your doping setting is not correct!"}, "layer d=0.5 n=4 r=1\r\n", "doping"},
    {"bulk name", {{"C7", "ga as"}}, {"Sheet1!C7: 'ga as' is not a name"}, "macro_name= column_num=1", "ga as"},
    {"contact range", {{"B11", "0,2 to=9"}}, {"Sheet1!B11: '2 to=9' is not a number"}, "bottom_contact column_num=1 contact_type", "to=9"},
    {"contact range without a comma", {{"B11", "0-2"}},
     {"Your contact from-to is not correct!\nBottom contact In colum 1"}, "bottom_contact column_num=1 contact_type", "from="},
    {"work function", {{"C11", "schottky,4.8eV"}}, {"Sheet1!C11: '4.8ev' is not a number"}, "contact_type=schottky contact_num", "work_function"},
    {"contact type", {{"C11", "oh mic"}}, {"Sheet1!C11: 'oh mic' is not a name"}, "to=2 contact_num=1", "contact_type"},
    {"remark with line breaks", {{"G7", "first\nsecond"}}, {}, "$first\r\n$second,##Layer1\r\n", "first\nsecond"},
    {"grating typed in lower case, with more than five values",
     {{"D7", "qw;1;[dfb-1-1]"}, {"A20", "[DFB-1-1]"}, {"B21", "1"}, {"B22", "0.1"}, {"C22", "m1, 0.3, , 0.25, 1, 2, 3"}},
     {"Sheet1!C22: 'm1, 0.3, , 0.25, 1, 2, 3' has more than 5 values; the rest is left out"},
     "embedded_structure=1", "=3.e+000"},
    {"grating tag without brackets", {{"D7", "qw;1;DFB-1-1"}}, {"Your grating_compos refrence is not correct!"}, "",
     "grating_compos"},
    {"grating tag not found", {{"D7", "qw;1;[DFB-9-9]"}}, {"Not found grating_compos position!"}, "", "grating_compos"},
    {"include outside the folder", {{"A7", "1;[\"../up.layer\"]"}, {"A9", "[\"../up.layer\"]"}, {"B10", "0.2"}},
     {"Sheet1!A7: '1;[\"../up.layer\"]' does not name a file beside the workbook"}, "", "include"},
    {"include by an absolute path", {{"A7", "1;[\"/abs/x.layer\"]"}, {"A9", "[\"/abs/x.layer\"]"}, {"B10", "0.2"}},
     {"Sheet1!A7: '1;[\"/abs/x.layer\"]' does not name a file beside the workbook"}, "", "include"},
};

class ExcelImportBadCells : public ExcelImportCells, public ::testing::WithParamInterface<BadCellCase> {};

TEST_P(ExcelImportBadCells, AreNamedAndLeftOut)
{
    const BadCellCase& c = GetParam();
    prompts.AllowUnscripted();
    const std::string text = ImportChanged(c.changes);
    EXPECT_EQ(prompts.Texts(), c.messages);
    if (*c.kept) {
        EXPECT_NE(text.find(c.kept), std::string::npos) << text;
    }
    EXPECT_EQ(text.find(c.lost), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Table, ExcelImportBadCells, ::testing::ValuesIn(kBadCells));

namespace {

// An ".xlsx" package written part by part, as a spreadsheet program other than ours writes one.
void WritePackage(const std::string& path, const std::map<std::string, std::string>& parts)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : parts) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

const char kWorkbookPart[] =
    "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
    "<sheet name=\"Typed\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const char kRelationshipsPart[] =
    "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/></Relationships>";
// Shared strings: a plain one, a rich-text remark of two runs, a text with blanks only.
const char kSharedStringsPart[] =
    "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<si><t>AlGaAs,-0.1-0.3</t></si>"
    "<si><r><t xml:space=\"preserve\">typed </t></r><r><rPr><b/></rPr><t>remark</t></r></si>"
    "<si><t xml:space=\"preserve\">   </t></si>"
    "<si><t>InGaAsP,0.3,,0.4</t></si></sst>";

std::string Cell(const char* name, const std::string& inner, const char* type = nullptr)
{
    return std::string("<c r=\"") + name + "\"" + (type ? std::string(" t=\"") + type + "\"" : "") + ">" + inner + "</c>";
}

std::string Inline(const char* name, const char* text)
{
    return Cell(name, std::string("<is><t xml:space=\"preserve\">") + text + "</t></is>", "inlineStr");
}

std::string TypedSheetPart()
{
    const std::string rows[] = {
        "<row r=\"1\">" + Inline("A1", "Dev_type:") + Inline("B1", "typed") + "</row>",
        "<row r=\"2\">" + Cell("B2", "<v>2</v>", "s") + "</row>",
        "<row r=\"3\">" + Inline("A3", "Column_num") + "</row>",
        // A width typed as a number and a mesh cell computed by a formula.
        "<row r=\"4\">" + Cell("B4", "<v>2.5</v>") +
            Cell("C4", "<f>CONCATENATE(\"4\",\",\",\"1\")</f><v>4,1</v>", "str") + "</row>",
        "<row r=\"7\">" + Cell("B7", "<v>0.5</v>") + Cell("C7", "<v>0</v>", "s") + Cell("D7", "<v>3</v>", "s") +
            Inline("E7", "n,1E+18") + Cell("F7", "<v>2</v>", "s") + Cell("G7", "<v>1</v>", "s") + "</row>",
        "<row r=\"8\">" + Cell("B8", "<v>1E-3</v>") + Inline("C8", "gaas") + "</row>",
        "<row r=\"10\">" + Inline("D10", "edge") + "</row>",
        "<row r=\"11\">" + Cell("A11", "<v>1</v>") + Inline("B11", "0,2.5") + Inline("C11", "ohmic") +
            Inline("D11", "bottom") + "</row>",
    };
    std::string xml = "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                      "<sheetData>";
    for (const std::string& row : rows)
        xml += row;
    return xml + "</sheetData></worksheet>";
}

}  // namespace

TEST_F(ExcelImportCells, AWorkbookTypedByAPersonIsReadAsItHoldsItsCells)
{
    const std::string path = folder.File("typed.xlsx");
    WritePackage(path, {{"xl/workbook.xml", kWorkbookPart},
                        {"xl/_rels/workbook.xml.rels", kRelationshipsPart},
                        {"xl/sharedStrings.xml", kSharedStringsPart},
                        {"xl/worksheets/sheet1.xml", TypedSheetPart()}});
    app.mode3d = false;
    CExcelImporter typed(false);
    typed.SetDocument(&doc());
    prompts.AnswerNext(IDOK);
    EXPECT_EQ(typed.Import(path), folder.File("typed.layer"));
    EXPECT_EQ(typed.GetStatus(), 1);
    // The active cell has three places for a macro of two variables: said, and written in place.
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Your active macro info. is not correct!"});
    EXPECT_EQ(folder.Read("typed.layer"),
              "$typed\r\n$\r\nbegin_layer\r\n$\r\ncolumn column_num=1 w=2.5 mesh_num=4 r=1\r\n$\r\n"
              "bottom_contact column_num=1 from=0 to=2.5 contact_type=ohmic contact_num=1\r\n"
              "$typed remark,##Layer1\r\n"
              "layer_mater macro_name=AlGaAs var_symbol1=x grade_var=1 grade_from=-0.1 &&\r\n"
              "   grade_to=0.3 active_macro=InGaAsP avar1=0.3 avar3=0.4 column_num=1\r\n"
              "layer d=0.5 n_doping1=1E+18\r\n$,##Layer2\r\nlayer_mater macro_name=gaas column_num=1\r\n"
              "layer d=1E-3\r\n$\r\nend_layer\r\n");
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(0).GetLayer(0).m_Doping.m_fValue, 1e18f);
}
