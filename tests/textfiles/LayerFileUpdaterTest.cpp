#include "textfiles/LayerFileUpdater.h"

#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "support/FileBytes.h"
#include "support/GoldenFile.h"
#include "support/ParsedStatement.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerParamFlags.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <filesystem>

namespace {

const std::string kFolder = std::string(TESSARON_FIXTURES) + "/updater/";

// A z-segment file as the document records it when it is loaded.
struct LoadedFile {
    CKeywordLineList lines;
    CLoadContext context;  // the include table and folder the load left
};

LoadedFile LoadOld(const std::string& path)
{
    LoadedFile loaded;
    CArchive archive;
    EXPECT_TRUE(archive.OpenLoad(path)) << path;
    EXPECT_TRUE(loaded.lines.Serialize(archive, loaded.context));
    return loaded;
}

// Statements as the writer hands them over: keyword and parameters, no text, numbers 0.
CKeywordLineList LoadFresh(const std::string& name)
{
    CArchive archive;
    EXPECT_TRUE(archive.OpenLoad(kFolder + name)) << name;
    CKeywordLineList fresh;
    fresh.SerializeFlat(archive);
    for (CKeywordLine& line : fresh.m_lines) {
        line.m_strText.clear();
        line.m_nLine = 0;
        line.m_nSource = 0;
    }
    return fresh;
}

// Runs one save of the merge as the document does and returns the bytes stored.
std::string Merge(const LoadedFile& old, const std::string& freshName, const std::string& savePath)
{
    CKeywordLineList fresh = LoadFresh(freshName);
    CLayerFileUpdater updater;
    updater.SetPath(savePath);
    updater.SetLoadContext(old.context);
    CKeywordLineList result;
    updater.Update(old.lines, fresh, result);
    return result.StoreRawText();
}

class LayerFileUpdaterTest : public ::testing::Test {
protected:
    void SetUp() override { FillLayerParamFlags(); }
};

}  // namespace

// ------------------------------------------------------------------ value tests and small passes

TEST_F(LayerFileUpdaterTest, KeywordFlagMapHoldsItsEntries)
{
    EXPECT_EQ(g_layerParamFlags.size(), 47u);
    const std::pair<const char*, bool> samples[] = {{"solve_wave", false}, {"var", false},   {"avar", false},
                                                    {"column_num", true},  {"d", true},      {"w", false},
                                                    {"work_function", true}, {"barrier", false},
                                                    {"embedded_structure", false}, {"file", true}};
    for (const auto& sample : samples)
        EXPECT_EQ(g_layerParamFlags.at(sample.first), sample.second) << sample.first;
    FillLayerParamFlags();
    EXPECT_EQ(g_layerParamFlags.size(), 47u);
}

TEST_F(LayerFileUpdaterTest, CompareValueText)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {{"0.10", "0.1", true},  {"1e3", "1000", true}, {"abc", "ABC", true}, {" 5 ", "5", true},
                 {"0", "abc", true},     {"", "0", true},       {"abc", "0", false},  {"1", "2", false}};
    for (const auto& c : cases)
        EXPECT_EQ(CompareValueText(c.a, c.b), c.same) << c.a << " vs " << c.b;
}

TEST_F(LayerFileUpdaterTest, NumberTextAndNormalizedValue)
{
    for (const char* text : {"", "1.2.3", "--", "5 5", "1e5", "-2.5E-3"})
        EXPECT_TRUE(IsNumberText(text)) << text;
    for (const char* text : {"abc", "1e", "1.5um", "x1"})
        EXPECT_FALSE(IsNumberText(text)) << text;

    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"0.000", "0"},           {"-0", "0"},          {"2.50", "2.5"},        {"3.000", "3."},
                 {"1.50e+005", "1.5e+5"},  {"1.0e-010", "1.e-10"}, {"2e+005", "2e+005"}, {"1.5 um", "1.5 um"},
                 {"abc", "abc"},           {"10.0", "10."},      {"1.0e+000", "1.e+000"}, {"1.5e105", "1.5e105"},
                 {"1.5e+105", "1.5e+105"}, {"0e5", "0"},         {"100", "100"},         {"1e05", "1e05"},
                 {"7.", "7."},             {"", ""}};
    for (const auto& c : cases) {
        std::string s = c.in;
        CLayerFileUpdater::NormalizeValue(s);
        EXPECT_EQ(s, c.out) << c.in;
    }
}

TEST_F(LayerFileUpdaterTest, FolderOfThePath)
{
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {{"C:\\a\\b.layer", "C:\\a\\"}, {"b.layer", ""}, {"\\", ""}, {"/tmp/x/b.layer", "/tmp/x/"}, {"", ""}};
    for (const auto& c : cases) {
        CLayerFileUpdater updater;
        updater.SetPath(c.path);
        EXPECT_EQ(updater.GetFolder(), c.folder) << c.path;
    }
}

TEST_F(LayerFileUpdaterTest, DefaultParametersAreLeftOut)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"layer_mater macro_name=gaas solve_wave=yes column_num=1", "layer_mater  macro_name=gaas  column_num=1"},
        {"layer_mater macro_name=gaas solve_wave=no", "layer_mater macro_name=gaas solve_wave=no"},
        {"layer_mater embedded_structure=0.0", "layer_mater embedded_structure=0.0"},
        {"layer_mater SOLVE_WAVE=yes", "layer_mater SOLVE_WAVE=yes"},
        {"z_structure link_taper_contact=yes z=1", "z_structure  z=1"},
        {"column solve_wave=yes &&\r\n  r=1", "column solve_wave=yes &&\r\n  r=1"},
    };
    for (const auto& c : cases) {
        CKeywordLine line;
        line.Parse(c.in);
        line.m_strText = c.in;
        CLayerFileUpdater::RemoveDefaultParamsOfLine(line);
        EXPECT_EQ(line.m_strText, c.out) << c.in;
    }
}

