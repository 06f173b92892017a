// Deck saves that used to report success for files that were lost or would not open: a name of
// both kinds, a deck reached through a symbolic link, a companion file of the user's replaced
// without a word, and a failed save that left the device (or its file names) changed.

#include "DeckFolder.h"
#include "support/DocFixture.h"
#include "support/FaultyFileCalls.h"
#include "support/FileBytes.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class DeckSaveMends : public DocFixture {
protected:
    DeckSaveMends() { doc().SetMacroList(&files.layers.macros); }

    std::string Work(const std::string& name) const { return files.folder.File(name); }
    std::string OpenRidge()
    {
        const std::string deck = files.Stage("corvex_pos", "ridge.sol");
        EXPECT_TRUE(doc().OnOpenDocument(deck));
        return deck;
    }

    // Everything a deck save could change in the device while it prepares its files.
    std::string SaveSensitiveState()
    {
        std::string text = DeviceOutline(doc());
        for (int z = 0; z < g_nZSegCount; ++z) {
            const CZSegment& segment = Seg(z);
            text += segment.m_strLayerFile + " named " + doc().m_SegInfoList.GetAt(z)->m_strName + "\n";
            for (const CSectionRecord& section : segment.m_Sections)
                text += "  section " + section.GetText() + "\n";
            for (int c = 0; c < segment.GetColumnCount(); ++c)
                for (int r = 0; r < segment.GetColumn(c).GetLayersInUse(); ++r)
                    text += " " + std::to_string(segment.GetColumn(c).GetLayer(r).m_Mesh.m_nMeshNum);
            text += "\n";
        }
        return text;
    }

    SolDeckHarness files;
};

std::string ReplaceQuestion(const std::string& path)
{
    return "The save would replace this file, which is not one of the deck's files:\n" + path + "\nReplace it?";
}

}  // namespace

TEST_F(DeckSaveMends, ANameOfBothKindsIsSavedAndOpenedAgainAsTheKindItEndsWith)
{
    OpenRidge();
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnSaveDocument(Work("x.sol.layer")));
    ASSERT_TRUE(doc().OnSaveDocument(Work("plain.layer")));
    // One file of one kind: no deck and no z-segment files beside it.
    std::map<std::string, std::string> after = FolderBytes(files.folder.Path());
    EXPECT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after.at("x.sol.layer"), after.at("plain.layer"));
    after.erase("x.sol.layer");
    after.erase("plain.layer");
    EXPECT_EQ(after, before);

    // A name holding ".sol" opens as a deck: the 2-D deck whose ".layer" file is the file itself.
    prompts.Clear();
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnOpenDocument(Work("x.sol.layer")));
    const std::string reopened = DeviceOutline(doc());
    ASSERT_TRUE(doc().OnOpenDocument(Work("plain.layer")));
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(reopened, DeviceOutline(doc()));
}

TEST_F(DeckSaveMends, ADeckReachedThroughALinkKeepsEveryFileBesideTheDeck)
{
    OpenRidge();
    const std::string device = DeviceOutline(doc());
    TempFolder elsewhere;
    const std::string link = elsewhere.File("link.sol");
    ASSERT_EQ(::symlink(Work("ridge.sol").c_str(), link.c_str()), 0);

    // Opened through the link, the deck finds its z-segment files beside itself.
    prompts.Clear();
    ASSERT_TRUE(doc().OnOpenDocument(link)) << ::testing::PrintToString(prompts.Texts());
    EXPECT_EQ(DeviceOutline(doc()), device);

    // Saved through the link, every file goes beside the deck, named after it.
    Seg(1).m_Params.m_dZTo = 30.0;
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(elsewhere.List(), "link.sol");
    const std::string saved = DeviceOutline(doc());
    for (const std::string& path : {link, Work("ridge.sol")}) {
        prompts.Clear();
        ASSERT_TRUE(doc().OnOpenDocument(path)) << path << ::testing::PrintToString(prompts.Texts());
        EXPECT_EQ(DeviceOutline(doc()), saved) << path;
    }

    // Save As onto the link replaces the deck it leads to, and its files go beside that deck.
    prompts.Clear();
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnOpenDocument(Work("ridge.sol")));
    doc().SetModifiedFlag();
    prompts.ChooseFileNext(link);
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(elsewhere.List(), "link.sol");
    prompts.Clear();
    ASSERT_TRUE(doc().OnOpenDocument(link)) << ::testing::PrintToString(prompts.Texts());
    EXPECT_EQ(DeviceOutline(doc()), saved);
}

