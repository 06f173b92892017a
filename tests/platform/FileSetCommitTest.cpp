// A file set put in place through one commit point: the order of its writes, syncs and renames,
// every call failing in turn, and what a folder holding the intent record of a save that was cut
// off looks like once it is settled (finished, undone, or left alone while the save still runs).

#include "platform/FileSetRecord.h"
#include "platform/FileSetRecovery.h"
#include "platform/FileTransaction.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Stages the new bytes of the three files of the fixture's set: two that exist, one new.
void StageSet(CFileTransaction& files, const TempFolder& temp)
{
    files.Stage(temp.File("a.sol"), "new a");
    files.Stage(temp.File("b.layer"), "new b");
    files.Stage(temp.File("c.gain"), "new c");
}

void WriteOldFiles(const TempFolder& temp)
{
    temp.Write("a.sol", "old a");
    temp.Write("b.layer", "old b");
}

CFileSetRecord::Entry Entry(const std::string& target, const std::string& temp, const std::string& kept,
                            const std::string& bytes)
{
    CFileSetRecord::Entry entry;
    entry.target = target;
    entry.temp = temp;
    entry.kept = kept;
    entry.size = bytes.size();
    entry.hash = CFileSetRecord::Hash(bytes.data(), bytes.size());
    return entry;
}

// The folder as a save of a.sol ("new a") and b.layer ("new b") leaves it once its record is on
// the disk and before the first rename; returns the record's text.
std::string WriteCommittedState(const TempFolder& temp)
{
    WriteOldFiles(temp);
    temp.Write(".a.sol.saving-AAAAAA", "new a");
    temp.Write(".b.layer.saving-BBBBBB", "new b");
    ::link(temp.File("a.sol").c_str(), temp.File(".a.sol.old-AAAAAA").c_str());
    ::link(temp.File("b.layer").c_str(), temp.File(".b.layer.old-BBBBBB").c_str());
    const std::string record =
        CFileSetRecord::Encode({Entry("a.sol", ".a.sol.saving-AAAAAA", ".a.sol.old-AAAAAA", "new a"),
                                Entry("b.layer", ".b.layer.saving-BBBBBB", ".b.layer.old-BBBBBB", "new b")});
    temp.Write(".a.sol.commit-RRRRRR", record);
    return record;
}

}  // namespace

TEST(FileSetCommit, OneSaveWritesAndSyncsEveryFileThenTheRecordThenRenames)
{
    TempFolder temp;
    WriteOldFiles(temp);
    FaultyFileCalls calls;
    CFileTransaction files;
    StageSet(files, temp);
    ASSERT_TRUE(files.Commit());

    const std::vector<std::string> expected = {
        "create .a.sol.saving-XXXXXX", "write .a.sol.saving-XXXXXX", "sync .a.sol.saving-XXXXXX",
        "close .a.sol.saving-XXXXXX", "create .b.layer.saving-XXXXXX", "write .b.layer.saving-XXXXXX",
        "sync .b.layer.saving-XXXXXX", "close .b.layer.saving-XXXXXX", "create .c.gain.saving-XXXXXX",
        "write .c.gain.saving-XXXXXX", "sync .c.gain.saving-XXXXXX", "close .c.gain.saving-XXXXXX",
        // the old files kept under a second name (c.gain is new)
        "link a.sol .a.sol.old-XXXXXX", "link b.layer .b.layer.old-XXXXXX",
        // the commit point
        "create .a.sol.commit-XXXXXX", "write .a.sol.commit-XXXXXX", "sync .a.sol.commit-XXXXXX",
        "close .a.sol.commit-XXXXXX", "syncfolder",
        "rename .a.sol.saving-XXXXXX a.sol", "rename .b.layer.saving-XXXXXX b.layer",
        "rename .c.gain.saving-XXXXXX c.gain", "syncfolder", "remove .a.sol.commit-XXXXXX",
        "remove .a.sol.old-XXXXXX", "remove .b.layer.old-XXXXXX"};
    EXPECT_EQ(calls.trace, expected);
    EXPECT_EQ(temp.List(), "a.sol b.layer c.gain");
    EXPECT_EQ(temp.Read("a.sol"), "new a");
    EXPECT_EQ(temp.Read("c.gain"), "new c");
}

TEST(FileSetCommit, ASetOfOneFileKeepsItsSingleRename)
{
    TempFolder temp;
    WriteOldFiles(temp);
    FaultyFileCalls calls;
    CFileTransaction files;
    files.Stage(temp.File("a.sol"), "new a");
    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(calls.trace, (std::vector<std::string>{"create .a.sol.saving-XXXXXX", "write .a.sol.saving-XXXXXX",
                                                     "sync .a.sol.saving-XXXXXX", "close .a.sol.saving-XXXXXX",
                                                     "rename .a.sol.saving-XXXXXX a.sol"}));
    EXPECT_EQ(temp.Read("a.sol"), "new a");
}