TEST_F(LayerFileUpdaterTest, CanonicalRebuildWrapsAtTheLimit)
{
    CKeywordLine line;
    line.Parse("layer d=0.500000 n=3 r=1.000000");
    CLayerFileUpdater::RebuildLineText(line);
    EXPECT_EQ(line.m_strText, "layer  d=0.5  n=3  r=1.");

    CKeywordLine longKeyword;
    longKeyword.m_strKeyword = std::string(90, 'k');
    CLayerFileUpdater::RebuildLineText(longKeyword);
    EXPECT_EQ(longKeyword.m_strText, std::string(77, 'k') + " &&\r\n  " + std::string(13, 'k'));

    CKeywordLine many;
    many.Parse("grating_compos hi_macro_name=ingaas_long_name lo_macro_name=algaas_long_name grating_order=2 "
               "column_num=2");
    CLayerFileUpdater::RebuildLineText(many);
    EXPECT_EQ(many.m_strText,
              "grating_compos  hi_macro_name=ingaas_long_name &&\r\n"
              "    lo_macro_name=algaas_long_name  grating_order=2  column_num=2");

    // A long comment stays one line: a "$" line is not continued when read back.
    CKeywordLine comment;
    comment.Parse("$ " + std::string(100, 'c'));
    CLayerFileUpdater::RebuildLineText(comment);
    EXPECT_EQ(comment.m_strText, "$ " + std::string(100, 'c'));
}

TEST_F(LayerFileUpdaterTest, DopingMovesIntoTheMaterialStatements)
{
    CKeywordLineList list;
    for (const char* text : {"layer_mater macro_name=a column_num=1", "layer_mater macro_name=b column_num=2",
                             "layer d=1 n_doping1=1e17 p_doping2=5e16", "layer_mater macro_name=c column_num=2",
                             "layer d=2 n_doping2=3e16"}) {
        CKeywordLine line;
        line.Parse(text);
        list.Append(line);
    }
    CLayerFileUpdater::UpdateDopingParams(list);
    EXPECT_EQ(list[0].m_strText, "layer_mater macro_name=a column_num=1 n_doping=1e17");
    EXPECT_EQ(list[1].m_strText, "layer_mater macro_name=b column_num=2 p_doping=5e16");
    EXPECT_EQ(list[2].m_strText, "layer  d=1");
    EXPECT_EQ(list[3].m_strText, "layer_mater macro_name=c column_num=2 n_doping=3e16");
    // i = 1 removed something, i = 2 too: the second layer statement loses n_doping2 as well.
    EXPECT_EQ(list[4].m_strText, "layer  d=2");

    // A list where no "layer" statement carries a parameter numbered 1 keeps the others.
    CKeywordLineList other;
    CKeywordLine layer;
    layer.Parse("layer d=1 n_doping2=1e17");
    other.Append(layer);
    CLayerFileUpdater::UpdateDopingParams(other);
    EXPECT_EQ(other[0].m_strText, "layer d=1 n_doping2=1e17");
}

TEST_F(LayerFileUpdaterTest, LayerDopingsGoColumnByColumnUpToTheFirstColumnNoneNames)
{
    // Per column from 1, the first parameter of each name goes; a second one of a name stays, and
    // so does every column from the first one no "layer" statement names (3 here), as well as
    // names that are no column number written plainly.
    CKeywordLineList list;
    for (const char* text : {"layer d=1 n_doping1=1 n_doping1=2 p_doping2=3 n_doping4=4 n_doping01=5",
                             "layer d=2 p_doping1=6 n_doping2=7 p_doping2=8 n_doping2x=9 m_doping1=10"}) {
        CKeywordLine line;
        line.Parse(text);
        list.Append(line);
    }
    CLayerFileUpdater::RemoveNumberedLayerDopings(list);
    EXPECT_EQ(list[0].m_strText, "layer  d=1  n_doping1=2  n_doping4=4  n_doping01=5");
    EXPECT_EQ(list[1].m_strText, "layer  d=2  n_doping2x=9  m_doping1=10");
    EXPECT_EQ(list[0].m_bModified, 1);

    CKeywordLine untouched;
    untouched.Parse("layer d=3 n_doping3=1");
    CKeywordLineList alone;
    alone.Append(untouched);
    CLayerFileUpdater::RemoveNumberedLayerDopings(alone);
    EXPECT_EQ(alone[0].m_strText, "layer d=3 n_doping3=1");
    EXPECT_EQ(alone[0].m_bModified, 0);
}

