// A device exported to a workbook and imported back through the File menu's commands is the same
// device, as far as the workbook carries it (CarriedDevice.h lists what it does not): in the 3-D
// editor with its z planes, z range and taper points, in the layer builder from the first sheet;
// also after a real spreadsheet program has opened and saved the workbook again; and the 3-D
// import's deck opens, saves and opens again with the geometry in place.

#include "CarriedDevice.h"

#include "platform/ProcessRunner.h"
#include "spreadsheet/WorkbookExportService.h"
#include "spreadsheet/WorkbookImportService.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/GoldenFile.h"
#include "support/ShippedMacros.h"
#include "support/TempFolder.h"

#include "CommandIds.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

std::string Fixture(const std::string& path) { return std::string(TESSARON_FIXTURES) + "/" + path; }

struct RoundTripCase {
    const char* name;
    std::vector<std::string> files;  // fixture paths, the device's own file first
    bool open3d;                     // the device is opened (and exported) in the 3-D editor
    bool import3d;                   // the workbook is imported in the 3-D editor
    bool dfbMacros;                  // the small macro list of the DFB device, else the shipped libraries
    // A view draws the device from its opening on, so it is laid out as the program shows it: the
    // rows and column edges lined up, the contact ranges kept within their columns. Without a view
    // the records stay as read, through the deck save the 3-D import makes as well.
    bool drawn = false;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

const RoundTripCase kCases[] = {
    {"dfb_3d", {"spreadsheet/dfb.sol", "spreadsheet/dfb1.layer", "spreadsheet/dfb2.layer", "spreadsheet/sub.inc"},
     true, true, true},
    {"dfb_builder", {"spreadsheet/dfb.sol", "spreadsheet/dfb1.layer", "spreadsheet/dfb2.layer", "spreadsheet/sub.inc"},
     true, false, true},
    {"two_gaas_builder", {"roundtrip/two_gaas.layer"}, false, false, false},
    {"two_gaas_3d", {"roundtrip/two_gaas.layer"}, true, true, false},
    {"free_style_builder", {"roundtrip/free_style.layer"}, false, false, false},
    {"old_style_3d", {"roundtrip/old_style.layer"}, true, true, false},
    {"four_variables_builder", {"roundtrip/four_variables.layer"}, false, false, false},
    {"with_include_builder", {"roundtrip/with_include.layer", "roundtrip/cladding.inc"}, false, false, false},
    {"with_include_3d", {"roundtrip/with_include.layer", "roundtrip/cladding.inc"}, true, true, false},
    {"ridge_two_columns_3d", {"layer/ridge_two_columns.layer"}, true, true, false},
    {"three_columns_include_builder", {"layer/three_columns_include.layer", "layer/one_row.inc"}, false, false, false},
    {"three_columns_include_3d", {"layer/three_columns_include.layer", "layer/one_row.inc"}, true, true, false},
    {"three_columns_include_3d_drawn", {"layer/three_columns_include.layer", "layer/one_row.inc"}, true, true, false,
     true},
};

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

class ExcelImportRoundTrip : public DocFixture {
protected:
    ExcelImportRoundTrip()
    {
        dfbMacros.ParseMacroText("load_macro name=gaas", "free-style");
        dfbMacros.ParseMacroText("load_macro name=algaas var1=#x var_symbol1=x", "free-style");
        dfbMacros.ParseMacroText("load_macro name=algaas var1=#x", "");  // listed as "algaas_old_style"
        dfbMacros.ParseMacroText("load_macro name=ingaas var1=#x var_symbol1=x", "free-style");
        dfbMacros.ParseMacroText("get_active_layer name=qw_gain var1=#w var2=#d var_symbol1=w var_symbol2=d",
                                 "free-style");
        shippedMacros.ParseMacroText(
            "get_active_layer name=qw_gain var1=#w var2=#d var_symbol1=w var_symbol2=d", "free-style");
        doc().SetWorkbookExporter(&exporter);
        doc().SetWorkbookImporter(&importer);
    }

    void Open(const RoundTripCase& c)
    {
        doc().SetMacroList(c.dfbMacros ? &dfbMacros : &shippedMacros);
        app.mode3d = c.open3d;
        for (const std::string& file : c.files)
            device.Write(BaseName(file), ExistingFileBytes(Fixture(file)));
        prompts.AllowUnscripted();  // the reader's remarks on the fixtures
        if (c.drawn)
            doc().SetThinLayerHeight(1, false, 0.0f);
        ASSERT_TRUE(doc().OnOpenDocument(device.File(BaseName(c.files.front()))));
        prompts.AllowUnscripted(false);
        prompts.Clear();
    }

    void Export(const std::string& path)
    {
        prompts.ChooseFileNext(path);
        ASSERT_TRUE(doc().OnCommand(ID_FILE_EXPORT_EXCEL));
        ASSERT_EQ(prompts.Texts(), std::vector<std::string>{});
    }

