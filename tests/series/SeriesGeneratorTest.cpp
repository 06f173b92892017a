#include "series/SeriesConditionDlg.h"
#include "series/SeriesGenerator.h"
#include "series/SeriesNumberText.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

CSeriesItem ItemAt(const std::string& file, int line, int start, int end, const std::string& text, double initial,
                   double final, int group)
{
    CSeriesItem item;
    item.m_strFile = file;
    item.m_nLine = line;
    item.m_nStart = start;
    item.m_nEnd = end;
    item.m_strValueText = text;
    item.m_dInitial = initial;
    item.m_dFinal = final;
    item.m_nGroupId = group;
    item.m_strVariable = "v";
    return item;
}

// Generates the table over the folder's files into "<folder>/Projects/S/"; the number of points.
long long Generate(CSeriesTable& table, const TempFolder& folder)
{
    CSeriesGenerator generator(table, folder.Path() + "/");
    EXPECT_TRUE(generator.Prepare()) << generator.GetError();
    const long long points = generator.Write(CSeriesGenerator::SeriesFolder(folder.Path() + "/", "S"));
    EXPECT_EQ(generator.GetLog(), "");
    return points;
}

std::string PointFile(const TempFolder& folder, int point, const std::string& name)
{
    return FileBytes(folder.File("Projects/S/" + std::to_string(point) + "/" + name));
}

}  // namespace

TEST(SeriesValues, EachStepIsWrittenAsTheShortestTextThatReadsBack)
{
    const struct {
        double initial;
        double final;
        int steps;
        std::vector<std::string> texts;
    } cases[] = {
        {0.1, 0.5, 5, {"0.1", "0.2", "0.3", "0.4", "0.5"}},
        {1.0000001, 1.0000005, 5, {"1.0000001", "1.0000002", "1.0000003", "1.0000004", "1.0000005"}},
        {0, 1e-5, 2, {"0", "1e-005"}},
        {2, 3, 3, {"2", "2.5", "3"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (int i = 0; i < c.steps; ++i)
            texts.push_back(ShortestNumberText(CSeriesTable::StepValue(c.initial, c.final, c.steps, i)));
        EXPECT_EQ(texts, c.texts) << c.initial << " to " << c.final;
    }
}

TEST(SeriesGeneration, GroupsNestWithTheLowestGroupOutermost)
{
    TempFolder folder;
    folder.Write("a.layer", "layer w=1 r=2\r\n");
    CSeriesTable table;
    const std::string file = folder.File("a.layer");
    table.AddItem(ItemAt(file, 0, 8, 9, "1", 1, 3, 1), 3);
    table.AddItem(ItemAt(file, 0, 12, 13, "2", 10, 20, 2), 2);
    EXPECT_EQ(table.CountPoints(), 6);
    EXPECT_EQ(Generate(table, folder), 6);
    // Both values of the line are replaced, whatever the lengths of the new texts.
    const std::vector<std::string> expected = {"layer w=1  r=10 \r\n", "layer w=1  r=20 \r\n", "layer w=2  r=10 \r\n",
                                               "layer w=2  r=20 \r\n", "layer w=3  r=10 \r\n", "layer w=3  r=20 \r\n"};
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(PointFile(folder, p, "a.layer"), expected[p - 1]) << p;
    EXPECT_TRUE(PointFile(folder, 7, "a.layer").empty());
}

TEST(SeriesGeneration, AValueAtTheEndOfItsLineGetsItsBlankBeforeTheLineEnd)
{
    TempFolder folder;
    folder.Write("a.layer", "column w=2.5\r\nlayer d=1\n");
    CSeriesTable table;
    table.AddItem(ItemAt(folder.File("a.layer"), 0, 9, 12, "2.5", 3, 4, 1), 2);
    Generate(table, folder);
    EXPECT_EQ(PointFile(folder, 1, "a.layer"), "column w=3 \r\nlayer d=1\n");
    EXPECT_EQ(PointFile(folder, 2, "a.layer"), "column w=4 \r\nlayer d=1\n");
}

TEST(SeriesGeneration, ASpanOutsideItsLineOrAnUnreadableSourceStopsBeforeWriting)
{
    TempFolder folder;
    folder.Write("a.layer", "layer d=1\r\n");
    const struct {
        const char* name;
        CSeriesItem item;
        const char* message;
    } cases[] = {
        {"line beyond the file", ItemAt(folder.File("a.layer"), 3, 8, 9, "1", 1, 2, 1), "no longer where it was found"},
        {"span beyond the line", ItemAt(folder.File("a.layer"), 0, 8, 12, "1", 1, 2, 1), "no longer where it was found"},
        {"missing file", ItemAt(folder.File("b.layer"), 0, 8, 9, "1", 1, 2, 1), "Can't read"},
    };
    for (const auto& c : cases) {
        CSeriesTable table;
        table.AddItem(c.item, 2);
        CSeriesGenerator generator(table, folder.Path() + "/");
        EXPECT_FALSE(generator.Prepare()) << c.name;
        EXPECT_NE(generator.GetError().find(c.message), std::string::npos) << c.name << ": " << generator.GetError();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("Projects")));
}

TEST(SeriesConditionDialog, EditNeedsExactlyOneRowAndDeleteKeepsTheStepNumbers)
{
    ScriptedPrompts prompts;
    prompts.AllowUnscripted();
    CSeriesConditionDlg dialog("f/");
    dialog.List().AddItem(ItemAt("f/a.layer", 1, 0, 1, "1", 1, 2, 1), 3);
    dialog.List().AddItem(ItemAt("f/a.layer", 2, 0, 1, "1", 1, 2, 2), 4);
    EXPECT_EQ(dialog.RowToEdit({0, 1}), -1);
    EXPECT_EQ(dialog.RowToEdit({}), -1);
    EXPECT_EQ(dialog.RowToEdit({1}), 1);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"You can only edit one row!", "Select one row!"}));

    // Moving an item into group 1 gives that group the edit's step number.
    dialog.ApplyEdit(1, 5, 6, 1, 7);
    EXPECT_EQ(dialog.List().Table().FindGroup(1), 7);
    EXPECT_EQ(dialog.List().CellText(0, 4), "7");
    dialog.OnDelete({0, 1});
    EXPECT_EQ(dialog.List().Table().GetCount(), 0);
    EXPECT_EQ(dialog.List().Table().FindGroup(2), 4);
}