TEST_F(LayerFileUpdaterTest, RotationIsWrittenIntoTheOldLines)
{
    CKeywordLine begin, rotation, column;
    begin.Parse("begin_layer");
    rotation.Parse("rotation angle=0");
    column.Parse("column column_num=1");
    CLayerFileUpdater updater;

    CKeywordLineList withRotation;
    for (const CKeywordLine& line : {begin, rotation, column})
        withRotation.Append(line);
    updater.UpdateRotation(withRotation, 12.5);
    ASSERT_EQ(withRotation.GetCount(), 3);
    EXPECT_EQ(withRotation[1].m_strText, "rotation angle=12.50");

    CKeywordLineList without;
    for (const CKeywordLine& line : {begin, column})
        without.Append(line);
    updater.UpdateRotation(without, 12.5);
    ASSERT_EQ(without.GetCount(), 3);
    EXPECT_EQ(without[1].m_strText, "rotation angle=12.500000");

    // An included file is written back as it is: a new angle in it, or a new statement among its
    // lines, takes the whole block into the saved file.
    const struct {
        const char* what;
        bool rotationIncluded;
        double angle;
        bool inlined;
    } cases[] = {{"same angle in an include", true, 0.0, false},
                 {"new angle in an include", true, 12.5, true},
                 {"new statement after an included begin_layer", false, 12.5, true}};
    for (const auto& c : cases) {
        CKeywordLineList old;
        old.Append(begin);
        if (c.rotationIncluded)
            old.Append(rotation);
        old.Append(column);
        for (CKeywordLine& line : old.m_lines)
            line.m_nSource = line.m_strKeyword == "column" ? 0 : 501;
        updater.UpdateRotation(old, c.angle);
        EXPECT_EQ(old[0].m_nSource, c.inlined ? 0 : 501) << c.what;
    }
}

// ------------------------------------------------------------------ whole saves against golden files

namespace {

struct SaveCase {
    const char* oldFile;
    const char* freshFile;
    const char* golden;
};

const SaveCase kSaveCases[] = {
    {"device.layer", "device_unchanged.fresh", "device_unchanged.layer"},
    {"device.layer", "device_edited.fresh", "device_edited.layer"},
    {"device.layer", "device_new_row.fresh", "device_new_row.layer"},
    {"device.layer", "device_removed_row.fresh", "device_removed_row.layer"},
    {"device.layer", "device_new_column.fresh", "device_new_column.layer"},
    {"nested_main.layer", "nested_unchanged.fresh", "nested_unchanged.layer"},
    {"nested_main.layer", "nested_edited.fresh", "nested_edited.layer"},
    {"nested_main.layer", "nested_contact_last.fresh", "nested_contact_last.layer"},
    {"nested_main.layer", "nested_contact_inside.fresh", "nested_contact_inside.layer"},
    {"nested_main.layer", "nested_vcsel.fresh", "nested_vcsel.layer"},
    {"nested_main.layer", "nested_vcsel_last.fresh", "nested_vcsel_last.layer"},
    {"doping.layer", "doping_twice.fresh", "doping_twice.layer"},
    {"doping_type.layer", "doping_type_changed.fresh", "doping_type_changed.layer"},
};

// The name of a save case in test output.
std::string CaseName(const SaveCase& c) { return std::string(c.oldFile) + " + " + c.freshFile; }

}  // namespace

TEST_F(LayerFileUpdaterTest, SavesGiveTheMergedText)
{
    for (const SaveCase& c : kSaveCases) {
        TempFolder out;
        LoadedFile old = LoadOld(kFolder + c.oldFile);
        std::string saved = Merge(old, c.freshFile, out.File(c.oldFile));
        SCOPED_TRACE(CaseName(c));
        ExpectGoldenFile(saved, kFolder + "golden/" + c.golden);
    }
}

// A caller that never went through start-up (a batch run, a test) gets the same merge: the keyword
// flag map fills itself when the merge first needs it.
TEST_F(LayerFileUpdaterTest, SavesWithoutTheStartUpFillGiveTheMergedText)
{
    for (const SaveCase& c : kSaveCases) {
        g_layerParamFlags.clear();
        TempFolder out;
        LoadedFile old = LoadOld(kFolder + c.oldFile);
        EXPECT_EQ(Merge(old, c.freshFile, out.File(c.oldFile)), ExistingFileBytes(kFolder + "golden/" + c.golden))
            << CaseName(c);
    }
    EXPECT_EQ(g_layerParamFlags.size(), 47u);
}

TEST_F(LayerFileUpdaterTest, ASaveIsAFixedPoint)
{
    for (const SaveCase& c : kSaveCases) {
        TempFolder out;
        const std::string path = out.File(c.oldFile);
        LoadedFile old = LoadOld(kFolder + c.oldFile);
        std::string first = Merge(old, c.freshFile, path);
        ASSERT_TRUE(WriteFileAtomic(path, first));
        LoadedFile reopened = LoadOld(path);
        std::string second = Merge(reopened, c.freshFile, path);
        EXPECT_EQ(second, first) << CaseName(c);
    }
}

TEST_F(LayerFileUpdaterTest, NoStatementOfTheUserIsLost)
{
    // After a save that edits something: every plain line of the old file (comments, block
    // keywords, statements the program does not know) is still there, every parameter the program
    // does not own keeps its value, and every statement of the model is written exactly once.
    auto isUserParam = [](std::string name) {
        while (!name.empty() && IsDigitChar(name.back()))
            name.pop_back();
        return g_layerParamFlags.count(name) == 0;
    };
    for (const SaveCase& c : kSaveCases) {
        TempFolder out;
        const std::string path = out.File(c.oldFile);
        LoadedFile old = LoadOld(kFolder + c.oldFile);
        ASSERT_TRUE(WriteFileAtomic(path, Merge(old, c.freshFile, path)));
        const bool rowRemoved = std::string(c.freshFile).find("removed") != std::string::npos;
        CKeywordLineList written = LoadOld(path).lines;
        std::string text;
        for (const CKeywordLine& w : written.m_lines)
            text += Trim(w.m_strText) + "\n";
        for (const CKeywordLine& line : old.lines.m_lines) {
            if (line.m_strKeyword == "rotation")
                continue;  // rewritten with the model's angle
            const bool plain = IsNonStructureLine(line);
            if (plain && line.m_strKeyword != "layer_position" && line.m_strKeyword != "column_position") {
                EXPECT_NE(text.find(Trim(line.m_strText) + "\n"), std::string::npos)
                    << CaseName(c) << ": " << line.m_strText;
            }
            for (const CKeywordParam& p : line.m_params) {
                if (!plain && isUserParam(p.m_strName) && !rowRemoved) {
                    EXPECT_NE(text.find(p.m_strName + "=" + p.m_strValue), std::string::npos)
                        << CaseName(c) << ": " << p.m_strName;
                }
            }
        }
        CKeywordLineList fresh = LoadFresh(c.freshFile);
        for (const char* keyword : {"column", "layer", "layer_mater", "bottom_contact", "top_contact", "left_contact",
                                    "right_contact", "layer_position", "column_position", "vcsel_section",
                                    "new_doping1", "new_doping2"})
            EXPECT_EQ(written.CountKeyword(keyword), fresh.CountKeyword(keyword)) << CaseName(c) << ": " << keyword;
    }
}

