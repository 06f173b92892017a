#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileIO, WritesAndReadsExactBytesThroughATemporaryFile)
{
    TempFolder temp;
    const std::string bytes = std::string("line\r\nnext\n\0tail\r", 17);
    ASSERT_TRUE(WriteFileAtomic(temp.File("a.layer"), bytes));
    std::string read;
    ASSERT_TRUE(ReadFileBytes(temp.File("a.layer"), read));
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(temp.List(), "a.layer");  // no temporary file left behind

    EXPECT_FALSE(WriteFileAtomic(temp.File("no/such/folder/a.layer"), "x"));
    EXPECT_FALSE(ReadFileBytes(temp.File("missing"), read));
    EXPECT_FALSE(ReadFileBytes(temp.Path(), read));  // a folder is not a file
}

TEST(FileIO, AnUnfinishedWriteLeavesTheTargetAsItWas)
{
    TempFolder temp;
    temp.Write("dev.layer", "old");
    {
        CAtomicFileWriter writer;
        ASSERT_TRUE(writer.Open(temp.File("dev.layer")));
        writer.Write("new, but never committed");
    }
    EXPECT_EQ(temp.Read("dev.layer"), "old");
    EXPECT_EQ(temp.List(), "dev.layer");
    {
        CArchive ar;
        ASSERT_TRUE(ar.OpenStore(temp.File("dev.layer")));
        ar.WriteString("never closed");
    }
    EXPECT_EQ(temp.Read("dev.layer"), "old");
    EXPECT_EQ(temp.List(), "dev.layer");
}

TEST(FileIO, AWriteGoesToTheExactNameGiven)
{
    // The lookup ignoring case is for reading: "DEV.layer" beside "dev.layer" is a file of its own.
    TempFolder temp;
    temp.Write("dev.layer", "old");
    CArchive ar;
    ASSERT_TRUE(ar.OpenStore(temp.Path() + "/DEV.layer"));
    ar.WriteString("end\r\n");
    ASSERT_TRUE(ar.Close());
    EXPECT_EQ(temp.Read("DEV.layer"), "end\r\n");
    EXPECT_EQ(temp.Read("dev.layer"), "old");
    EXPECT_EQ(temp.List(), "DEV.layer dev.layer");

    // A folder given in another case is still found: only the name is taken as it stands.
    temp.Write("Sub/keep.inc", "x");
    ASSERT_TRUE(WriteFileAtomic(temp.Path() + "/SUB/New.inc", "y"));
    EXPECT_EQ(temp.Read("Sub/New.inc"), "y");
}

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// Runs the writes with the file size limited to a few bytes, so that they fail part-way as on a
// full disk.
template <typename Writes>
void WithFileSizeLimit(Writes writes)
{
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    writes();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

}  // namespace

TEST(FileIO, AReplacedFileKeepsItsPermissionsAndAFailedWriteItsBytes)
{
    TempFolder temp;
    const std::string target = temp.Write("dev.layer", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(target, "new\r\n"));
    EXPECT_EQ(temp.Read("dev.layer"), "new\r\n");
    EXPECT_EQ(ModeOf(target), 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomic(temp.File("fresh.layer"), "x"));
    ::umask(mask);
    EXPECT_EQ(ModeOf(temp.File("fresh.layer")), 0644u);  // a new file, not the temporary file's 0600

    bool written = true, closed = true;
    WithFileSizeLimit([&] {
        written = WriteFileAtomic(target, "a longer text than the limit");
        CArchive ar;
        if (ar.OpenStore(target)) {
            ar.WriteString("another longer text");
            closed = ar.Close();
        }
    });
    EXPECT_FALSE(written);
    EXPECT_FALSE(closed);
    EXPECT_EQ(temp.Read("dev.layer"), "new\r\n");
    EXPECT_EQ(ModeOf(target), 0640u);
    EXPECT_EQ(temp.List(), "dev.layer fresh.layer");  // no temporary file left behind
}

