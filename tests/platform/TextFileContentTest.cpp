#include "platform/FileIO.h"
#include "platform/TextFileContent.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Files larger than one piece of reading, with the byte that decides placed in a later piece.
TEST(TextFileContent, TheWholeFileDecidesNotItsFirstPiece)
{
    TempFolder temp;
    const std::string blanks(200 * 1024, ' ');
    const struct {
        const char* name;
        std::string bytes;
        TextFileContent expected;
    } cases[] = {
        {"blanks", blanks + "\r\n\t", TextFileContent::empty},
        {"late_word", blanks + "begin", TextFileContent::text},
        {"late_nul", "begin" + blanks + std::string(1, '\0'), TextFileContent::notText},
        {"nul_first", std::string(1, '\0') + blanks + "begin", TextFileContent::notText},
        {"nothing", "", TextFileContent::empty},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckTextFileContent(temp.Write(c.name, c.bytes)), c.expected) << c.name;
    EXPECT_EQ(CheckTextFileContent(temp.File("missing")), TextFileContent::unreadable);
    EXPECT_EQ(CheckTextFileContent(temp.Path()), TextFileContent::unreadable);  // a folder
}

TEST(TextFileContent, AFileOfManyPiecesIsReadBackWhole)
{
    TempFolder temp;
    std::string bytes;
    for (int i = 0; bytes.size() < 300 * 1024; ++i)
        bytes += "layer d=" + std::to_string(i) + " n=3\r\n";
    std::string read;
    ASSERT_TRUE(ReadFileBytes(temp.Write("large.layer", bytes), read));
    EXPECT_EQ(read, bytes);
}

}  // namespace