TEST_F(LayerFileUpdaterTest, UnchangedIncludeIsWrittenBackAndCopiedWithItsNestedFile)
{
    TempFolder out;
    LoadedFile old = LoadOld(kFolder + "nested_main.layer");
    std::string saved = Merge(old, "nested_unchanged.fresh", out.File("copy.layer"));
    EXPECT_NE(saved.find("include file=rows.inc\r\n"), std::string::npos);
    EXPECT_EQ(ExistingFileBytes(out.File("rows.inc")), ExistingFileBytes(kFolder + "rows.inc"));
    EXPECT_EQ(ExistingFileBytes(out.File("inner.inc")), ExistingFileBytes(kFolder + "inner.inc"));

    // Saved in place: nothing is copied over itself and the files stay as they were.
    const std::string before = ExistingFileBytes(kFolder + "rows.inc");
    Merge(old, "nested_unchanged.fresh", kFolder + "nested_main.layer");
    EXPECT_EQ(ExistingFileBytes(kFolder + "rows.inc"), before);
}

TEST_F(LayerFileUpdaterTest, IncludedFilesAreCopiedOnlyInsideTheSaveFolder)
{
    TempFolder source, target;
    ASSERT_TRUE(MakeDirectoryPath(source.File("sub/x"), false));
    const struct {
        const char* include;
        const char* file;    // where the included file lies, below the source folder
        const char* copied;  // where it must appear below the target folder, "" for nowhere
    } cases[] = {
        {"sub\\row.inc", "sub/row.inc", "sub/row.inc"},
        {"../row.inc", "sub/row.inc", ""},
    };
    for (const auto& c : cases) {
        const std::string body = "layer_mater macro_name=inp column_num=1 solve_wave=yes embedded_structure=0\r\n"
                                 "layer d=2 n=5 r=1\r\n";
        ASSERT_TRUE(WriteFileAtomic(source.File(c.file), body));
        const std::string mainDir = std::string(c.include).rfind("..", 0) == 0 ? source.File("sub/x/") : source.File("");
        const std::string main = "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\ninclude file=" +
                                 std::string(c.include) + "\r\nend_layer\r\n";
        ASSERT_TRUE(WriteFileAtomic(mainDir + "main.layer", main));
        LoadedFile old = LoadOld(mainDir + "main.layer");
        ASSERT_EQ(old.lines.GetCount(), 5) << c.include;
        CKeywordLineList fresh;
        for (const char* text : {"begin_layer", "column column_num=1 w=2.000000 mesh_num=4 r=1.000000",
                                 "layer_mater macro_name=inp column_num=1 solve_wave=yes embedded_structure=0",
                                 "layer d=2.000000 n=5 r=1.000000", "end_layer"}) {
            CKeywordLine line;
            line.Parse(text);
            fresh.Append(line);
        }
        CLayerFileUpdater updater;
        updater.SetPath(target.File("main.layer"));
        updater.SetLoadContext(old.context);
        CKeywordLineList result;
        ScriptedPrompts prompts;
        prompts.AllowUnscripted();
        updater.Update(old.lines, fresh, result);
        if (*c.copied) {
            EXPECT_EQ(ExistingFileBytes(target.File(c.copied)), body) << c.include;
        } else {
            EXPECT_FALSE(FileExists(target.File("../row.inc"))) << c.include;
        }
    }
}

TEST_F(LayerFileUpdaterTest, AFileWithoutStatementsTakesEveryFreshStatementOnce)
{
    // Old lines that are comments only anchor nothing: the fresh statements are written whole, and
    // the side contacts and label positions are placed once each.
    TempFolder out;
    ASSERT_TRUE(WriteFileAtomic(out.File("notes.layer"), "$ only a note\r\n"));
    LoadedFile old = LoadOld(out.File("notes.layer"));
    std::string saved = Merge(old, "device_unchanged.fresh", out.File("notes.layer"));
    CKeywordLineList written;
    CArchive archive;
    archive.OpenLoadFromMemory(saved, out.File("notes.layer"));
    ASSERT_TRUE(written.SerializeFlat(archive));
    CKeywordLineList fresh = LoadFresh("device_unchanged.fresh");
    for (const char* keyword : {"left_contact", "layer_position", "column_position", "layer", "column"})
        EXPECT_EQ(written.CountKeyword(keyword), fresh.CountKeyword(keyword)) << keyword;
    EXPECT_EQ(saved.find("$ only a note"), std::string::npos);
}

