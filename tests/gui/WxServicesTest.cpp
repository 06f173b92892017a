// The wx side of the settings and prompt services.

#include "app/WxProfile.h"
#include "app/WxUserPrompts.h"

#include <gtest/gtest.h>

TEST(WxProfile, KeepsValuesBySectionAndEntryInTheVendorsFolder)
{
    {
        CWxProfile profile("ProfileTest");
        EXPECT_NE(profile.FilePath().find("/Veltrane/ProfileTest.ini"), std::string::npos);
        EXPECT_EQ(profile.GetProfileInt("Window size", "max", 7), 7);
        EXPECT_EQ(profile.GetProfileString("CPromptDlg", "prompt-font", "none"), "none");
        profile.WriteProfileInt("Window size", "max", 1);
        profile.WriteProfileString("Window size", "Rect", "0010 0020 0800 0600");
        profile.WriteProfileString("CPromptDlg", "prompt-font", "DejaVu Sans, 12");
        profile.WriteProfileString("Odd/Section", "a/b", "kept");
        profile.WriteProfileString("Settings", "status", "");
    }
    CWxProfile again("ProfileTest");  // read back from the file
    EXPECT_EQ(again.GetProfileInt("Window size", "max", 7), 1);
    EXPECT_EQ(again.GetProfileString("Window size", "Rect"), "0010 0020 0800 0600");
    EXPECT_EQ(again.GetProfileString("CPromptDlg", "prompt-font"), "DejaVu Sans, 12");
    EXPECT_EQ(again.GetProfileString("Odd/Section", "a/b"), "kept");
    EXPECT_EQ(again.GetProfileInt("Settings", "status", 3), 3);  // an empty value reads as absent
}

TEST(WxUserPrompts, FiltersLoseTheirClosingBars)
{
    EXPECT_EQ(CWxUserPrompts::WxWildcard("Layer Files(*.layer)|*.layer||"), "Layer Files(*.layer)|*.layer");
    EXPECT_EQ(CWxUserPrompts::WxWildcard("3d Sol Files(*.sol)|*.sol|Layer Files(*.layer)|*.layer||"),
              "3d Sol Files(*.sol)|*.sol|Layer Files(*.layer)|*.layer");
    EXPECT_EQ(CWxUserPrompts::WxWildcard(""), "*");
}
