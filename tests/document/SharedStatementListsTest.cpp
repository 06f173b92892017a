// A ".layer" file's statements are held once after it opens: the document's statement list, the
// lines kept after the read, the material set, the seg-info record and every undo snapshot share
// one list, and a write through one of them never shows through the others.

#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct OpenCase {
    const char* fixture;
    bool contacts;  // holds contact statements, which the read turns into the model's form
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.fixture; }

class SharedStatementLists : public DocFixture, public ::testing::WithParamInterface<OpenCase> {
protected:
    SharedStatementLists() { doc().SetMacroList(&harness.macros); }

    // Opens a copy of the fixture; returns its path.
    std::string Open(const std::string& fixture)
    {
        const std::string path = folder.Write("device.layer", FileBytes(std::string(TESSARON_FIXTURES "/") + fixture));
        EXPECT_TRUE(doc().OnOpenDocument(path));
        return path;
    }

    // The file's statements as a plain numbered load gives them.
    std::string FileStatements(const std::string& path)
    {
        CKeywordLineList lines;
        EXPECT_TRUE(doc().LoadLayerStatements(path, lines));
        return lines.StoreRawText();
    }

    LayerFileHarness harness;
    TempFolder folder;
};

}  // namespace

TEST_P(SharedStatementLists, AnOpenHoldsTheFileStatementsOnce)
{
    app.mode3d = false;
    const std::string path = Open(GetParam().fixture);
    const CSharedKeywordLines& set = doc().m_MaterialSets.at(0).m_Lines;
    EXPECT_TRUE(doc().m_LoadedLines.SharesWith(doc().m_LayerLines));
    ASSERT_EQ(doc().m_SegInfoList.GetCount(), 1);
    EXPECT_TRUE(doc().m_SegInfoList.GetAt(0)->m_MaterialSet.m_Lines.SharesWith(set));
    // The material set keeps the file's form of the statements: a list of its own only when the
    // read changed some.
    EXPECT_EQ(set.SharesWith(doc().m_LayerLines), !GetParam().contacts);
    EXPECT_EQ(set->StoreRawText(), FileStatements(path));
    EXPECT_EQ(doc().m_LayerLines->StoreRawText() == set->StoreRawText(), !GetParam().contacts);
}

TEST_P(SharedStatementLists, ASnapshotSharesTheListsAndASaveLeavesItsListsAsTheyWere)
{
    app.mode3d = false;
    Open(GetParam().fixture);
    const std::string loaded = doc().m_LayerLines->StoreRawText();
    doc().CheckPoint();
    ASSERT_EQ(doc().UndoHistory().GetSnapshotCount(), 1);
    const CDocSnapshot& snapshot = doc().UndoHistory().GetSnapshot(0);
    EXPECT_TRUE(snapshot.m_LayerLines.SharesWith(doc().m_LayerLines));
    ASSERT_EQ(snapshot.m_MaterialSets.size(), 1u);
    EXPECT_TRUE(snapshot.m_MaterialSets[0].m_Lines.SharesWith(doc().m_MaterialSets[0].m_Lines));
    ASSERT_EQ(snapshot.m_SegInfoList.GetCount(), 1);
    EXPECT_TRUE(snapshot.m_SegInfoList.GetAt(0)->m_MaterialSet.m_Lines.SharesWith(doc().m_MaterialSets[0].m_Lines));

    const std::string set = doc().m_MaterialSets[0].m_Lines->StoreRawText();
    LayerAt(0, 0, 0).m_fHeight += 1.0f;
    doc().UpdateAllViews(0);
    ASSERT_TRUE(doc().OnSaveDocument(folder.File("saved.layer")));
    EXPECT_NE(doc().m_LayerLines->StoreRawText(), loaded);
    EXPECT_EQ(snapshot.m_LayerLines->StoreRawText(), loaded);
    EXPECT_EQ(doc().m_LoadedLines->StoreRawText(), loaded);
    EXPECT_EQ(snapshot.m_MaterialSets[0].m_Lines->StoreRawText(), set);
    EXPECT_EQ(doc().m_MaterialSets[0].m_Lines->StoreRawText(), set);
}

INSTANTIATE_TEST_SUITE_P(Files, SharedStatementLists,
                         ::testing::Values(OpenCase{"updater/device.layer", false},
                                           OpenCase{"layer/ridge_two_columns.layer", true}));