TEST(FileSetCommit, EveryCallUpToTheLastRenameCanFailLeavingTheOldFilesAndNoOtherName)
{
    TempFolder temp;
    WriteOldFiles(temp);
    FaultyFileCalls calls;
    {
        CFileTransaction files;
        StageSet(files, temp);
        ASSERT_TRUE(files.Commit());
    }
    const std::vector<std::string> steps = calls.trace;
    std::size_t lastRename = 0;
    for (std::size_t k = 0; k < steps.size(); ++k)
        if (steps[k].rfind("rename", 0) == 0)
            lastRename = k + 1;
    ASSERT_GT(lastRename, 0u);

    for (std::size_t failing = 1; failing <= steps.size(); ++failing) {
        SCOPED_TRACE(steps[failing - 1] + " (call " + std::to_string(failing) + ")");
        ::unlink(temp.File("c.gain").c_str());
        WriteOldFiles(temp);
        CFileTransaction files;
        StageSet(files, temp);
        calls.FailCall(static_cast<int>(failing), ENOSPC);
        const bool committed = files.Commit();
        if (failing <= lastRename) {
            EXPECT_FALSE(committed);
            ASSERT_EQ(files.Failures().size(), 1u);
            EXPECT_EQ(files.Failures()[0].reason, "No space left on device");
            EXPECT_EQ(temp.List(), "a.sol b.layer");
            EXPECT_EQ(temp.Read("a.sol"), "old a");
            EXPECT_EQ(temp.Read("b.layer"), "old b");
            continue;
        }
        // After the renames the save is made: what is left over (a record whose folder could not be
        // synced) is cleared by the next settling of the folder.
        EXPECT_TRUE(committed);
        calls.FailCall(0);
        CFileSetRecovery::RecoverFolder(temp.Path());
        EXPECT_EQ(temp.List(), "a.sol b.layer c.gain");
        EXPECT_EQ(temp.Read("a.sol"), "new a");
        EXPECT_EQ(temp.Read("b.layer"), "new b");
    }
}

TEST(FileSetCommit, ARecordRoundTripsNamesOfAnyBytes)
{
    const std::vector<CFileSetRecord::Entry> entries = {
        Entry("a b.sol", ".a b.sol.saving-x1Y2z3", "", "12345"),
        Entry("/some/where/line\nbreak 7:x.layer", "/some/where/.t", "/some/where/.k", std::string(100000, 'q'))};
    std::vector<CFileSetRecord::Entry> read;
    ASSERT_TRUE(CFileSetRecord::Decode(CFileSetRecord::Encode(entries), read));
    ASSERT_EQ(read.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(read[i].target, entries[i].target);
        EXPECT_EQ(read[i].temp, entries[i].temp);
        EXPECT_EQ(read[i].kept, entries[i].kept);
        EXPECT_EQ(read[i].size, entries[i].size);
        EXPECT_EQ(read[i].hash, entries[i].hash);
    }
    EXPECT_NE(CFileSetRecord::Hash("new a", 5), CFileSetRecord::Hash("old a", 5));
}

TEST(FileSetRecovery, AWholeRecordIsCarriedOutFromWhereverTheRenamesStopped)
{
    for (int renamed = 0; renamed <= 2; ++renamed) {
        SCOPED_TRACE(renamed);
        TempFolder temp;
        WriteCommittedState(temp);
        if (renamed >= 1)
            ::rename(temp.File(".a.sol.saving-AAAAAA").c_str(), temp.File("a.sol").c_str());
        if (renamed >= 2)
            ::rename(temp.File(".b.layer.saving-BBBBBB").c_str(), temp.File("b.layer").c_str());
        FaultyFileCalls calls;
        const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(temp.Path());
        EXPECT_FALSE(report.Refused());
        EXPECT_EQ(report.StatusText(), "Finished a save that was cut off: a.sol, b.layer.");
        EXPECT_EQ(temp.List(), "a.sol b.layer");
        EXPECT_EQ(temp.Read("a.sol"), "new a");
        EXPECT_EQ(temp.Read("b.layer"), "new b");
        // The renames are made lasting before the record goes.
        ASSERT_GE(calls.trace.size(), 2u);
        EXPECT_EQ(calls.trace[static_cast<std::size_t>(2 - renamed)], "syncfolder");
        EXPECT_EQ(calls.trace[static_cast<std::size_t>(3 - renamed)], "remove .a.sol.commit-XXXXXX");
    }
}

