// The folder tree of a model-based series: value folders named after their values, each with
// copies of the root folder's plain files, the marker in the root folder, and the refusals.

#include "platform/FileSystem.h"
#include "series/SeriesProject.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class SeriesProjectTest : public ::testing::Test {
protected:
    SeriesProjectTest()
    {
        root = work.Write("dev.layer", "device\n");
        work.Write("dev.gain", "gain\n");
        work.Write("series_infos.info", "left from an earlier series\n");
        work.Write("sub/inner.txt", "not copied\n");
    }
    std::string Folder(const std::string& series) const { return work.Path() + "/projects/" + series + "/"; }

    TempFolder work;
    ScriptedPrompts prompts;
    std::string root;
};

std::vector<std::string> FolderNames(const CSeriesProject& project)
{
    std::vector<std::string> names;
    for (int i = 0; i < project.GetFolderCount(); ++i)
        names.push_back(project.GetFolderName(i));
    return names;
}

}  // namespace

TEST_F(SeriesProjectTest, DistinctValuesGetDistinctFoldersWithCopiesOfTheRootFiles)
{
    struct Case {
        double initial, final, step;
        std::vector<std::string> names;
    } cases[] = {
        {0.1, 0.5, 0.1, {"0.1", "0.2", "0.3", "0.4", "0.5"}},
        {-3, 3, 3, {"-3", "0", "3"}},
        {1, 3.5, 1, {"1", "2", "3", "3.5"}},
        {1, 3, 1, {"1", "2", "3"}},
    };
    int run = 0;
    for (const Case& c : cases) {
        const std::string series = "s" + std::to_string(++run);
        CSeriesProject project(root);
        ASSERT_TRUE(project.Run(series, c.initial, c.final, c.step)) << series;
        std::vector<std::string> expected;
        for (const std::string& name : c.names)
            expected.push_back(Folder(series) + name + "/");
        EXPECT_EQ(FolderNames(project), expected);
        for (const std::string& name : c.names)
            EXPECT_EQ(work.Read("projects/" + series + "/" + name + "/dev.layer"), "device\n") << name;
    }
    // One value folder as the tree holds it: the plain files, not the marker, not the sub-folder.
    EXPECT_EQ(work.Read("projects/s1/0.3/dev.gain"), "gain\n");
    EXPECT_EQ(work.Read("projects/s1/0.3/series_infos.info"), "");
    EXPECT_EQ(work.Read("projects/s1/0.3/sub/inner.txt"), "");
    EXPECT_EQ(work.Read("series_infos.info"), "");
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(SeriesProjectTest, RefusedRangesMakeNoFolder)
{
    struct Case {
        double initial, final, step;
        const char* message;
    } cases[] = {
        {1, 3, 0, "Step is too small!"},
        {1, 3, -1, "Step is too small!"},
        {3, 1, 1, "Loop is less than zero!"},
        {1, 1e9, 1, "Too many series points: at most 100000 can be created!"},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        work.Write("series_infos.info", "old");
        CSeriesProject project(root);
        EXPECT_FALSE(project.Run("refused", c.initial, c.final, c.step));
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(project.GetFolderCount(), 0);
        EXPECT_EQ(work.Read("series_infos.info"), "");  // the marker is written all the same
    }
    EXPECT_FALSE(FolderExists(work.File("projects")));
}

TEST_F(SeriesProjectTest, ALongListIsBuiltOnlyWhenTheUserAgrees)
{
    CSeriesProject project(root);
    prompts.AnswerNext(IDCANCEL);
    EXPECT_FALSE(project.Run("long", 1, 1001, 1));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"1001 series points to be created, continue?  cancel?"});
    EXPECT_EQ(project.GetFolderCount(), 0);
}

TEST_F(SeriesProjectTest, WithoutARootFileNothingIsWritten)
{
    CSeriesProject project;
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(project.Run("norooot", 1, 2, 1));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please save your device first!"});
    EXPECT_EQ(project.GetRootTitle(), "");
    EXPECT_EQ(prompts.Texts().back(), "Please set Root file!");
}

TEST_F(SeriesProjectTest, AnExistingSeriesIsReplacedOrKeptUnderAnotherName)
{
    ASSERT_TRUE(CSeriesProject(root).Run("dev-Bulk-var1-", 1, 2, 1));
    work.Write("projects/dev-Bulk-var1-/1/dev.layer", "first run\n");

    // No: the first series stays and the new one takes the next free name.
    prompts.AnswerNext(IDNO);
    CSeriesProject second(root);
    ASSERT_TRUE(second.Run("dev-Bulk-var1-", 1, 2, 1));
    EXPECT_EQ(second.GetSeriesName(), "dev-Bulk-var1--2");
    EXPECT_EQ(work.Read("projects/dev-Bulk-var1-/1/dev.layer"), "first run\n");
    EXPECT_EQ(work.Read("projects/dev-Bulk-var1--2/1/dev.layer"), "device\n");

    // Cancel: nothing is made.
    prompts.AnswerNext(IDCANCEL);
    EXPECT_FALSE(CSeriesProject(root).Run("dev-Bulk-var1-", 1, 2, 1));
    EXPECT_EQ(work.Read("projects/dev-Bulk-var1-/1/dev.layer"), "first run\n");

    // Yes: the old folder goes, with whatever it held.
    work.Write("projects/dev-Bulk-var1-/7/stale.txt", "stale");
    prompts.AnswerNext(IDYES);
    ASSERT_TRUE(CSeriesProject(root).Run("dev-Bulk-var1-", 1, 2, 1));
    EXPECT_EQ(work.Read("projects/dev-Bulk-var1-/1/dev.layer"), "device\n");
    EXPECT_EQ(work.Read("projects/dev-Bulk-var1-/7/stale.txt"), "");
    ASSERT_EQ(prompts.Shown_().size(), 3u);
    EXPECT_EQ(prompts.Texts()[0], "The series folder\n" + work.Path() +
                                      "/projects/dev-Bulk-var1-\nexists already. Replace it?\n(No: the series "
                                      "takes another name.)");
}

TEST(SeriesProject, NamesFoldersAndTitles)
{
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(3.0), "3");
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(-3.0), "-3");
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(0.4), "0.4");
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(12.7), "12.7");
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(0.1 + 2 * 0.1), "0.3");
    EXPECT_EQ(CSeriesProject::FormatSeriesFolderName(3e9), "3000000000");

    const CSeriesProject project("/data/run.a.layer");
    EXPECT_EQ(project.GetRootTitle(), "run");
    EXPECT_EQ(project.GetRootDir(), "/data/");
    EXPECT_EQ(project.GetFolderName(-1), "");
    EXPECT_EQ(project.GetFolderName(0), "");
}
