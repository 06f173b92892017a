#include "platform/Profile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(UserPrompts, ScriptedPromptRecordsTextAndAnswersFromQueue)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDNO);
    SetMessageBoxCaption("Brenvik");
    EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), IDNO);
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].caption, "Brenvik");
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes?"});
}

TEST(UserPrompts, ABareSaveAsNameGetsTheDefaultExtension)
{
    struct Case {
        const char* path;
        const char* ext;
        const char* result;
    };
    const Case cases[] = {
        {"/devices/dev", "layer", "/devices/dev.layer"},
        {"/devices/dev.layer", "layer", "/devices/dev.layer"},
        {"/devices/dev.sol", "layer", "/devices/dev.sol"},  // a name with its own extension keeps it
        {"/devices.d/dev", "layer", "/devices.d/dev.layer"},  // a "." in the folder says nothing
        {"/devices/dev", "", "/devices/dev"},
        {"/devices/", "layer", "/devices/"},  // no name at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.path, c.ext), c.result) << c.path;
}

// The save dialog asked about the name as typed; "dev" that became "dev.layer" must not replace an
// existing "dev.layer" without a question.
TEST(UserPrompts, AnExtensionAddedAfterTheDialogAsksBeforeReplacingAFile)
{
    TempFolder folder;
    const std::string existing = folder.Write("dev.layer", "begin_layer\r\n");
    ScriptedPrompts prompts;

    EXPECT_TRUE(ConfirmReplaceAfterExtension(folder.File("new"), folder.File("new.layer"), prompts));
    EXPECT_TRUE(ConfirmReplaceAfterExtension(existing, existing, prompts));  // the dialog asked already
    EXPECT_TRUE(prompts.Texts().empty());

    prompts.AnswerNext(IDNO);
    EXPECT_FALSE(ConfirmReplaceAfterExtension(folder.File("dev"), existing, prompts));
    prompts.AnswerNext(IDYES);
    EXPECT_TRUE(ConfirmReplaceAfterExtension(folder.File("dev"), existing, prompts));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"dev.layer already exists.\nDo you want to replace it?",
                                                         "dev.layer already exists.\nDo you want to replace it?"}));
}

TEST(Profile, MemoryStoreKeepsValuesBySectionAndEntry)
{
    CMemoryProfile profile;
    EXPECT_EQ(profile.GetProfileInt("Settings", "status", 7), 7);
    profile.WriteProfileInt("Settings", "status", 3);
    profile.WriteProfileString("Window size", "Rect", "1 2 3 4");
    EXPECT_EQ(profile.GetProfileInt("Settings", "status", 7), 3);
    EXPECT_EQ(profile.GetProfileString("Window size", "Rect"), "1 2 3 4");
    EXPECT_EQ(profile.GetProfileString("Settings", "Rect", "none"), "none");
}
