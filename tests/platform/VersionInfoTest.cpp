// The version texts the program file carries, as the About box reads them by key.

#include "platform/VersionInfo.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// Whether `text` has the form of `pattern`, where "9" stands for one or more digits and every
// other character for itself.
bool HasForm(const std::string& text, const std::string& pattern)
{
    size_t t = 0;
    for (char p : pattern) {
        if (p != '9') {
            if (t >= text.size() || text[t] != p)
                return false;
            ++t;
            continue;
        }
        const size_t start = t;
        while (t < text.size() && std::isdigit(static_cast<unsigned char>(text[t])))
            ++t;
        if (t == start)
            return false;
    }
    return t == text.size();
}

}  // namespace

TEST(VersionInfo, EveryKeyOfTheAboutBoxHasAText)
{
    for (const char* key : {"ProductName", "ProductVersion", "PrivateBuild", "SpecialBuild", "CompanyName",
                            "LegalCopyright", "Comments"}) {
        std::string value;
        EXPECT_TRUE(CVersionInfo::QueryValue(key, value)) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
}

TEST(VersionInfo, ProductIsTessaronWithTheBuildsVersionAndDate)
{
    std::string name, version, date;
    ASSERT_TRUE(CVersionInfo::QueryValue("ProductName", name));
    ASSERT_TRUE(CVersionInfo::QueryValue("ProductVersion", version));
    ASSERT_TRUE(CVersionInfo::QueryValue("SpecialBuild", date));
    EXPECT_EQ(name, "Tessaron");
    EXPECT_TRUE(HasForm(version, "9.9.9")) << version;
    EXPECT_TRUE(HasForm(date, "9-9-9") && date.size() == 10) << date;
}

TEST(VersionInfo, UnknownKeysAndOtherCasesFindNothing)
{
    for (const char* key : {"", "productname", "ProductName ", "FileVersion", "InternalName"}) {
        std::string value = "kept";
        EXPECT_FALSE(CVersionInfo::QueryValue(key, value)) << key;
        EXPECT_EQ(value, "kept") << key;
    }
}