namespace {

CKeywordLineList Numbered(std::initializer_list<const char*> texts)
{
    CKeywordLineList list;
    int number = 0;
    for (const char* text : texts) {
        CKeywordLine line;
        line.Parse(text);
        line.m_nLine = ++number;
        list.Append(line);
    }
    return list;
}

}  // namespace

TEST_F(LayerFileUpdaterTest, PartnersAreFoundByKindAndKey)
{
    const CKeywordLineList old = Numbered({
        "$ a comment", "column column_num=01", "column column_num= 2", "layer_mater macro_name=a column_num=1",
        "new_doping1 x=1", "new_doping2 x=2", "layer d=1", "layer_mater macro_name=b column_num=1",
        "grating_compos column_num=1", "layer d=2", "top_contact column_num=1 contact_num=3",
        "bottom_contact column_num=1 contact_num=3", "vcsel_section vcsel_type=dbr",
    });
    const struct {
        const char* what;
        std::function<int(CKeywordLine&)> find;
        const char* fresh;
        int index;
    } cases[] = {
        {"column 01 is no partner of 1", [&](CKeywordLine& f) { return CLayerFileUpdater::FindNthColumn(old, f); },
         "column column_num=1", -1},
        {"blanks around a key do not count", [&](CKeywordLine& f) { return CLayerFileUpdater::FindNthColumn(old, f); },
         "column column_num=2", 2},
        {"second layer", [&](CKeywordLine& f) { return CLayerFileUpdater::FindNthLayer(old, f, 1); }, "layer d=5", 9},
        {"no third layer", [&](CKeywordLine& f) { return CLayerFileUpdater::FindNthLayer(old, f, 2); }, "layer d=5", -1},
        {"material of the second layer",
         [&](CKeywordLine& f) { return CLayerFileUpdater::FindLayerMaterOfColumn(old, f, 1); },
         "layer_mater column_num=1", 7},
        {"grating of the first layer",
         [&](CKeywordLine& f) { return CLayerFileUpdater::FindGratingComposOfColumn(old, f, 0); },
         "grating_compos column_num=1", -1},
        {"grating of the second layer",
         [&](CKeywordLine& f) { return CLayerFileUpdater::FindGratingComposOfColumn(old, f, 1); },
         "grating_compos column_num=1", 8},
        {"every new doping finds the first of its layer and column",
         [&](CKeywordLine& f) {
             return CLayerFileUpdater::FindNewDoping(old, Parsed("layer_mater column_num=1"), f, 0);
         },
         "new_doping2 x=9", 4},
        {"top contact", [&](CKeywordLine& f) { return CLayerFileUpdater::FindTopContact(old, f); },
         "top_contact column_num=1 contact_num=3", 10},
        {"bottom contact of another number", [&](CKeywordLine& f) { return CLayerFileUpdater::FindBottomContact(old, f); },
         "bottom_contact column_num=1 contact_num=4", -1},
        {"VCSEL section", [&](CKeywordLine& f) { return CLayerFileUpdater::FindVcselSection(old, f); },
         "vcsel_section vcsel_type=dbr", 12},
    };
    for (const auto& c : cases) {
        CKeywordLine fresh = Parsed(c.fresh);
        EXPECT_EQ(c.find(fresh), c.index) << c.what;
        EXPECT_EQ(fresh.m_nLine, c.index < 0 ? -2 : c.index + 1) << c.what;
    }
}

TEST_F(LayerFileUpdaterTest, MacroParametersAreClearedBeforeTheMerge)
{
    CKeywordLineList gratings = Numbered({"grating_compos hi_var1=0.3 hi_var_symbol1=x grating_model=1 hi_var6=2 lo_avar6=1",
                                          "grating_compos  d_high=1 &&\r\n  d_low=2"});
    gratings[1].m_strText = "grating_compos  d_high=1 &&\r\n  d_low=2";
    CLayerFileUpdater::ClearGratingMacroParams(gratings);
    EXPECT_EQ(gratings[0].m_strText, "grating_compos  grating_model=1  hi_var6=2  lo_avar6=1");
    EXPECT_EQ(gratings[0].m_nLine, 1);
    EXPECT_EQ(gratings[1].m_strText, "grating_compos  d_high=1 &&\r\n  d_low=2");

    const char* const old = "layer_mater macro_name=a var_symbol1=x var1=1 var7=3 grade_var=1 n_newdoping_index=2 "
                            "avar1=4 column_num=1";
    const struct {
        const char* what;
        const char* fresh;
        const char* cleared;
        bool varFlag;   // "var" still in the merge flags
    } cases[] = {
        {"another bulk macro", "layer_mater macro_name=b column_num=1",
         "layer_mater  macro_name=a  var7=3  avar1=4  column_num=1", true},
        {"the same macro, unknown to the program", "layer_mater macro_name=a column_num=1",
         "layer_mater  macro_name=a  var_symbol1=x  var1=1  var7=3  grade_var=1  avar1=4 &&\r\n   column_num=1",
         false},
    };
    for (const auto& c : cases) {
        CLayerFileUpdater updater;
        CKeywordLine o = Parsed(old);
        updater.ClearLayerMaterParams(o, Parsed(c.fresh));
        EXPECT_EQ(o.m_strText, c.cleared) << c.what;
        EXPECT_EQ(updater.GetMergeFlags(Parsed(old), Parsed(c.fresh)).count("var") > 0, c.varFlag) << c.what;
    }
    CLayerFileUpdater updater;
    EXPECT_EQ(updater.GetMergeFlags(Parsed("column w=1"), Parsed("column w=2")).size(), 47u);
}