TEST_F(DeckSaveMends, ACompanionFileTheDeckDoesNotNameIsAskedAboutBeforeItIsReplaced)
{
    // The deck names "extra.doping" for z-segment 2: its doping is saved as "ridge2.doping", over a
    // file of that name the deck never named.
    OpenRidge();
    LayerAt(1, 0, 2).m_Mesh.m_nMeshNum = 3;  // as a save asked for raises it
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    const std::string device = SaveSensitiveState();
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDOK);  // the facets' taper counts differ
    prompts.AnswerNext(IDNO);
    EXPECT_FALSE(doc().OnFileSave());
    ASSERT_EQ(prompts.Texts().size(), 2u);
    EXPECT_EQ(prompts.Texts()[1], ReplaceQuestion(Work("ridge2.doping")));
    EXPECT_EQ(FolderBytes(files.folder.Path()), before);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(SaveSensitiveState(), device);

    prompts.Clear();
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDYES);
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FileBytes(Work("ridge2.doping")), FileBytes(Work("extra.doping")));

    // Now the deck names it: a file of the deck's own is replaced without a question.
    prompts.Clear();
    ASSERT_TRUE(doc().OnOpenDocument(Work("ridge.sol")));
    const std::string replaced = FileBytes(Work("ridge2.doping"));
    Seg(1).m_DopingLines.m_lines.front().m_strText = "doping_profile kind=step level=6e23 from=0.2";
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnFileSave());
    for (const std::string& text : prompts.Texts())
        EXPECT_EQ(text.find("would replace"), std::string::npos) << text;
    EXPECT_NE(FileBytes(Work("ridge2.doping")), replaced);
}

TEST_F(DeckSaveMends, AFailedSaveLeavesTheDeviceAsItWas)
{
    OpenRidge();
    Seg(1).m_Params.m_dZTo = 30.0;  // the facets' taper counts now differ: the save zeroes them
    Seg(0).m_Sections.clear();      // the save adds default sections
    // Below three a layer's mesh count is raised when a save is asked for, before it begins.
    LayerAt(1, 0, 2).m_Mesh.m_nMeshNum = 3;
    const std::string before = SaveSensitiveState();
    prompts.AllowUnscripted();
    {
        FaultyFileCalls calls;
        calls.FailCall(1);
        doc().SetModifiedFlag();
        EXPECT_FALSE(doc().OnFileSave());
    }
    EXPECT_EQ(SaveSensitiveState(), before);
    // The same save that works changes what the failed one put back.
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_NE(SaveSensitiveState(), before);
}

TEST_F(DeckSaveMends, AFailedSaveAsUnderANewNameKeepsTheDecksFilesAndNames)
{
    const std::string deck = OpenRidge();
    LayerAt(1, 0, 2).m_Mesh.m_nMeshNum = 3;  // as a save asked for raises it
    const std::string before = SaveSensitiveState();
    const std::map<std::string, std::string> files0 = FolderBytes(files.folder.Path());
    prompts.AllowUnscripted();
    FaultyFileCalls calls;
    calls.FailCall(1);
    prompts.ChooseFileNext(Work("dev.sol"));
    EXPECT_FALSE(doc().OnFileSaveAs());
    // The z-segments would have been named after "dev": their files and names are the deck's again.
    EXPECT_EQ(Seg(0).m_strLayerFile, Work("ridge1.layer"));
    EXPECT_EQ(Seg(1).m_strLayerFile, Work("ridge2.layer"));
    EXPECT_EQ(SaveSensitiveState(), before);
    EXPECT_EQ(doc().GetPathName(), deck);
    EXPECT_EQ(FolderBytes(files.folder.Path()), files0);
}