TEST(SeriesConditionDialog, TheListShowsEachItemsCellsAndTheNameComesFromTheFirstItem)
{
    CSeriesListCtrl list;
    CSeriesItem item = ItemAt("Dev/Sub\\A.Layer", 12, 8, 11, "0.1", 0.1, 0.5, 1);
    item.m_strVariable = "d";
    list.AddItem(item, 5);
    const std::vector<std::string> cells = {"12", "d", "0.1", "0.5", "5", "1", "a.layer"};
    for (int c = 0; c < CSeriesListCtrl::kColumnCount; ++c)
        EXPECT_EQ(list.CellText(0, c), cells[static_cast<std::size_t>(c)]) << CSeriesListCtrl::ColumnHeading(c);
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 8;
    when.tm_hour = 14;
    when.tm_min = 5;
    when.tm_sec = 9;
    EXPECT_EQ(list.FormatItemName(when), "d_0.1_0.5_12082026_140509");
}

TEST(SeriesConditionDialog, ANameThatIsNotOneFolderIsRefused)
{
    for (const char* name : {"", "  ", "a/b", "..", "x\\y"}) {
        ScriptedPrompts prompts;
        prompts.AllowUnscripted();
        CSeriesConditionDlg dialog("nowhere/");
        dialog.m_strSeriesName = name;
        EXPECT_FALSE(dialog.OnGenerate()) << name;
        EXPECT_EQ(prompts.Texts().size(), 1u) << name;
    }
}

TEST(SeriesConditionDialog, ASeriesWithoutItemsWritesNoPointButStillLeavesTheMarker)
{
    ScriptedPrompts prompts;
    TempFolder folder;
    CSeriesConditionDlg dialog(folder.Path() + "/");
    dialog.List().AddItem(ItemAt(folder.File("a.layer"), 0, 0, 1, "1", 1, 2, 1), 2);
    dialog.OnDelete({0});
    dialog.m_strSeriesName = "Empty";
    EXPECT_TRUE(dialog.OnGenerate());
    EXPECT_FALSE(std::filesystem::exists(folder.File("Projects")));
    EXPECT_EQ(FileBytes(folder.File("series_infos.info")), "Delected");
}
