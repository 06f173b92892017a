#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

    // Writing over a file found in another case replaces it instead of adding a second file.
    CArchive ar;
    ASSERT_TRUE(ar.OpenStore(temp.Path() + "/DEV.layer"));
    ar.WriteString("end\r\n");
    ASSERT_TRUE(ar.Close());
    EXPECT_EQ(temp.Read("dev.layer"), "end\r\n");
    EXPECT_EQ(temp.List(), "dev.layer");
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