TEST(FileSetRecovery, ARecordCutAtEveryLengthIsUndone)
{
    TempFolder model;
    const std::string record = WriteCommittedState(model);
    for (std::size_t length = 0; length < record.size(); ++length) {
        SCOPED_TRACE(length);
        TempFolder temp;
        WriteCommittedState(temp);
        temp.Write(".a.sol.commit-RRRRRR", record.substr(0, length));
        const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(temp.Path());
        EXPECT_EQ(report.cutRecords, 1);
        EXPECT_EQ(temp.List(), "a.sol b.layer");
        EXPECT_EQ(temp.Read("a.sol"), "old a");
        EXPECT_EQ(temp.Read("b.layer"), "old b");
    }
    // A changed byte is told from a whole record too.
    TempFolder temp;
    std::string changed = WriteCommittedState(temp);
    changed[30] ^= 1;
    temp.Write(".a.sol.commit-RRRRRR", changed);
    EXPECT_EQ(CFileSetRecovery::RecoverFolder(temp.Path()).cutRecords, 1);
    EXPECT_EQ(temp.Read("a.sol"), "old a");
}

TEST(FileSetRecovery, ARecordNamingAMissingTemporaryFileIsUndoneAndRenamedFilesPutBack)
{
    for (int renamedFirst = 0; renamedFirst <= 1; ++renamedFirst) {
        SCOPED_TRACE(renamedFirst);
        TempFolder temp;
        WriteCommittedState(temp);
        if (renamedFirst)
            ::rename(temp.File(".a.sol.saving-AAAAAA").c_str(), temp.File("a.sol").c_str());
        ::unlink(temp.File(".b.layer.saving-BBBBBB").c_str());
        const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(temp.Path());
        EXPECT_EQ(report.StatusText(), "Undid a save that was cut off; as before it: a.sol, b.layer.");
        EXPECT_EQ(temp.List(), "a.sol b.layer");
        EXPECT_EQ(temp.Read("a.sol"), "old a");
        EXPECT_EQ(temp.Read("b.layer"), "old b");
    }
}

TEST(FileSetRecovery, ASaveThatStillRunsIsLeftAlone)
{
    TempFolder temp;
    WriteCommittedState(temp);
    temp.Write(".x.layer.saving-LEFTOV", "a leftover of a save that ended");
    const int held[] = {::open(temp.File(".a.sol.commit-RRRRRR").c_str(), O_RDONLY),
                        ::open(temp.File(".a.sol.saving-AAAAAA").c_str(), O_RDONLY),
                        ::open(temp.File(".b.layer.saving-BBBBBB").c_str(), O_RDONLY),
                        ::open(temp.File("a.sol").c_str(), O_RDONLY), ::open(temp.File("b.layer").c_str(), O_RDONLY)};
    for (int fd : held)
        ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(temp.Path());
    EXPECT_FALSE(report.DidSomething());
    EXPECT_EQ(temp.List(), ".a.sol.commit-RRRRRR .a.sol.old-AAAAAA .a.sol.saving-AAAAAA .b.layer.old-BBBBBB "
                           ".b.layer.saving-BBBBBB a.sol b.layer");
    for (int fd : held)
        ::close(fd);
    CFileSetRecovery::RecoverFolder(temp.Path());
    EXPECT_EQ(temp.List(), "a.sol b.layer");
    EXPECT_EQ(temp.Read("a.sol"), "new a");
}

TEST(FileSetRecovery, AFolderThatCannotBeWrittenIsReportedWithTheRecordAndTheReason)
{
    TempFolder temp;
    WriteCommittedState(temp);
    ASSERT_EQ(::chmod(temp.Path().c_str(), 0555), 0);
    const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(temp.Path());
    ::chmod(temp.Path().c_str(), 0755);
    ASSERT_TRUE(report.Refused());
    EXPECT_EQ(report.refusedRecord, temp.File(".a.sol.commit-RRRRRR"));
    EXPECT_EQ(report.RefusalText(), "A save that was cut off left " + temp.File(".a.sol.commit-RRRRRR") +
                                        ", which cannot be finished or undone:\n"
                                        "Permission denied (the folder is read-only)");
    EXPECT_EQ(temp.Read("a.sol"), "old a");
    // A save into that folder is refused for the same reason, and writes nothing.
    CFileTransaction files;
    files.Stage(temp.File("a.sol"), "newer a");
    files.Stage(temp.File("b.layer"), "newer b");
    ::chmod(temp.Path().c_str(), 0555);
    EXPECT_FALSE(files.Commit());
    ::chmod(temp.Path().c_str(), 0755);
    EXPECT_EQ(files.FailureText(), temp.File(".a.sol.commit-RRRRRR") + ": Permission denied (the folder is read-only)");
    EXPECT_EQ(temp.Read("a.sol"), "old a");
}
