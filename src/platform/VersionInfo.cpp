#include "platform/VersionInfo.h"

#include "VersionStrings.h"

namespace {

struct VersionEntry {
    const char* key;
    const char* value;
};

const VersionEntry kEntries[] = {
    {"ProductName", TESSARON_VERSION_PRODUCT_NAME},
    {"ProductVersion", TESSARON_VERSION_PRODUCT_VERSION},
    {"PrivateBuild", TESSARON_VERSION_PRIVATE_BUILD},
    {"SpecialBuild", TESSARON_VERSION_SPECIAL_BUILD},
    {"CompanyName", TESSARON_VERSION_COMPANY_NAME},
    {"LegalCopyright", TESSARON_VERSION_LEGAL_COPYRIGHT},
    {"Comments", TESSARON_VERSION_COMMENTS},
};

}  // namespace

bool CVersionInfo::QueryValue(const std::string& key, std::string& value)
{
    for (const VersionEntry& entry : kEntries) {
        if (key == entry.key) {
            // An empty text counts as none, as a version query of zero length does.
            if (*entry.value == '\0')
                return false;
            value = entry.value;
            return true;
        }
    }
    return false;
}
