#include "platform/Profile.h"
#include "support/ScriptedPrompts.h"

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