TEST_F(LayerFileUpdaterTest, ValuesTheModelWritesOrLeavesOutAreWhatTheStatementSays)
{
    // The writer leaves some parameters out at their default and writes others only when set: a
    // value it writes that the old statement lacks is an edit, and one it leaves out is reset. A
    // parameter the writer never owns stays as the user wrote it.
    const struct {
        const char* what;
        const char* old;
        const char* fresh;
        const char* merged;
    } cases[] = {
        {"material given to a statement without one", "layer_mater column_num=2",
         "layer_mater macro_name=gaas column_num=2", "layer_mater column_num=2 macro_name=gaas"},
        {"new VCSEL type of a row", "layer d=1 n=2 r=1", "layer d=1 n=2 r=1 vcsel_type=dbr",
         "layer d=1 n=2 r=1 vcsel_type=dbr"},
        {"row mesh shift and doping tail reset", "layer d=1 n=2 r=1 shift_center=0.5 gaussian_tail=0.002",
         "layer d=1 n=2 r=1", "layer d=1 n=2 r=1"},
        {"insulator replaced by a semiconductor", "layer_mater macro_name=sio2 insulator_macro=yes column_num=1",
         "layer_mater macro_name=gaas column_num=1", "layer_mater macro_name=gaas column_num=1"},
        {"contact type and work function reset",
         "top_contact column_num=1 from=0 to=2 contact_num=1 contact_type=ohmic work_function=4.5",
         "top_contact column_num=1 from=0 to=3 contact_num=1", "top_contact column_num=1 from=0 to=3 contact_num=1"},
        {"column mesh shift reset", "column column_num=1 w=2 mesh_num=4 r=1 shift_center=0.5",
         "column column_num=1 w=2 mesh_num=4 r=1", "column column_num=1 w=2 mesh_num=4 r=1"},
        {"the user's own mesh point stays", "column column_num=1 w=2 mesh_num=4 r=1 xpoint=3",
         "column column_num=1 w=2.5 mesh_num=4 r=1", "column column_num=1 w=2.5 mesh_num=4 r=1 xpoint=3"},
    };
    for (const auto& c : cases) {
        CKeywordLine o;
        o.Parse(c.old);
        o.m_nLine = 5;
        CKeywordLine f;
        f.Parse(c.fresh);
        f.m_strText.clear();
        CLayerFileUpdater updater;
        CKeywordLine out;
        updater.MergeParams(o, f, out);
        EXPECT_EQ(out.m_strText, c.merged) << c.what;
    }
}

TEST_F(LayerFileUpdaterTest, AnEmptyValueIsLeftOutSoItCannotSwallowTheNextParameter)
{
    // "note= var1=0.3" reads back as note with the value "var1=0.3": an empty value reads the same
    // as no parameter, so none is written, in a merged statement and in a new one alike.
    CKeywordLine fresh;
    fresh.Parse("layer_mater macro_name=gaas column_num=1 var1=0.3");
    fresh.m_params.insert(fresh.m_params.begin() + 2, CKeywordParam("note", ""));
    fresh.m_strText.clear();

    CKeywordLine old;
    old.Parse("layer_mater macro_name=gaas column_num=1");
    old.m_nLine = 5;
    CKeywordLine work = fresh;
    CKeywordLine merged;
    CLayerFileUpdater().MergeParams(old, work, merged);

    CKeywordLine rebuilt = fresh;
    CLayerFileUpdater::RebuildLineText(rebuilt);

    const struct {
        const char* what;
        const CKeywordLine& line;
        const char* text;
    } cases[] = {{"merged", merged, "layer_mater macro_name=gaas column_num=1 var1=0.3"},
                 {"new", rebuilt, "layer_mater  macro_name=gaas  column_num=1  var1=0.3"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.line.m_strText, c.text) << c.what;
        CKeywordLine reread;
        reread.Parse(c.line.m_strText);
        EXPECT_EQ(reread.GetParam("var1"), "0.3") << c.what;
    }
}

TEST_F(LayerFileUpdaterTest, AnEditToTheLastStatementOfAnIncludedFileIsSaved)
{
    // The writer puts a comment line between rows that the included file does not have: the
    // comparison still reaches the last statement of the file.
    TempFolder folder;
    ASSERT_TRUE(WriteFileAtomic(folder.File("two.inc"), "layer_mater macro_name=inp column_num=1\r\n"
                                                            "layer d=2 n=5 r=1\r\n"
                                                            "layer_mater macro_name=ingaas column_num=1\r\n"
                                                            "layer d=0.1 n=2 r=1\r\n"));
    ASSERT_TRUE(WriteFileAtomic(folder.File("main.layer"), "begin_layer\r\n"
                                                               "column column_num=1 w=2 mesh_num=4 r=1\r\n"
                                                               "layer_mater macro_name=gaas column_num=1\r\n"
                                                               "layer d=1 n=4 r=1\r\n"
                                                               "include file=two.inc\r\n"
                                                               "end_layer\r\n"));
    const struct {
        const char* lastRow;
        const char* saved;
    } cases[] = {
        {"layer d=0.100000 n=2 r=1.000000",
         "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\nlayer_mater macro_name=gaas column_num=1\r\n"
         "layer d=1 n=4 r=1\r\ninclude file=two.inc\r\nend_layer\r\n"},
        {"layer d=0.300000 n=2 r=1.000000",
         "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\nlayer_mater macro_name=gaas column_num=1\r\n"
         "layer d=1 n=4 r=1\r\nlayer_mater macro_name=inp column_num=1\r\nlayer d=2 n=5 r=1\r\n"
         "layer_mater macro_name=ingaas column_num=1\r\nlayer d=0.3 n=2 r=1\r\nend_layer\r\n"},
    };
    for (const auto& c : cases) {
        LoadedFile old = LoadOld(folder.File("main.layer"));
        CKeywordLineList fresh;
        for (const char* text : {"begin_layer", "$", "column column_num=1 w=2.000000 mesh_num=4 r=1.000000", "$",
                                 "layer_mater macro_name=gaas column_num=1", "layer d=1.000000 n=4 r=1.000000", "$",
                                 "layer_mater macro_name=inp column_num=1", "layer d=2.000000 n=5 r=1.000000", "$",
                                 "layer_mater macro_name=ingaas column_num=1", c.lastRow, "$", "end_layer"})
            fresh.Append(Parsed(text));
        CLayerFileUpdater updater;
        updater.SetPath(folder.File("main.layer"));
        updater.SetLoadContext(old.context);
        CKeywordLineList result;
        updater.Update(old.lines, fresh, result);
        EXPECT_EQ(result.StoreRawText(), c.saved) << c.lastRow;
    }
}

