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
