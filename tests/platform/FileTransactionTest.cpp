// A set of files written as one: staged bytes are read back before they are written, every file is
// put in place or none, and every file that cannot be written is named.

#include "platform/FileTransaction.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(FileTransaction, StagedBytesAreReadBackAndWrittenOnlyAtTheCommit)
{
    TempFolder temp;
    temp.Write("a.sol", "old deck");
    CFileTransaction files;
    files.Stage(temp.File("a.sol"), "first");
    files.Stage(temp.File("b.layer"), "layer");
    files.Stage(temp.File("a.sol"), "new deck");  // a second stage of one file replaces the first

    std::string bytes;
    ASSERT_TRUE(files.Read(temp.File("a.sol"), bytes));
    EXPECT_EQ(bytes, "new deck");
    EXPECT_TRUE(files.Exists(temp.File("b.layer")));
    EXPECT_FALSE(files.Exists(temp.File("c.layer")));
    EXPECT_EQ(files.GetCount(), 2);
    // Nothing is on disk yet.
    EXPECT_EQ(temp.Read("a.sol"), "old deck");
    EXPECT_EQ(temp.List(), "a.sol");

    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(temp.Read("a.sol"), "new deck");
    EXPECT_EQ(temp.Read("b.layer"), "layer");
    EXPECT_EQ(temp.List(), "a.sol b.layer");
    EXPECT_EQ(files.GetCount(), 0);
}

TEST(FileTransaction, AFailureAtAnyCallLeavesEveryOldFileAndNoOtherName)
{
    TempFolder temp;
    temp.Write("a.sol", "old a");
    temp.Write("b.layer", "old b");
    FaultyFileCalls calls;
    // Three files of five calls each (create, write, sync, close, rename); a rename that fails puts
    // back the files already replaced and removes the new one already placed.
    for (int failing = 1; failing <= 15; ++failing) {
        CFileTransaction files;
        files.Stage(temp.File("c.gain"), "new c");
        files.Stage(temp.File("a.sol"), "new a");
        files.Stage(temp.File("b.layer"), "new b");
        calls.FailCall(failing, ENOSPC);
        EXPECT_FALSE(files.Commit()) << failing;
        ASSERT_EQ(files.Failures().size(), 1u) << failing;
        EXPECT_EQ(files.Failures()[0].reason, "No space left on device");
        EXPECT_EQ(temp.Read("a.sol"), "old a") << calls.steps.back() << " " << failing;
        EXPECT_EQ(temp.Read("b.layer"), "old b") << calls.steps.back() << " " << failing;
        EXPECT_EQ(temp.List(), "a.sol b.layer") << calls.steps.back() << " " << failing;
    }
    calls.FailCall(0);
    CFileTransaction files;
    files.Stage(temp.File("a.sol"), "new a");
    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(temp.Read("a.sol"), "new a");
}

TEST(FileTransaction, EveryFileThatCannotBeWrittenIsNamed)
{
    TempFolder temp;
    temp.Write("a.sol", "old a");
    temp.Write("b.layer", "old b");
    ::chmod(temp.File("a.sol").c_str(), 0444);
    CFileTransaction files;
    files.Stage(temp.File("a.sol"), "new a");
    files.Stage(temp.File("b.layer"), "new b");
    files.Stage(temp.File("no/such/folder/c.gain"), "new c");
    EXPECT_FALSE(files.Commit());
    EXPECT_EQ(files.FailureText(), temp.File("a.sol") + ": Permission denied (the file is read-only)\n" +
                                       temp.File("no/such/folder/c.gain") + ": No such file or directory");
    EXPECT_EQ(temp.Read("b.layer"), "old b");
    EXPECT_EQ(temp.List(), "a.sol b.layer");
}
