#include "series/SeriesDeviceFixture.h"

#include "CommandIds.h"
#include "series/SeriesGenerator.h"
#include "series/SeriesInfoFile.h"
#include "support/FileBytes.h"
#include "support/GoldenFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr int kThickness = 0;  // the size page's thickness box
constexpr int kDoping = 40;    // the doping page's concentration box
const char* const kNotInFile = "Can't find this item in file, \nPerhaps you should save file first!";

std::string Golden(const std::string& name) { return TESSARON_FIXTURES "/series/golden/" + name; }

// The physical lines of a text, each with its line end.
std::vector<std::string> LinesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t end = bytes.find('\n', begin);
        end = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(begin, end - begin));
        begin = end;
    }
    return lines;
}

class EditBoxSeries : public SeriesDevice {
protected:
    // Thickness of row 0 from 2 to 3 in 3 steps (group 1), doping of row 1 (in the included file)
    // from 3e23 to 5e23 in 2 steps (group 2).
    void AddTwoGroups()
    {
        windows.AnswerStep(2, 3, 3, 1);
        SweepInModifySheet(0, 0, kThickness);
        windows.AnswerStep(3e23, 5e23, 2, 2);
        SweepInModifySheet(0, 1, kDoping);
        ASSERT_NE(Dialog(), nullptr);
        ASSERT_EQ(Dialog()->List().Table().GetCount(), 2);
    }
    std::string Point(int n, const std::string& file) const
    {
        return DeviceFolder() + "Projects/Run/" + std::to_string(n) + "/" + file;
    }
};

}  // namespace

TEST_F(EditBoxSeries, TheSeriesCommandIsOfferedOnceTheSeriesIsInstalled)
{
    EXPECT_TRUE(doc().QueryCommand(ID_EDIT_BOX_SERIES).enabled);
    SetEditBoxSeriesHost(nullptr);
    EXPECT_FALSE(doc().QueryCommand(ID_EDIT_BOX_SERIES).enabled);
}

TEST_F(EditBoxSeries, TheStepDialogOpensOnTheSavedValueAndTheFirstItemNamesTheSeries)
{
    OpenDevice();
    windows.AnswerStep(2, 3, 3, 1);
    SweepInModifySheet(0, 0, kThickness);
    ASSERT_EQ(windows.stepsOffered.size(), 1u);
    EXPECT_EQ(windows.stepsOffered[0].m_dInitial, 2.0);
    EXPECT_EQ(windows.stepsOffered[0].m_dFinal, 2.0);
    EXPECT_EQ(windows.stepsOffered[0].m_nStepNumber, 5);
    EXPECT_EQ(windows.stepsOffered[0].m_nGroupId, 1);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(Dialog()->GetSourceFolder(), DeviceFolder());
    const CSeriesItem& item = Dialog()->List().Table().GetItem(0);
    EXPECT_EQ(item.m_strFile, DevicePath());
    EXPECT_EQ(item.m_nLine, 9);
    EXPECT_EQ(item.m_nStart, 8);
    EXPECT_EQ(item.m_nEnd, 9);
    EXPECT_EQ(item.m_strVariable, "d");
    EXPECT_EQ(Dialog()->m_strSeriesName.rfind("d_2_3_", 0), 0u) << Dialog()->m_strSeriesName;
    EXPECT_EQ(windows.shown, 1);

    // The same value again is refused; a typed name stays when more items come.
    Dialog()->m_strSeriesName = "mine";
    windows.AnswerStep(2, 4, 3, 1);
    prompts.AnswerNext(IDOK);
    SweepInModifySheet(0, 0, kThickness);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"You have added this parameter already!"});
    windows.AnswerStep(3e23, 5e23, 2, 2);
    SweepInModifySheet(0, 1, kDoping);
    EXPECT_EQ(Dialog()->List().Table().GetCount(), 2);
    EXPECT_EQ(Dialog()->m_strSeriesName, "mine");

    // A cancelled step dialog adds nothing.
    windows.CancelStep();
    SweepInModifySheet(1, 0, kThickness);
    EXPECT_EQ(Dialog()->List().Table().GetCount(), 2);
}

