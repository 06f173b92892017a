// The prompt window's and the hover box's font and colour in the settings.

#include "render/WindowFont.h"

#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowFont, IsReadFromItsSectionWhereTheKeysArePresent)
{
    CMemoryProfile profile;
    FontChoice font{"Courier New", 8, false, false, 9};
    LoadWindowFont(profile, "CMyToolTip", font);
    EXPECT_EQ(font.faceName, "Courier New") << "nothing stored: the defaults stay";
    EXPECT_EQ(font.pointSize, 8);
    EXPECT_EQ(font.colour, 9u);

    profile.WriteProfileString("CMyToolTip", "prompt-font", "DejaVu Sans Mono, -12");
    profile.WriteProfileString("CMyToolTip", "font-color", "32768");
    profile.WriteProfileString("CPromptDlg", "prompt-font", "Other, -20");
    LoadWindowFont(profile, "CMyToolTip", font);
    EXPECT_EQ(font.faceName, "DejaVu Sans Mono");
    EXPECT_EQ(font.pointSize, 12);
    EXPECT_EQ(font.colour, 0x8000u);
}

TEST(WindowFont, IsWrittenAsFaceAndNegativeHeight)
{
    CMemoryProfile profile;
    SaveWindowFont(profile, "CPromptDlg", FontChoice{"Arial", 10, true, false, 9});
    EXPECT_EQ(profile.GetProfileString("CPromptDlg", "prompt-font"), "Arial, -10");
    EXPECT_EQ(profile.GetProfileString("CPromptDlg", "font-color"), "9");
    FontChoice back{"x", 1, false, false, 0};
    LoadWindowFont(profile, "CPromptDlg", back);
    EXPECT_EQ(back.faceName, "Arial");
    EXPECT_EQ(back.pointSize, 10);
    EXPECT_EQ(back.colour, 9u);
}

TEST(WindowFont, AFaceNameLongerThanTheFontRecordHoldsIsCut)
{
    CMemoryProfile profile;
    const std::string longFace(80, 'F');
    profile.WriteProfileString("CPromptDlg", "prompt-font", longFace + ", -9");
    FontChoice font;
    LoadWindowFont(profile, "CPromptDlg", font);
    EXPECT_EQ(font.faceName, std::string(31, 'F'));
    EXPECT_EQ(font.pointSize, 9);
    // Written back cut as well, also when the long name came from the font dialog.
    font.faceName = longFace;
    SaveWindowFont(profile, "CPromptDlg", font);
    EXPECT_EQ(profile.GetProfileString("CPromptDlg", "prompt-font"), std::string(31, 'F') + ", -9");
    // A character of several bytes is not split: "é" is two bytes at bytes 30 and 31.
    EXPECT_EQ(CutFaceName(std::string(30, 'a') + "\xC3\xA9" + "b"), std::string(30, 'a'));
    EXPECT_EQ(CutFaceName(std::string(29, 'a') + "\xC3\xA9" + "b"), std::string(29, 'a') + "\xC3\xA9");
}

TEST(WindowFont, OddTextsGiveAUsableFont)
{
    struct Case {
        const char* stored;
        const char* face;
        int pointSize;
    } cases[] = {
        {"Arial", "Arial", 0},               // no height: the normal size
        {"Arial, 12", "Arial", 12},          // a positive height counts by its size
        {", -9", "", 9},
        {"Arial, -2147483648", "Arial", 1000}, // from a damaged file: no giant font
        {"Arial, x", "Arial", 0},
    };
    for (const Case& c : cases) {
        CMemoryProfile profile;
        profile.WriteProfileString("CMyToolTip", "prompt-font", c.stored);
        FontChoice font{"Courier New", 8, false, false, 9};
        LoadWindowFont(profile, "CMyToolTip", font);
        EXPECT_EQ(font.faceName, c.face) << c.stored;
        EXPECT_EQ(font.pointSize, c.pointSize) << c.stored;
    }
}

} // namespace
