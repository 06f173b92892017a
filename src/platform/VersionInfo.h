#pragma once
// The version information the program file carries: product name and version, build texts,
// company, copyright and comments, each under its key ("ProductName", "ProductVersion",
// "PrivateBuild", "SpecialBuild", "CompanyName", "LegalCopyright", "Comments"). The texts come
// from the build (the project version and the date the build was configured).

#include <string>

class CVersionInfo {
public:
    // The text under `key` (exact, case-sensitive); false, value untouched, for a key the program
    // file carries no text for.
    static bool QueryValue(const std::string& key, std::string& value);
};
