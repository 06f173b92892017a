#include "platform/TextRoutines.h"

#include <gtest/gtest.h>

TEST(TextRoutines, SplitTrailingNumber)
{
    struct Case {
        const char* text;
        const char* stem;
        int number;
    };
    const Case cases[] = {{"abc12", "abc", 12}, {"abc", "abc", 1},      {"123", "", 123},
                          {"layer 3", "layer ", 3}, {"  x07 ", "x", 7}, {"", "", 0},
                          {"   ", "", 0},       {"a1b", "a1b", 1}};
    for (const Case& c : cases) {
        std::string stem = "unchanged?";
        int number = -5;
        SplitTrailingNumber(c.text, &stem, &number);
        EXPECT_EQ(stem, c.stem) << c.text;
        EXPECT_EQ(number, c.number) << c.text;
    }
}

TEST(TextRoutines, ParseDoubleStrict)
{
    struct Case {
        std::string text;
        bool result;
        double value;
    };
    const Case cases[] = {
        {"0", true, 0.0},        {"  0.0 ", true, 0.0},   {"0e5", true, 0.0},   {"-0", false, 0.0},
        {".0", false, 0.0},      {"+0", false, 0.0},      {"", false, 0.0},     {"abc", false, 0.0},
        {"1e3 x", false, 1000.0}, {"12", true, 12.0},     {"\t-2.5\t", true, -2.5}, {"1,5", false, 1.0},
        // No length limit: a long but valid number text still passes.
        {std::string(300, ' ') + "7.25" + std::string(300, '\t'), true, 7.25},
    };
    for (const Case& c : cases) {
        double value = -1.0;
        EXPECT_EQ(ParseDoubleStrict(c.text, value), c.result) << "'" << c.text << "'";
        EXPECT_DOUBLE_EQ(value, c.value) << "'" << c.text << "'";
    }
}

TEST(TextRoutines, SplitPath)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* title;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\Data\\Dev.old.Layer", "c:\\data\\", "dev.old", "layer"},
        {"readme", "", "readme", ""},
        {"C:\\dir\\.layer", "c:\\dir\\", "", "layer"},
        {"/Home/Dev.LAYER", "/home/", "dev", "layer"},
        {"a\\b/C.Sol", "a\\b/", "c", "sol"},
    };
    for (const Case& c : cases) {
        std::string folder = "x", title = "x", extension = "x";
        EXPECT_TRUE(SplitPath(c.path, folder, title, extension)) << c.path;
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(title, c.title) << c.path;
        EXPECT_EQ(extension, c.extension) << c.path;
    }
    std::string folder = "keep", title = "keep", extension = "keep";
    EXPECT_FALSE(SplitPath("", folder, title, extension));
    EXPECT_EQ(folder + title + extension, "keepkeepkeep");
}

TEST(TextRoutines, SplitPathParts)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* title;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\Dir\\File.TXT", "c:\\dir\\", "file", ".txt"},
        {"File", "", "file", ""},
        {"C:File.x", "c:\\", "file", ".x"},
        {"/tmp/Dev.Layer", "/tmp/", "dev", ".layer"},
        {"C:\\dir\\.layer", "c:\\dir\\", "", ".layer"},
    };
    for (const Case& c : cases) {
        std::string folder, title, extension;
        SplitPathParts(c.path, folder, title, extension);
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(title, c.title) << c.path;
        EXPECT_EQ(extension, c.extension) << c.path;
    }
}

TEST(TextRoutines, CaseTrailingSeparatorAndReverse)
{
    const std::string mixed = "aZ09\xC4\xE4-_";
    struct Case {
        int mode;
        std::string out;
    };
    const Case cases[] = {{0, "az09\xC4\xE4-_"}, {1, "AZ09\xC4\xE4-_"}, {2, "Az09\xC4\xE4-_"}, {3, mixed}, {-1, mixed}};
    for (const Case& c : cases) {
        std::string text = mixed;
        ConvertCase(text, c.mode);
        EXPECT_EQ(text, c.out) << c.mode;
    }

    for (auto [in, out] : {std::pair<std::string, std::string>{"c:\\dir", "c:\\dir\\"}, {"c:\\dir\\", "c:\\dir\\"},
                           {"/tmp/", "/tmp/"}, {"", ""}}) {
        EnsureTrailingBackslash(in);
        EXPECT_EQ(in, out);
    }

    std::string text = "abc d";
    ReverseString(text);
    EXPECT_EQ(text, "d cba");
}
