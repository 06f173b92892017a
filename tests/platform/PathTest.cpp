#include "platform/Path.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(Path, DeckRoutines)
{
    struct Case {
        const char* path;
        const char* stripExtension;
        const char* fileTitle;
        const char* folder;
        const char* fileName;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\work\\dev1.layer", "C:\\work\\dev1", "dev1", "C:\\work\\", "dev1.layer", ".layer"},
        {"dev1.layer", "dev1", "dev1", "", "dev1.layer", ".layer"},  // a bare name lies in the current folder
        {"C:\\work\\dev1", "", "", "C:\\work\\", "dev1", "C:\\work\\dev1"},
        {"C:\\work.old\\dev1", "C:\\work", "", "C:\\work.old\\", "dev1", ".old\\dev1"},
        {"C:\\work\\x.doping", "C:\\work\\x", "x", "C:\\work\\", "x.doping", ".doping"},
        {"/home/u/dev1.layer", "/home/u/dev1", "dev1", "/home/u/", "dev1.layer", ".layer"},
        {"sub\\dir/a.b.sol", "sub\\dir/a.b", "a.b", "sub\\dir/", "a.b.sol", ".sol"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathStripExtension(c.path), c.stripExtension) << c.path;
        EXPECT_EQ(PathFileTitle(c.path), c.fileTitle) << c.path;
        EXPECT_EQ(PathFolder(c.path), c.folder) << c.path;
        EXPECT_EQ(PathFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(PathExtension(c.path), c.extension) << c.path;
    }
}

TEST(Path, AFilesKindIsToldByItsNameIgnoringCase)
{
    EXPECT_TRUE(PathNamesKind("C:\\Dev\\Laser.LAYER", ".layer"));
    EXPECT_TRUE(PathNamesKind("a.layer.bak", ".layer")) << "anywhere after the first character";
    EXPECT_FALSE(PathNamesKind(".layer", ".layer")) << "not at the very start";
    EXPECT_FALSE(PathNamesKind("dev.lay", ".layer"));
    EXPECT_TRUE(PathNamesKind("x.Geo", ".GEO"));
}

TEST(Path, ResolvesNamesIgnoringCaseInTheirFolder)
{
    TempFolder temp;
    temp.Write("Data/Dev1.Layer", "x");
    const std::string base = temp.Path();
    struct Case {
        std::string asked;
        std::string found;
    };
    const Case cases[] = {
        {base + "/Data/Dev1.Layer", base + "/Data/Dev1.Layer"},
        {base + "/data/dev1.layer", base + "/Data/Dev1.Layer"},
        {base + "\\DATA\\DEV1.LAYER", base + "/Data/Dev1.Layer"},
        {base + "/data/missing.layer", base + "/data/missing.layer"},  // nothing matches: native path as asked
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveExistingPath(c.asked), c.found) << c.asked;
    EXPECT_EQ(NativePath("a\\b\\c.sol"), "a/b/c.sol");
}

TEST(Path, AWriteKeepsTheNameAsGivenAndFollowsLinks)
{
    TempFolder temp;
    temp.Write("Data/Dev1.Layer", "x");
    temp.Write("Data/back\\slash.layer", "x");
    const std::string base = temp.Path();
    ASSERT_EQ(::symlink("Data/Dev1.Layer", (base + "/link.layer").c_str()), 0);
    ASSERT_EQ(::symlink("loop2", (base + "/loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (base + "/loop2").c_str()), 0);
    struct Case {
        std::string asked;
        std::string written;
    };
    const Case cases[] = {
        {base + "/Data/Dev1.Layer", base + "/Data/Dev1.Layer"},
        {base + "/data/DEV1.layer", base + "/Data/DEV1.layer"},  // the folder found, the name as given
        {base + "\\DATA\\new.layer", base + "/Data/new.layer"},
        {base + "/Data/back\\slash.layer", base + "/Data/back\\slash.layer"},  // names a file as it stands
        {base + "/Data/new\\name.layer", base + "/Data/new\\name.layer"},    // no folder "new"
        {base + "/link.layer", base + "/Data/Dev1.Layer"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveWritePath(c.asked), c.written) << c.asked;
    // A loop of links ends after a bounded number of steps at one of its links.
    const std::string end = FollowSymbolicLinks(base + "/loop1");
    EXPECT_TRUE(end == base + "/loop1" || end == base + "/loop2") << end;
    // Reading tries a name with a "\" as it stands first.
    EXPECT_EQ(ResolveExistingPath(base + "/Data/back\\slash.layer"), base + "/Data/back\\slash.layer");
}
