#include "platform/DocumentBase.h"
#include "support/FakeAppServices.h"
#include "support/FakeViewsHub.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

// A document that records what the base asks of it.
class RecordingDoc : public CDocumentBase {
public:
    void DeleteContents() override { ++deleted; }
    bool OnSaveDocument(const std::string& path) override
    {
        savedTo.push_back(path);
        return saveSucceeds;
    }
    int deleted = 0;
    bool saveSucceeds = true;
    std::vector<std::string> savedTo;
};

}  // namespace

TEST(DocumentBase, NewDocumentEmptiesContentsPathAndModifiedFlag)
{
    FakeAppServices app;
    RecordingDoc doc;
    doc.SetPathName("dir/a.layer");
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.GetTitle(), "a.layer");
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.deleted, 1);
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_FALSE(doc.IsModified());
    // A blank path never enters the recent-file list.
    doc.SetPathName("  ");
    EXPECT_EQ(app.recentFiles, std::vector<std::string>{"dir/a.layer"});
}

TEST(DocumentBase, SaveModifiedAsksAndFollowsTheAnswer)
{
    struct Case {
        bool modified;
        int answer;
        bool saveSucceeds;
        bool expectResult;
        size_t expectSaves;
    };
    const Case cases[] = {
        {false, 0, true, true, 0},        // unmodified: no question
        {true, IDNO, true, true, 0},
        {true, IDCANCEL, true, false, 0},
        {true, IDYES, true, true, 1},
        {true, IDYES, false, false, 1},   // a failed save keeps the document open
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        RecordingDoc doc;
        doc.SetPathName("dir/b.layer", false);
        doc.SetModifiedFlag(c.modified);
        doc.saveSucceeds = c.saveSucceeds;
        if (c.modified)
            prompts.AnswerNext(c.answer);
        EXPECT_EQ(doc.SaveModified(), c.expectResult) << c.answer;
        EXPECT_EQ(doc.savedTo.size(), c.expectSaves);
        if (c.modified) {
            EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes to dir/b.layer?"});
            EXPECT_EQ(prompts.Shown_()[0].type & MB_TYPEMASK, unsigned(MB_YESNOCANCEL));
        }
    }
}

TEST(DocumentBase, SaveWithoutPathAsksForOneAndKeepsIt)
{
    ScriptedPrompts prompts;
    RecordingDoc doc;
    doc.SetPathName("  ", false);
    prompts.ChooseFileNext("");
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_TRUE(doc.savedTo.empty());
    prompts.ChooseFileNext("out/new.layer");
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(doc.savedTo, std::vector<std::string>{"out/new.layer"});
    EXPECT_EQ(doc.GetPathName(), "out/new.layer");
}

TEST(DocumentBase, UpdateAllViewsReachesTheHubWhenThereIsOne)
{
    RecordingDoc doc;
    doc.UpdateAllViews(1);  // no views: nothing happens
    FakeViewsHub views;
    doc.SetViews(&views);
    doc.UpdateAllViews(1);
    doc.UpdateAllViews();
    EXPECT_EQ(views.hints, (std::vector<int>{1, 0}));
}