TEST_F(EditBoxSeries, TwoGroupsWriteSixPointFoldersThatReopenWithTheirValues)
{
    OpenDevice();
    AddTwoGroups();
    Dialog()->m_strSeriesName = "Run";
    ASSERT_TRUE(Dialog()->OnGenerate());
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(FileBytes(SeriesInfoFile::PathIn(DeviceFolder())), "Delected");
    EXPECT_FALSE(std::filesystem::exists(Point(7, "")));

    const std::string source = FileBytes(DevicePath());
    const std::string sourceInclude = FileBytes(DeviceFolder() + "Rows/middle.inc");
    ExpectGoldenFile(FileBytes(Point(1, "Sweep.layer")), Golden("point1_Sweep.layer"));
    ExpectGoldenFile(FileBytes(Point(1, "Rows/middle.inc")), Golden("point1_middle.inc"));
    ExpectGoldenFile(FileBytes(Point(6, "Sweep.layer")), Golden("point6_Sweep.layer"));
    ExpectGoldenFile(FileBytes(Point(6, "Rows/middle.inc")), Golden("point6_middle.inc"));
    for (int p = 1; p <= 6; ++p) {
        SCOPED_TRACE(p);
        // Only the swept line differs from the saved file, byte for byte.
        const std::vector<std::string> lines = LinesOf(FileBytes(Point(p, "Sweep.layer")));
        const std::vector<std::string> saved = LinesOf(source);
        ASSERT_EQ(lines.size(), saved.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != 9) {
                EXPECT_EQ(lines[i], saved[i]);
            }
        }
        EXPECT_EQ(LinesOf(FileBytes(Point(p, "Rows/middle.inc"))).size(), LinesOf(sourceInclude).size());
        EXPECT_EQ(FileBytes(Point(p, "Notes.txt")), "run notes\n");
        EXPECT_FALSE(std::filesystem::exists(Point(p, "Projects")));

        ASSERT_TRUE(doc().OnOpenDocument(Point(p, "Sweep.layer")));
        EXPECT_FLOAT_EQ(LayerAt(0, 0, 0).m_fHeight, 2.0f + 0.5f * ((p - 1) / 2));
        EXPECT_FLOAT_EQ(LayerAt(0, 0, 1).m_Doping.m_fValue, 3e23f + 2e23f * ((p - 1) % 2));
    }
    // Opening another device closed the series.
    EXPECT_EQ(Dialog(), nullptr);
}

TEST_F(EditBoxSeries, UnsavedChangesAndNewLayerSheetsAreRefusedAndAddNothing)
{
    OpenDevice();
    // A new layer's sheet: the selection names the layer below the new one.
    sheets.OnNextSheet([this](LayerSheetRequest&) {
        doc().SweepValue(kThickness, CSeriesTarget());
        return false;
    });
    doc().SetSelection(0, 0, 0);
    prompts.AnswerNext(IDOK);
    doc().OnNewLayer();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kNotInFile});
    prompts.Clear();

    // An accepted edit that is not saved yet.
    doc().SetSelection(0, 0, 0);
    sheets.AcceptNextSheet([] { g_EditLayer.m_fHeight = 4.0f; });
    doc().OnLayerModify();
    ASSERT_TRUE(doc().IsModified());
    prompts.Clear();
    prompts.AnswerNext(IDOK);
    SweepInModifySheet(0, 0, kThickness);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kNotInFile});
    EXPECT_TRUE(windows.stepsOffered.empty());
    EXPECT_EQ(Dialog(), nullptr);

    // Saved, the new value is found.
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnFileSave());
    windows.AnswerStep(4, 5, 2, 1);
    SweepInModifySheet(0, 0, kThickness);
    ASSERT_EQ(windows.stepsOffered.size(), 1u);
    EXPECT_EQ(windows.stepsOffered[0].m_dInitial, 4.0);
}

TEST_F(EditBoxSeries, WithoutASelectedLayerOnlyValuesOfAnyLayerAreFound)
{
    OpenDevice();
    doc().SetSelection(-1, -1, -1);
    prompts.AnswerNext(IDOK);
    doc().SweepValue(kThickness, CSeriesTarget());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kNotInFile});
    EXPECT_TRUE(windows.stepsOffered.empty());
}

TEST_F(EditBoxSeries, AChangedSourceFileStopsTheGenerationBeforeAnythingIsWritten)
{
    OpenDevice();
    AddTwoGroups();
    std::string bytes = FileBytes(DevicePath());
    bytes.replace(bytes.find("d=2 "), 4, "d=7 ");
    folder.Write("Runs/Device/Sweep.layer", bytes);
    Dialog()->m_strSeriesName = "Run";
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(Dialog()->OnGenerate());
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("line 10: the value of d (2) is no longer where it was found"), std::string::npos)
        << prompts.Texts()[0];
    EXPECT_FALSE(std::filesystem::exists(DeviceFolder() + "Projects"));
    EXPECT_FALSE(std::filesystem::exists(SeriesInfoFile::PathIn(DeviceFolder())));
}

