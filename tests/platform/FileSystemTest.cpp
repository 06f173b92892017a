#include "platform/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(FileSystem, MakeDirectoryPathCreatesEveryMissingFolder)
{
    TempFolder temp;
    EXPECT_TRUE(MakeDirectoryPath(temp.Path() + "\\one\\two\\three", false));
    EXPECT_TRUE(FolderExists(temp.File("one/two/three")));
    EXPECT_TRUE(MakeDirectoryPath(temp.Path() + "\\ONE\\Two\\four", false));  // found ignoring case
    EXPECT_TRUE(FolderExists(temp.File("one/two/four")));
    EXPECT_TRUE(MakeDirectoryPath(temp.Path() + "/a/b/file.layer", true));
    EXPECT_TRUE(FolderExists(temp.File("a/b")));
    EXPECT_FALSE(FileExists(temp.File("a/b/file.layer")));
    temp.Write("plain", "x");
    EXPECT_FALSE(MakeDirectoryPath(temp.File("plain/sub"), false));  // a file stands in the way
}

TEST(FileSystem, ListsFilesAndSubfoldersSorted)
{
    TempFolder temp;
    for (const char* name : {"zeta.layer", "Alpha.LAYER", "beta.sol", "gamma.layer.bak", "noext"})
        temp.Write(name, "x");
    temp.Write("sub2/x", "x");
    temp.Write("Sub1/x", "x");

    struct Case {
        std::string extension;
        bool fullPaths;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"layer", false, {"Alpha.LAYER", "zeta.layer"}},
        {"*", false, {"Alpha.LAYER", "beta.sol", "gamma.layer.bak", "noext", "zeta.layer"}},
        {"", false, {"Alpha.LAYER", "beta.sol", "gamma.layer.bak", "noext", "zeta.layer"}},
        {"sol", true, {temp.Path() + "/beta.sol"}},
    };
    for (const Case& c : cases) {
        for (const std::string& folder : {temp.Path(), temp.Path() + "/"}) {
            std::vector<std::string> list;
            EXPECT_EQ(ListFolderFiles(folder, c.extension, list, c.fullPaths), !c.expected.empty());
            EXPECT_EQ(list, c.expected) << folder << " " << c.extension;
        }
    }

    std::vector<std::string> list{"kept"};
    EXPECT_TRUE(ListFolderFiles(temp.Path(), "none", list, false));  // earlier entries count
    EXPECT_EQ(list, std::vector<std::string>{"kept"});

    std::vector<std::string> folders;
    EXPECT_TRUE(ListSubfolders(temp.Path(), folders));
    EXPECT_EQ(folders, (std::vector<std::string>{"Sub1", "sub2"}));
    std::vector<std::string> none;
    EXPECT_FALSE(ListSubfolders(temp.File("Sub1"), none));
}

TEST(FileSystem, ExistsCopyDeleteAndTime)
{
    TempFolder temp;
    std::string source = temp.Write("Src.layer", "a\r\nb\r\n");
    EXPECT_TRUE(FileExists(source));
    EXPECT_TRUE(FileExists(temp.Path()));
    EXPECT_TRUE(FileExists(temp.Path() + "/src.LAYER"));  // found ignoring case
    EXPECT_FALSE(FileExists(temp.File("other")));
    EXPECT_FALSE(FileExists(""));

    EXPECT_TRUE(CopyFileBytes(source, temp.File("copy.layer")));
    EXPECT_EQ(temp.Read("copy.layer"), "a\r\nb\r\n");
    temp.Write("keep.layer", "old");
    EXPECT_FALSE(CopyFileBytes(source, temp.File("keep.layer"), true));
    EXPECT_EQ(temp.Read("keep.layer"), "old");
    EXPECT_FALSE(CopyFileBytes(temp.File("missing"), temp.File("x")));

    long long seconds = 0;
    EXPECT_TRUE(FileModificationTime(source, seconds));
    EXPECT_GT(seconds, 1000000000LL);
    EXPECT_TRUE(DeleteFilePath(source));
    EXPECT_FALSE(FileExists(source));
    EXPECT_FALSE(FileModificationTime(source, seconds));
}
