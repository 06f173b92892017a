#include "model/SegInfoList.h"

#include <gtest/gtest.h>

#include "support/ScriptedPrompts.h"

namespace {

CSegInfo Info(double begin, double end, const std::string& name = "", int named = 0)
{
    CSegInfo info;
    info.m_dZBegin = begin;
    info.m_dZEnd = end;
    info.m_strName = name;
    info.m_nNamed = named;
    return info;
}

std::vector<std::string> Names(const CSegInfoList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetAt(i)->m_strName);
    return names;
}

std::vector<std::pair<double, double>> Ranges(const CSegInfoList& list)
{
    std::vector<std::pair<double, double>> ranges;
    for (int i = 0; i < list.GetCount(); ++i)
        ranges.emplace_back(list.GetAt(i)->m_dZBegin, list.GetAt(i)->m_dZEnd);
    return ranges;
}

}  // namespace

TEST(SegInfoList, InsertShiftsTheFollowingRecords)
{
    ScriptedPrompts prompts;
    CSegInfoList list;
    list.InsertSegment(5, Info(0, 10, "first"));  // an empty list takes it anywhere, unnamed
    EXPECT_EQ(Names(list), std::vector<std::string>{"first"});
    list.Append(Info(10, 25));
    list.m_strName = "dev";
    list.InsertSegment(1, Info(10, 18));
    using R = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Ranges(list), (R{{0, 10}, {10, 18}, {18, 33}}));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"dev", "dev2", "dev3"}));

    list.InsertSegment(9, Info(33, 40));  // beyond the end: appended
    EXPECT_EQ(Ranges(list).back(), (std::pair<double, double>{33, 40}));
    EXPECT_TRUE(prompts.Texts().empty());

    prompts.AnswerNext(IDOK);
    list.InsertSegment(0, Info(0, 1));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"You can't insert the segment at the first position."});
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(Ranges(list).front(), (std::pair<double, double>{0, 10}));
}

TEST(SegInfoList, DeleteAndShift)
{
    CSegInfoList list;
    list.Append(Info(0, 10));
    list.Append(Info(10, 25));
    list.DeleteSegment(0);
    using R = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Ranges(list), (R{{0, 15}}));
    list.DeleteSegment(1);
    list.DeleteSegment(-1);
    EXPECT_EQ(list.GetCount(), 1);
    list.ShiftZ(1, 5.0);
    EXPECT_EQ(Ranges(list), (R{{0, 15}}));
    list.ShiftZ(0, 5.0);
    EXPECT_EQ(Ranges(list), (R{{5, 20}}));
}

TEST(SegInfoList, ClearAndCopy)
{
    CSegInfoList list;
    list.m_strName = "dev";
    list.m_nNaming = 1;
    list.Append(Info(0, 1, "a"));
    list.GetAt(0)->m_MaterialSet.m_Includes[500] = "include file=a.mat";
    CSegInfoList copy = list;
    list.GetAt(0)->m_MaterialSet.m_Includes[500] = "changed";
    EXPECT_EQ(copy.GetCopy(0).m_MaterialSet.m_Includes.at(500), "include file=a.mat");
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(list.m_strName.empty());
    EXPECT_EQ(list.m_nNaming, 0);
}

TEST(SegInfoList, PathTitle)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\a\\b\\dev.layer", "dev"}, {"dev.old.layer", "dev.old"}, {"dir/sub/x.sol", "x"},
        {"noext", "noext"},             {"", ""},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(GetPathTitle(path), title) << path;
    CSegInfoList list;
    list.SetNameFromPath("C:\\work\\laser.sol");
    EXPECT_EQ(list.m_strName, "laser");
}

TEST(SegInfoList, NameSplit)
{
    CSegInfoList list;
    list.m_strName = "dev";
    struct Case {
        const char* name;
        int split;
        const char* prefix;
        const char* suffix;
    };
    const Case cases[] = {
        {"dev7", 2, "dev", "7"},         // begins with the list name
        {"laser-2", 4, "laser", "-2"},
        {"laser12", 4, "laser", "12"},
        {"laser", 4, "laser", ""},
        {"12-3", 0, "1", "2-3"},          // digits and dashes only
        {"", 0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.FindNameSplit(c.name), c.split) << c.name;
        EXPECT_EQ(list.GetNamePrefix(c.name), c.prefix) << c.name;
        EXPECT_EQ(list.GetNameSuffix(c.name), c.suffix) << c.name;
    }
}

TEST(SegInfoList, NameBefore)
{
    CSegInfoList list;
    EXPECT_EQ(list.GetNameBefore(0), "");
    list.Append(Info(0, 1, "a"));
    list.Append(Info(1, 2, "b"));
    list.Append(Info(2, 3, "c"));
    const std::pair<int, const char*> cases[] = {{-1, ""}, {0, "a"}, {1, "a"}, {2, "b"}, {3, "c"}, {4, ""}};
    for (const auto& [i, name] : cases)
        EXPECT_EQ(list.GetNameBefore(i), name) << i;
}

TEST(SegInfoList, RenameAfterInsert)
{
    struct Case {
        const char* what;
        int naming;
        std::vector<CSegInfo> records;
        int position;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"automatic names while the naming flag is 0", 0,
         {Info(0, 1, "x", 1), Info(1, 2), Info(2, 3, "y", 1), Info(3, 4)}, 1, {"dev", "dev2", "dev3", "dev4"}},
        {"automatic names when no record is named", 1,
         {Info(0, 1, "x"), Info(1, 2, "y")}, 1, {"dev", "dev2"}},
        {"numbered on from a dashed name up to the next named record", 1,
         {Info(0, 1, "laser-2", 1), Info(1, 2, "?"), Info(2, 3, "?"), Info(3, 4, "tail", 1)}, 1,
         {"laser-2", "laser-3", "laser-4", "tail"}},
        {"a plain name before the end gets a dashed numbering", 1,
         {Info(0, 1, "laser", 1), Info(1, 2, "?"), Info(2, 3, "tail", 1)}, 1, {"laser", "laser-1", "tail"}},
        {"trailing digits continue at the end of the list", 1,
         {Info(0, 1, "laser7", 1), Info(1, 2, "?")}, 1, {"laser7", "laser8"}},
        {"a taken name is skipped", 1,
         {Info(0, 1, "laser-1", 1), Info(1, 2, "?"), Info(2, 3, "laser-2", 1)}, 1, {"laser-1", "laser-3", "laser-2"}},
        {"a position beyond the end changes nothing", 1,
         {Info(0, 1, "a", 1), Info(1, 2, "b")}, 3, {"a", "b"}},
    };
    for (const Case& c : cases) {
        CSegInfoList list;
        list.m_strName = "dev";
        list.m_nNaming = c.naming;
        for (const CSegInfo& record : c.records)
            list.Append(record);
        list.RenameAfterInsert(c.position);
        EXPECT_EQ(Names(list), c.names) << c.what;
    }
}

TEST(SegInfoList, MakeUniqueName)
{
    CSegInfoList list;
    for (const char* name : {"dev7", "dev", "dev8", "", "dev_1", "x9"})
        list.Append(Info(0, 1, name));
    const std::pair<int, const char*> cases[] = {{0, "dev9"}, {1, "dev_2"}, {3, ""}, {5, "x10"}};
    for (const auto& [i, unique] : cases)
        EXPECT_EQ(list.MakeUniqueName(i), unique) << i;
}