TEST_F(EditBoxSeries, AnExistingSeriesFolderIsReplacedOnlyWhenTheUserSaysSo)
{
    OpenDevice();
    AddTwoGroups();
    folder.Write("Runs/Device/Projects/Run/9/old.txt", "earlier series");
    Dialog()->m_strSeriesName = "Run";
    prompts.AnswerNext(IDNO);
    EXPECT_FALSE(Dialog()->OnGenerate());
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("exists already"), std::string::npos);
    EXPECT_EQ(folder.Read("Runs/Device/Projects/Run/9/old.txt"), "earlier series");
    EXPECT_FALSE(std::filesystem::exists(Point(1, "")));

    prompts.Clear();
    prompts.AnswerNext(IDYES);
    EXPECT_TRUE(Dialog()->OnGenerate());
    EXPECT_FALSE(std::filesystem::exists(Point(9, "")));
    EXPECT_TRUE(std::filesystem::exists(Point(6, "Sweep.layer")));
}

TEST_F(EditBoxSeries, AnIncludeOutsideTheDeviceFolderIsRefused)
{
    OpenDevice();
    folder.Write("Runs/Shared/middle.inc", FileBytes(DeviceFolder() + "Rows/middle.inc"));
    std::string bytes = FileBytes(DevicePath());
    bytes.replace(bytes.find("Rows\\middle.inc"), 15, "..\\Shared\\middle.inc");
    folder.Write("Runs/Device/Sweep.layer", bytes);
    ASSERT_TRUE(doc().OnOpenDocument(DevicePath()));
    windows.AnswerStep(2, 3, 3, 1);
    SweepInModifySheet(0, 0, kThickness);
    ASSERT_NE(Dialog(), nullptr);
    Dialog()->m_strSeriesName = "Run";
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(Dialog()->OnGenerate());
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("lies outside the folder of the series"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(DeviceFolder() + "Projects"));
}

TEST_F(EditBoxSeries, AValueOfAnotherFolderAsksBeforeTheOpenSeriesCloses)
{
    OpenDevice();
    windows.AnswerStep(2, 3, 3, 1);
    SweepInModifySheet(0, 0, kThickness);
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnSaveDocument(folder.File("Other/Copy.layer")));
    prompts.Clear();
    prompts.AllowUnscripted(false);

    windows.AnswerStep(2, 4, 2, 1);
    prompts.AnswerNext(IDNO);
    SweepInModifySheet(0, 0, kThickness);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("Close it with its items"), std::string::npos);
    EXPECT_EQ(Dialog()->GetSourceFolder(), DeviceFolder());
    EXPECT_EQ(Dialog()->List().Table().GetCount(), 1);

    windows.AnswerStep(2, 4, 2, 1);
    prompts.AnswerNext(IDYES);
    SweepInModifySheet(0, 0, kThickness);
    EXPECT_EQ(windows.destroyed, 1);
    EXPECT_EQ(Dialog()->GetSourceFolder(), folder.File("Other/"));
    ASSERT_EQ(Dialog()->List().Table().GetCount(), 1);
    EXPECT_EQ(Dialog()->List().Table().GetItem(0).m_dFinal, 4.0);
}

TEST_F(EditBoxSeries, AContactValueOfTheGridIsFoundByItsSeriesTarget)
{
    OpenDevice();
    CSeriesTarget cell;
    cell.m_nZSeg = 0;
    cell.m_nOwner = 0;
    cell.m_nContact = 0;
    cell.m_nValueKind = 1;  // "to"
    cell.m_strKeyword = "bottom_contact";
    windows.AnswerStep(3, 4, 2, 1);
    doc().SweepValue(200, cell);
    ASSERT_NE(Dialog(), nullptr);
    const CSeriesItem& item = Dialog()->List().Table().GetItem(0);
    EXPECT_EQ(item.m_strVariable, "to");
    EXPECT_EQ(item.m_nLine, 5);
    EXPECT_EQ(item.m_strValueText, "3");

    cell.m_nContact = 1;  // the column has one bottom contact only
    prompts.AnswerNext(IDOK);
    doc().SweepValue(200, cell);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error when series contact, \nPlease save file first!"});
}

TEST(SeriesNumberText, OnlyWholeNumbersCanBeSwept)
{
    const struct {
        const char* text;
        bool number;
    } cases[] = {{"2.5", true},  {" 1e-3 ", true}, {"0", true},       {"-4", true},
                 {"1.5abc", false}, {"-0", false},  {"", false},        {"[1", false}};
    for (const auto& c : cases)
        EXPECT_EQ(CTessaronDoc::IsSeriesNumberText(c.text), c.number) << '"' << c.text << '"';
}
