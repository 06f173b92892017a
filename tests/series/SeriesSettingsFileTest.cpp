#include "platform/Archive.h"
#include "series/SeriesConditionDlg.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The example of the settings file's layout: one item d, group 1 of 5 steps from 0.1 to 0.5, line
// 12, columns 8 to 11, in c:\dev\a.layer (a file that does not exist here).
CSeriesConditionDlg ExampleSeries()
{
    CSeriesConditionDlg dialog("c:\\dev\\");
    CSeriesItem item;
    item.m_strVariable = "d";
    item.m_nGroupId = 1;
    item.m_dInitial = 0.1;
    item.m_dFinal = 0.5;
    item.m_nLine = 12;
    item.m_nStart = 8;
    item.m_nEnd = 11;
    item.m_strFile = "c:\\dev\\a.layer";
    dialog.List().AddItem(item, 5);
    return dialog;
}

std::string Int32(std::int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string Double(double v) { return std::string(reinterpret_cast<const char*>(&v), 8); }

}  // namespace

TEST(SeriesSettingsFile, TheExampleIsWrittenFieldForFieldAndReloadsToTheSameTable)
{
    ScriptedPrompts prompts;
    TempFolder folder;
    const std::string path = folder.File("example.sif");
    ASSERT_TRUE(ExampleSeries().SaveSetting(path));
    const std::string bytes = FileBytes(path);
    const std::string expected = Int32(1) + Int32(1) + Int32(1) + Int32(1) + Int32(5) + Double(0.5) + Double(0.1) +
                                 Int32(1) + Int32(12) + "\x01" "d" + Int32(11) + Int32(8) + "\x0e" "c:\\dev\\a.layer";
    ASSERT_EQ(bytes.size(), expected.size() + 4);
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    // A missing file is stamped with the time of writing.
    std::int32_t stamp = 0;
    std::memcpy(&stamp, bytes.data() + expected.size(), 4);
    EXPECT_NEAR(stamp, static_cast<double>(std::time(nullptr)), 60.0);

    prompts.AllowUnscripted();
    CSeriesConditionDlg loaded("c:\\dev\\");
    ASSERT_TRUE(loaded.LoadSetting(path));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"c:\\dev\\a.layer does not exist!\n"});
    const CSeriesTable& table = loaded.List().Table();
    ASSERT_EQ(table.GetCount(), 1);
    EXPECT_EQ(table.GetGroupSteps(), (std::map<int, int>{{1, 5}}));
    const CSeriesItem& item = table.GetItem(0);
    EXPECT_EQ(item.m_strVariable, "d");
    EXPECT_EQ(item.m_dInitial, 0.1);
    EXPECT_EQ(item.m_dFinal, 0.5);
    EXPECT_EQ(item.m_nLine, 12);
    EXPECT_EQ(item.m_nStart, 8);
    EXPECT_EQ(item.m_nEnd, 11);
    EXPECT_EQ(item.m_strFile, "c:\\dev\\a.layer");
}

TEST(SeriesSettingsFile, AnEmptySeriesWritesItsThreeCounts)
{
    TempFolder folder;
    CSeriesConditionDlg dialog("x/");
    ASSERT_TRUE(dialog.SaveSetting(folder.File("empty.sif")));
    EXPECT_EQ(FileBytes(folder.File("empty.sif")), Int32(1) + Int32(0) + Int32(0));
}

TEST(SeriesSettingsFile, DamagedFilesAreRefusedAndLoadNothing)
{
    TempFolder folder;
    ASSERT_TRUE(ExampleSeries().SaveSetting(folder.File("good.sif")));
    const std::string good = FileBytes(folder.File("good.sif"));
    std::string badStep = good;
    badStep.replace(16, 4, Int32(1));  // a step number of 1 would divide by zero
    std::string hugeCount = good;
    hugeCount.replace(4, 4, Int32(0x7fffffff));
    const std::string damaged = "The series settings file is damaged or incomplete:\n";
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {{"truncated", good.substr(0, good.size() - 6), damaged},
                 {"short", good.substr(0, 6), damaged},
                 {"version", Int32(2) + good.substr(4), "Incorrect file version"},
                 {"step", badStep, damaged},
                 {"count", hugeCount, damaged},
                 {"trailing", good + "x", damaged}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        prompts.AllowUnscripted();
        const std::string path = folder.Write(std::string(c.name) + ".sif", c.bytes);
        CSeriesConditionDlg dialog = ExampleSeries();
        EXPECT_FALSE(dialog.LoadSetting(path));
        ASSERT_EQ(prompts.Texts().size(), 1u);
        EXPECT_EQ(prompts.Texts()[0].substr(0, c.message.size()), c.message);
        // What the dialog held stays.
        EXPECT_EQ(dialog.List().Table().GetCount(), 1);
    }
}

TEST(SeriesSettingsFile, SaveSettingAsksForTheFileAndSaysWhenItCannotBeCreated)
{
    ScriptedPrompts prompts;
    TempFolder folder;
    CSeriesConditionDlg dialog = ExampleSeries();
    prompts.ChooseFileNext(folder.File("chosen"));
    EXPECT_TRUE(dialog.OnSaveSetting());
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Series info file(*.sif)|*.sif||");
    EXPECT_EQ(prompts.FileDialogs()[0].defaultExt, "sif");
    EXPECT_FALSE(FileBytes(folder.File("chosen.sif")).empty());

    prompts.ChooseFileNext(folder.File("no/such/folder/x.sif"));
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(dialog.OnSaveSetting());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't create file!"});
}