TEST_F(LayerFileUpdaterTest, TwoStatementsSayTheSameWhenEveryParameterAgrees)
{
    const struct {
        const char* old;
        const char* fresh;
        bool same;
    } cases[] = {
        {"column column_num=1 w=0.10", "column column_num=1 w=0.1", true},
        {"column column_num=1 w=0.10", "column column_num=1 w=0.2", false},
        {"layer_mater column_num=1 contact_type=schottky", "layer_mater column_num=1", false},
        {"layer_mater column_num=1 solve_wave=yes", "layer_mater column_num=1", true},
        {"layer_mater column_num=1 solve_wave=no", "layer_mater column_num=1", false},
        {"layer_mater column_num=1 active_macro=void", "layer_mater column_num=1", true},
        {"layer_mater column_num=1 owner=lab", "layer_mater column_num=1", false},
        {"column column_num=1 w=2 xpoint=3", "column column_num=1 w=2", true},
        {"column column_num=1 w=2", "column column_num=1 w=2 mesh_num=0", true},
        {"column column_num=1 w=2", "column column_num=1 w=2 mesh_num=4", false},
        {"$ a note", "$ a note", true},
        {"$ a note", "$ another note", false},
        {"$ a note", "column column_num=1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLayerFileUpdater::IsSameStatement(Parsed(c.old), Parsed(c.fresh)), c.same)
            << c.old << " / " << c.fresh;
}

TEST_F(LayerFileUpdaterTest, OnlyPairedMaterialStatementsAreCleared)
{
    CKeywordLineList old = Numbered({"layer_mater macro_name=a column_num=1 var1=0.3 n_newdoping_index=1",
                                     "layer_mater macro_name=a column_num=2 var1=0.3 n_newdoping_index=1"});
    CKeywordLineList fresh;
    CKeywordLine partner = Parsed("layer_mater macro_name=b column_num=1");
    partner.m_nLine = 1;
    fresh.Append(partner);
    CLayerFileUpdater().UpdateLayerMaterPass(old, fresh);
    EXPECT_EQ(old[0].m_strText, "layer_mater  macro_name=a  column_num=1");
    EXPECT_EQ(old[1].m_strText, "layer_mater macro_name=a column_num=2 var1=0.3 n_newdoping_index=1");
}

TEST_F(LayerFileUpdaterTest, RegeneratedStatementsFollowTheStatementTheyBelongTo)
{
    TempFolder folder;
    ASSERT_TRUE(WriteFileAtomic(folder.File("two.inc"), "layer d=1 n=2 r=1\r\nlayer d=2 n=2 r=1\r\n"));
    auto list = [](std::initializer_list<const char*> texts) {
        CKeywordLineList lines;
        for (const char* text : texts) {
            CKeywordLine line = Parsed(text);
            line.m_strText = text;  // as loaded: leading blanks included
            lines.Append(line);
        }
        return lines;
    };
    const struct {
        const char* what;
        CKeywordLineList fresh;
        CKeywordLineList result;
        const char* saved;
    } cases[] = {
        {"two contacts of one row keep their order; an indented row counts",
         list({"layer d=1", "layer d=2", "left_contact from=0 to=1", "right_contact from=1 to=2"}),
         list({"layer d=1", "  layer d=2", "end_layer"}),
         "layer d=1\r\n  layer d=2\r\nleft_contact  from=0  to=1\r\nright_contact  from=1  to=2\r\nend_layer\r\n"},
        {"the rows of an included file count",
         list({"include file=two.inc", "left_contact from=0 to=2", "layer d=3", "right_contact from=0 to=3"}),
         list({"include file=two.inc", "layer d=3"}),
         "include file=two.inc\r\nleft_contact  from=0  to=2\r\nlayer d=3\r\nright_contact  from=0  to=3\r\n"},
    };
    for (const auto& c : cases) {
        CLayerFileUpdater updater;
        updater.SetPath(folder.File("device.layer"));
        CKeywordLineList result = c.result;
        updater.PlaceSideContacts(c.fresh, result);
        EXPECT_EQ(result.StoreRawText(), c.saved) << c.what;
    }

    // A column position whose column has no statement in the saved file has no place.
    CLayerFileUpdater updater;
    CKeywordLineList result = list({"column column_num=1 w=2", "column column_num=2 w=3"});
    updater.PlaceColumnPositions(list({"column column_num=2", "column_position label=b", "column column_num=3",
                                       "column_position label=c"}),
                                 result);
    EXPECT_EQ(result.StoreRawText(), "column column_num=1 w=2\r\ncolumn column_num=2 w=3\r\ncolumn_position  label=b\r\n");
}

TEST_F(LayerFileUpdaterTest, AnIncludedRowKeepsItsIncludeWhenItsDopingIsUnchanged)
{
    // The writer gives a row's doping to its "layer" statement; a saved file, and an included file
    // written like one, holds it in the material statement.
    TempFolder folder;
    ASSERT_TRUE(WriteFileAtomic(folder.File("doped.inc"), "layer_mater macro_name=inp column_num=1 n_doping=3e23\r\n"
                                                              "layer d=2 n=5 r=1\r\n"));
    ASSERT_TRUE(WriteFileAtomic(folder.File("main.layer"), "begin_layer\r\n"
                                                               "column column_num=1 w=2 mesh_num=4 r=1\r\n"
                                                               "include file=doped.inc\r\n"
                                                               "layer_mater macro_name=gaas column_num=1\r\n"
                                                               "layer d=1 n=4 r=1\r\n"
                                                               "end_layer\r\n"));
    const struct {
        const char* includedRow;
        const char* saved;
    } cases[] = {
        {"layer d=2.000000 n=5 r=1.000000 n_doping1=3.00e+23",
         "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\ninclude file=doped.inc\r\n"
         "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n"},
        {"layer d=2.000000 n=5 r=1.000000 n_doping1=4.00e+23",
         "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n"
         "layer_mater macro_name=inp column_num=1 n_doping=4.e+23\r\nlayer  d=2  n=5  r=1\r\n"
         "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n"},
    };
    for (const auto& c : cases) {
        LoadedFile old = LoadOld(folder.File("main.layer"));
        CKeywordLineList fresh;
        for (const char* text : {"begin_layer", "column column_num=1 w=2.000000 mesh_num=4 r=1.000000", "$",
                                 "layer_mater macro_name=inp column_num=1", c.includedRow, "$",
                                 "layer_mater macro_name=gaas column_num=1", "layer d=1.000000 n=4 r=1.000000",
                                 "end_layer"})
            fresh.Append(Parsed(text));
        CLayerFileUpdater updater;
        updater.SetPath(folder.File("main.layer"));
        updater.SetLoadContext(old.context);
        CKeywordLineList result;
        updater.Update(old.lines, fresh, result);
        EXPECT_EQ(result.StoreRawText(), c.saved) << c.includedRow;
    }
}

TEST_F(LayerFileUpdaterTest, AnIncompleteGratingIsKeptUntilTheModelWritesOneForItsLayer)
{
    // A composition without its active macros: the writer leaves it out, the save keeps the text.
    const char* const incomplete = "grating_compos column_num=1 d_high=0.12 hi_macro_name=a lo_macro_name=b";
    CKeywordLineList old = Numbered({"begin_layer", "column column_num=1 w=1 mesh_num=2 r=1",
                                     "layer_mater macro_name=a column_num=1", incomplete, "layer d=1 n=2 r=1",
                                     "end_layer"});
    const std::vector<const char*> model = {"begin_layer", "column column_num=1 w=1 mesh_num=2 r=1",
                                            "layer_mater macro_name=a column_num=1", "layer d=1 n=2 r=1",
                                            "end_layer"};
    auto save = [&](std::vector<const char*> statements) {
        CKeywordLineList fresh;
        for (const char* text : statements)
            fresh.Append(Parsed(text));
        CLayerFileUpdater updater;
        CKeywordLineList result;
        updater.Update(old, fresh, result);
        return result;
    };

    const CKeywordLineList kept = save(model);
    ASSERT_EQ(kept.CountKeyword("grating_compos"), 1);
    for (int i = 0; i < kept.GetCount(); ++i)
        if (kept[i].m_strKeyword == "grating_compos") {
            EXPECT_EQ(kept[i].m_strText, incomplete);
            EXPECT_EQ(kept[i - 1].m_strKeyword, "layer_mater");
            EXPECT_EQ(kept[i + 1].m_strKeyword, "layer");
        }

    // Completed in the device: the model's statement is merged with it, not written beside it.
    std::vector<const char*> completed = model;
    completed.insert(completed.begin() + 3, "grating_compos column_num=1 d_high=0.12 hi_macro_name=a "
                                            "hi_active_macro=w lo_macro_name=b lo_active_macro=w");
    const CKeywordLineList merged = save(completed);
    ASSERT_EQ(merged.CountKeyword("grating_compos"), 1);
    for (const CKeywordLine& line : merged.m_lines)
        if (line.m_strKeyword == "grating_compos") {
            EXPECT_EQ(line.GetParam("hi_active_macro"), "w");
            EXPECT_EQ(line.GetParam("lo_active_macro"), "w");
        }

    // A composition of another row or column does not take its place.
    const CKeywordLineList twoRows = save({"begin_layer", "column column_num=1 w=1 mesh_num=2 r=1",
                                           "layer_mater macro_name=a column_num=1", "layer d=1 n=2 r=1",
                                           "layer_mater macro_name=a column_num=1",
                                           "grating_compos column_num=1 hi_macro_name=a hi_active_macro=w "
                                           "lo_macro_name=b lo_active_macro=w",
                                           "layer d=2 n=2 r=1", "end_layer"});
    ASSERT_EQ(twoRows.CountKeyword("grating_compos"), 2);
    for (const CKeywordLine& line : twoRows.m_lines) {
        if (line.m_strKeyword == "grating_compos" && line.GetParam("hi_active_macro").empty()) {
            EXPECT_EQ(line.m_strText, incomplete);
        }
    }
}
