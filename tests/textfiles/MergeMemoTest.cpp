// The save memo of a z-segment is only ever an answer to exactly the inputs it was made from: a
// memo that served the merge of one file gives a merge of another file, whose statements carry the
// same load numbers, the bytes a merge without any memo gives. (A z-segment inserted into a deck
// shifts the files the memos of the z-segments after it meet.)

#include "textfiles/LayerFileUpdater.h"
#include "textfiles/MergeMemo.h"

#include "platform/Archive.h"
#include "support/TempFolder.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct MemoCase {
    const char* name;
    const char* first;   // the file the memo first serves
    const char* second;  // a file whose lines have the same load numbers, then merged
    const char* fresh;   // the statements of the model, one a line
};

void PrintTo(const MemoCase& c, std::ostream* os) { *os << c.name; }

const MemoCase kCases[] = {
    {"material statements of another text",
     "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n"
     "layer_mater macro_name=gaas   column_num=1 n_doping=1e24\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n",
     "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n"
     "layer_mater  macro_name=algaas column_num=1 &&\r\n   var1=0.3 grown_by=lab3\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n",
     "begin_layer\ncolumn column_num=1 w=2 mesh_num=4 r=1\n"
     "layer_mater macro_name=algaas column_num=1 var1=0.3\nlayer d=1 n=4 r=1\nend_layer\n"},
};

class MergeMemoAcrossFiles : public ::testing::TestWithParam<MemoCase> {
protected:
    void SetUp() override { FillLayerParamFlags(); }

    // The file's lines as a load numbers them: from 1 in each file.
    CKeywordLineList Load(const std::string& name, const std::string& bytes)
    {
        CArchive archive;
        EXPECT_TRUE(archive.OpenLoad(folder.Write(name, bytes)));
        CKeywordLineList lines;
        CLoadContext context;
        EXPECT_TRUE(lines.Serialize(archive, context));
        return lines;
    }

    CKeywordLineList Fresh(const std::string& text)
    {
        CKeywordLineList fresh;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            CKeywordLine line;
            line.Parse(text.substr(start, end - start));
            line.m_strText.clear();
            fresh.Append(line);
            start = end + 1;
        }
        return fresh;
    }

    std::string Merge(const CKeywordLineList& old, const std::string& freshText, CMergeMemo* memo)
    {
        CKeywordLineList fresh = Fresh(freshText);
        CLayerFileUpdater updater;
        updater.SetPath(folder.File("saved.layer"));
        updater.SetMergeMemo(memo);
        CKeywordLineList result;
        updater.Update(old, fresh, result);
        return result.StoreRawText();
    }

    TempFolder folder;
};

}  // namespace

TEST_P(MergeMemoAcrossFiles, AMemoOfAnotherFileChangesNothingInTheMerge)
{
    const MemoCase& c = GetParam();
    const CKeywordLineList first = Load("first.layer", c.first);
    const CKeywordLineList second = Load("second.layer", c.second);
    const std::string withoutMemo = Merge(second, c.fresh, nullptr);

    CMergeMemo memo;
    Merge(first, c.fresh, &memo);
    EXPECT_EQ(Merge(second, c.fresh, &memo), withoutMemo);
    // Saved again with the memo it now holds, the same file merges alike.
    EXPECT_EQ(Merge(second, c.fresh, &memo), withoutMemo);
}

INSTANTIATE_TEST_SUITE_P(Files, MergeMemoAcrossFiles, ::testing::ValuesIn(kCases));

namespace {

CKeywordLine Statement(const std::string& text, int number)
{
    CKeywordLine line;
    line.Parse(text);
    line.m_nLine = number;
    return line;
}

}  // namespace

// An entry answers exactly the inputs it was kept for: any part of any of the three statements
// that differs, or a clearing on one side only, is a miss. Load numbers of either sign are kept.
TEST(MergeMemo, AnEntryAnswersOnlyTheInputsItWasKeptFor)
{
    const CKeywordLine old = Statement("layer_mater macro_name=gaas column_num=1 p_doping=1.e+17", 7);
    const CKeywordLine before = Statement("layer_mater macro_name=gaas column_num=1 var1=0 p_doping=1.e+17", 7);
    const CKeywordLine fresh = Statement("layer_mater macro_name=gaas column_num=1", -2);
    const CKeywordLine written = Statement("layer_mater macro_name=gaas column_num=1 p_doping=1.e+17", 0);

    CMergeMemo memo;
    memo.Begin("context");
    memo.Keep(CMergeMemo::Inputs{old, true, before, fresh}, written);
    memo.End();
    memo.Begin("context");

    CKeywordLine otherValue = fresh;
    otherValue.m_params[0].m_strValue = "algaas";
    CKeywordLine otherLayout = old;
    otherLayout.m_params[1].m_strSourcePrefix = "  column_num = ";
    CKeywordLine otherNumber = old;
    otherNumber.m_nLine = 8;
    struct Case {
        const char* name;
        const CKeywordLine& old;
        const CKeywordLine* before;
        const CKeywordLine& fresh;
        bool found;
    };
    const Case cases[] = {
        {"the same inputs", old, &before, fresh, true},
        {"not cleared", old, nullptr, fresh, false},
        {"another fresh value", old, &before, otherValue, false},
        {"another layout of the old statement", otherLayout, &before, fresh, false},
        {"another load number", otherNumber, &before, fresh, false},
        {"the cleared statement as the old one", old, &old, fresh, false},
    };
    for (const Case& c : cases) {
        const CKeywordLine* found = memo.Find(c.old, c.before, c.fresh);
        EXPECT_EQ(found != nullptr, c.found) << c.name;
        if (found != nullptr) {
            EXPECT_EQ(found->m_strText, written.m_strText) << c.name;
        }
    }
}