    void Import(const std::string& path)
    {
        prompts.ChooseFileNext(path);
        ASSERT_TRUE(doc().OnCommand(ID_FILE_IMPORT_EXCEL));
    }

    CMacroList dfbMacros;
    CMacroList shippedMacros = LoadShippedMacroLibraries();
    CWorkbookExportService exporter;
    CWorkbookImportService importer;
    TempFolder device;
    TempFolder out;
};

class ExcelImportRoundTripCases : public ExcelImportRoundTrip, public ::testing::WithParamInterface<RoundTripCase> {};

}  // namespace

TEST_P(ExcelImportRoundTripCases, GivesBackTheDeviceTheWorkbookCarries)
{
    const RoundTripCase& c = GetParam();
    Open(c);
    const std::string before = CarriedDevice(doc(), c.import3d, c.import3d ? -1 : 1);
    Export(out.File("dev.xlsx"));

    app.mode3d = c.import3d;
    Import(out.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(CarriedDevice(doc(), c.import3d), before);
    EXPECT_EQ(doc().GetPathName(), out.File(c.import3d ? "dev.sol" : "dev.layer"));
    EXPECT_FALSE(doc().IsModified());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ExcelImportRoundTripCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExcelImportRoundTrip, TheFilesOfTheDfbDeviceAreWrittenBesideTheWorkbook)
{
    Open(kCases[0]);
    Export(out.File("dfb.xlsx"));
    Import(out.File("dfb.xlsx"));
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(out.List(), "dfb.layer dfb.sol dfb.xlsx dfb1.layer sub.inc");
    for (const char* name : {"dfb.layer", "dfb1.layer", "sub.inc"})
        ExpectGoldenFile(out.Read(name), Fixture(std::string("spreadsheet/golden/imported_") + name));
}

// The z planes, z ranges and taper points of each z-segment.
std::string Geometry(const std::string& carried)
{
    std::string lines;
    for (std::size_t at = carried.find("  zplanes="); at != std::string::npos; at = carried.find("  zplanes=", at + 1))
        lines += carried.substr(at, carried.find('\n', at) - at + 1);
    return lines;
}

// The DFB device with a taper outline on both facets, so that a save keeps it (a deck whose facets
// have taper outlines of different counts loses them all on saving, with a message).
const RoundTripCase kTaperedDfb = {
    "dfb_tapered_3d",
    {"spreadsheet/tapered/dfb.sol", "spreadsheet/dfb1.layer", "spreadsheet/dfb2.layer", "spreadsheet/sub.inc"},
    true, true, true};

TEST_F(ExcelImportRoundTrip, TheImportedDeckReopensAndSavesWithItsGeometry)
{
    Open(kTaperedDfb);
    const std::string before = CarriedDevice(doc(), true);
    Export(out.File("dfb.xlsx"));
    Import(out.File("dfb.xlsx"));
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{});
    const std::string deck = doc().GetPathName();

    // Closed and opened again from the name the recent-file list holds: the deck the import wrote
    // holds the device as imported.
    const std::string geometry = "  zplanes=1 z=0..10 taper (0.5,20) (1.25,0)\n"
                                 "  zplanes=1 z=10..25 taper (6.5,6.5) (3,3)\n";
    ASSERT_TRUE(doc().OnNewDocument());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(Geometry(CarriedDevice(doc(), true)), geometry);
    EXPECT_EQ(Geometry(CarriedDevice(doc(), true)), Geometry(before));
    // Saved and opened again: the taper points stay, those on a column edge as those off every
    // edge, and so does the rest of the device.
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    ASSERT_TRUE(doc().OnNewDocument());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(Geometry(CarriedDevice(doc(), true)), geometry);
    EXPECT_EQ(CarriedDevice(doc(), true), before);
}

TEST_F(ExcelImportRoundTrip, AWorkbookSavedAgainBySpreadsheetProgramImportsToTheSameDevice)
{
    Open(kCases[0]);
    const std::string before = CarriedDevice(doc(), true);
    Export(out.File("exported.xlsx"));

    // LibreOffice Calc, with a profile of its own, opens the workbook and saves it as ".xlsx" again.
    TempFolder work;
    ProcessRequest request;
    request.argv = {"soffice", "--headless", "--norestore", "-env:UserInstallation=file://" + work.File("profile"),
                    "--convert-to", "xlsx:Calc MS Excel 2007 XML", "--outdir", work.File("saved"),
                    out.File("exported.xlsx")};
    const ProcessResult result = ProcessRunner().Run(request);
    ASSERT_TRUE(result.started) << "soffice (libreoffice-calc-nogui, installed by scripts/setup) did not start";
    ASSERT_EQ(result.exitCode, 0);
    const std::string saved = work.File("saved/exported.xlsx");
    ASSERT_NE(ExistingFileBytes(saved), ExistingFileBytes(out.File("exported.xlsx")));
    const std::string resaved = out.Write("resaved.xlsx", ExistingFileBytes(saved));

    Import(resaved);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(CarriedDevice(doc(), true), before);
}