TEST(Archive, ReadsPhysicalLines)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"x\ry\r\n", {"x\ry"}},  // a lone CR is part of the line
        {"\n", {""}},
    };
    for (const Case& c : cases) {
        CArchive ar;
        ar.OpenLoadFromMemory(c.bytes, "mem.layer");
        std::vector<std::string> lines;
        std::string line;
        while (ar.ReadString(line))
            lines.push_back(line);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(Archive, BinaryFieldsInTheFrameworkLayout)
{
    struct Case {
        std::size_t length;
        std::string header;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
    };
    for (const Case& c : cases) {
        CArchive out;
        out.OpenStoreToMemory();
        out.WriteCString(std::string(c.length, 'x'));
        EXPECT_EQ(out.StoredBytes().substr(0, c.header.size()), c.header) << c.length;
        EXPECT_EQ(out.StoredBytes().size(), c.header.size() + c.length);
        CArchive in;
        in.OpenLoadFromMemory(out.StoredBytes(), "");
        std::string text;
        EXPECT_TRUE(in.ReadCString(text));
        EXPECT_EQ(text.size(), c.length);
    }

    CArchive out;
    out.OpenStoreToMemory();
    out.WriteInt32(1);
    out.WriteInt32(-2);
    out.WriteDouble(1.5);
    EXPECT_EQ(out.StoredBytes(), std::string("\x01\x00\x00\x00\xFE\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00\xF8\x3F", 16));
    CArchive in;
    in.OpenLoadFromMemory(out.StoredBytes(), "");
    std::int32_t a = 0, b = 0, missing = 0;
    double d = 0;
    EXPECT_TRUE(in.ReadInt32(a) && in.ReadInt32(b) && in.ReadDouble(d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(d, 1.5);
    EXPECT_FALSE(in.ReadInt32(missing));
}

namespace {

// The steps of one write of `bytes` that succeeds, as the calls record them.
std::vector<std::string> StepsOfAWrite(const std::string& path, const std::string& bytes, FaultyFileCalls& calls)
{
    calls.FailCall(0);
    EXPECT_TRUE(WriteFileAtomic(path, bytes));
    return calls.steps;
}

}  // namespace

TEST(FileIO, EveryFailingStepOfAWriteLeavesTheOldFileAndNoDebris)
{
    TempFolder temp;
    const std::string target = temp.Write("dev.layer", "old\r\n");
    FaultyFileCalls calls;
    calls.maxWrite = 7;  // several writes
    const std::string fresh = "a new text of several short writes\r\n";
    const std::vector<std::string> steps = StepsOfAWrite(target, fresh, calls);
    // create, six writes of at most 7 bytes, sync, close (which flushes), rename
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps.front(), "create");
    EXPECT_EQ(steps[steps.size() - 3], "sync");
    EXPECT_EQ(steps[steps.size() - 2], "close");
    EXPECT_EQ(steps.back(), "rename");

    for (int error : {ENOSPC, EIO}) {
        for (std::size_t k = 1; k <= steps.size(); ++k) {
            temp.Write("dev.layer", "old\r\n");
            calls.FailCall(static_cast<int>(k), error);
            CAtomicFileWriter writer;
            const bool written = writer.Open(target) && writer.Write(fresh) && writer.Commit();
            EXPECT_FALSE(written) << steps[k - 1] << " " << k;
            EXPECT_EQ(writer.ErrorText(), std::strerror(error)) << steps[k - 1] << " " << k;
            EXPECT_EQ(temp.Read("dev.layer"), "old\r\n") << steps[k - 1] << " " << k;
            EXPECT_EQ(temp.List(), "dev.layer") << steps[k - 1] << " " << k;
        }
    }
}

TEST(FileIO, ATemporaryFileHasARecognisableNameAndTheNextSaveRemovesLeftovers)
{
    TempFolder temp;
    const std::string target = temp.Write("dev.layer", "old");
    FaultyFileCalls calls;
    ASSERT_TRUE(WriteFileAtomic(target, "new"));
    ASSERT_EQ(calls.createdNames.size(), 1u);
    EXPECT_EQ(calls.createdNames[0], temp.Path() + "/.dev.layer.saving-XXXXXX");

    // Two saves killed part-way, one save still running (it holds its lock), another file's
    // leftover and files that only look alike.
    temp.Write(".dev.layer.saving-a1B2c3", "killed");
    temp.Write(".dev.layer.saving-Zz9yX8", "killed");
    const std::string running = temp.Write(".dev.layer.saving-RUNNIN", "running");
    temp.Write(".other.layer.saving-q1w2e3", "someone else's");
    temp.Write(".dev.layer.saving-toolong1", "not ours");
    temp.Write("dev.layer.saving-noDot1", "not ours");
    const int held = ::open(running.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomic(target, "newer"));
    EXPECT_EQ(temp.Read("dev.layer"), "newer");
    EXPECT_EQ(temp.List(),
              ".dev.layer.saving-RUNNIN .dev.layer.saving-toolong1 .other.layer.saving-q1w2e3 dev.layer "
              "dev.layer.saving-noDot1");
    ::close(held);

    // A failed save removes nothing but its own temporary file.
    temp.Write(".dev.layer.saving-a1B2c3", "killed");
    calls.FailCall(2);
    EXPECT_FALSE(WriteFileAtomic(target, "lost"));
    EXPECT_EQ(temp.Read(".dev.layer.saving-a1B2c3"), "killed");
}

TEST(FileIO, AReadOnlyTargetIsRefusedEvenWhereTheSystemWouldAllowIt)
{
    // Decided by the mode bits: root may replace any file, the program still refuses.
    TempFolder temp;
    const std::string target = temp.Write("dev.layer", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    CAtomicFileWriter writer;
    EXPECT_FALSE(writer.Open(target));
    EXPECT_EQ(writer.ErrorText(), "Permission denied (the file is read-only)");
    EXPECT_FALSE(WriteFileAtomic(target, "new"));
    EXPECT_EQ(temp.Read("dev.layer"), "old");
    EXPECT_EQ(ModeOf(target), 0444u);
    EXPECT_EQ(temp.List(), "dev.layer");

    // Something that is no regular file is not replaced either.
    ::mkfifo(temp.File("pipe.layer").c_str(), 0644);
    EXPECT_FALSE(writer.Open(temp.File("pipe.layer")));
    EXPECT_EQ(writer.ErrorText(), "It is not a regular file.");
}

TEST(FileIO, AWriteThroughALinkReplacesTheFileItLeadsTo)
{
    TempFolder temp;
    const std::string real = temp.Write("data/real.layer", "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("data/real.layer", temp.File("rel.layer").c_str()), 0);
    ASSERT_EQ(::symlink(temp.File("rel.layer").c_str(), temp.File("chain.layer").c_str()), 0);
    ASSERT_EQ(::symlink("data/later.layer", temp.File("dangling.layer").c_str()), 0);

    ASSERT_TRUE(WriteFileAtomic(temp.File("rel.layer"), "one"));
    EXPECT_EQ(temp.Read("data/real.layer"), "one");
    ASSERT_TRUE(WriteFileAtomic(temp.File("chain.layer"), "two"));
    EXPECT_EQ(temp.Read("data/real.layer"), "two");
    EXPECT_EQ(ModeOf(real), 0640u);
    for (const char* link : {"rel.layer", "chain.layer"})
        EXPECT_TRUE(std::filesystem::is_symlink(temp.File(link))) << link;
    // A link to a file not there yet makes that file.
    ASSERT_TRUE(WriteFileAtomic(temp.File("dangling.layer"), "three"));
    EXPECT_EQ(temp.Read("data/later.layer"), "three");
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("dangling.layer")));
    // The temporary files were made beside the target: nothing else is in either folder.
    EXPECT_EQ(temp.List(), "chain.layer dangling.layer data rel.layer");
    std::vector<std::string> inData;
    for (const auto& entry : std::filesystem::directory_iterator(temp.File("data")))
        inData.push_back(entry.path().filename().string());
    std::sort(inData.begin(), inData.end());
    EXPECT_EQ(inData, (std::vector<std::string>{"later.layer", "real.layer"}));
}

TEST(FileIO, OnlyRegularFilesAreRead)
{
    TempFolder temp;
    ASSERT_EQ(::mkfifo(temp.File("pipe.layer").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", temp.File("zero.layer").c_str()), 0);
    const std::string small = temp.Write("small.layer", "12345");
    // A file far above the limit costs nothing on disk: it is sparse.
    const std::string huge = temp.File("huge.layer");
    {
        const int fd = ::open(huge.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kMaxLayerFileBytes) + 1), 0);
        ::close(fd);
    }
    struct Case {
        std::string path;
        std::size_t limit;
        FileReadCheck check;
        std::string reason;
    };
    const Case cases[] = {
        {temp.File("pipe.layer"), kMaxLayerFileBytes, FileReadCheck::notRegular, "It is not a regular file."},
        {temp.File("zero.layer"), kMaxLayerFileBytes, FileReadCheck::notRegular, "It is not a regular file."},
        {temp.Path(), kMaxLayerFileBytes, FileReadCheck::notRegular, "It is not a regular file."},
        {temp.File("missing.layer"), kMaxLayerFileBytes, FileReadCheck::cannotOpen, "No such file or directory"},
        {huge, kMaxLayerFileBytes, FileReadCheck::tooLarge, "It is larger than 256 MB."},
        {small, 4, FileReadCheck::tooLarge, "It is larger than 0 MB."},
        {small, 5, FileReadCheck::readable, ""},
        {small, kMaxLayerFileBytes, FileReadCheck::readable, ""},
    };
    for (const Case& c : cases) {
        std::string reason = "unchanged";
        EXPECT_EQ(CheckReadableFile(c.path, c.limit, reason), c.check) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
    }
    // Reading refuses them too, at once: neither waits for a writer nor reads without end.
    std::string bytes = "kept";
    EXPECT_FALSE(ReadFileBytes(temp.File("pipe.layer"), bytes));
    EXPECT_FALSE(ReadFileBytes(temp.File("zero.layer"), bytes));
    EXPECT_EQ(bytes, "kept");
}

TEST(FileIO, ANameWithABackslashIsTakenAsItStandsWhenItNamesAFile)
{
    TempFolder temp;
    const std::string literal = temp.Path() + "/back\\slash.layer";
    temp.Write("back\\slash.layer", "as named");
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(literal, bytes));
    EXPECT_EQ(bytes, "as named");
    ASSERT_TRUE(WriteFileAtomic(literal, "saved"));
    EXPECT_EQ(temp.Read("back\\slash.layer"), "saved");
    // A new name with a "\" is written as it stands when no folder "new" is there...
    ASSERT_TRUE(WriteFileAtomic(temp.Path() + "/new\\name.layer", "fresh"));
    EXPECT_EQ(temp.Read("new\\name.layer"), "fresh");
    // ... and into the folder when there is one, as a path written on the other system means it.
    temp.Write("sub/other.inc", "x");
    ASSERT_TRUE(WriteFileAtomic(temp.Path() + "/sub\\rows.inc", "rows"));
    EXPECT_EQ(temp.Read("sub/rows.inc"), "rows");
    ASSERT_TRUE(ReadFileBytes(temp.Path() + "/sub\\rows.inc", bytes));
    EXPECT_EQ(bytes, "rows");
}
