#include "platform/TextRoutines.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"

#include <algorithm>

namespace {

// A file name at its last ".": the title before it and the extension from it on, the "." included
// ("" when the name has no ".").
void SplitAtLastDot(const std::string& name, std::string& title, std::string& dotExtension)
{
    std::size_t dot = name.rfind('.');
    title = dot == std::string::npos ? name : name.substr(0, dot);
    dotExtension = dot == std::string::npos ? std::string() : name.substr(dot);
}

// The parts are for comparing paths, which ignores case.
void LowerCaseParts(std::string& folder, std::string& title, std::string& extension)
{
    folder = ToLowerAscii(folder);
    title = ToLowerAscii(title);
    extension = ToLowerAscii(extension);
}

}  // namespace

void SplitTrailingNumber(std::string text, std::string* stem, int* number)
{
    text = Trim(text);
    std::string base;
    int value = 0;
    if (!text.empty()) {
        std::size_t lastNonDigit = text.size();
        while (lastNonDigit > 0 && IsDigit(text[lastNonDigit - 1]))
            --lastNonDigit;
        if (lastNonDigit == 0) {
            value = AtoI(text);
        } else if (lastNonDigit == text.size()) {
            base = text;
            value = 1;
        } else {
            base = text.substr(0, lastNonDigit);
            value = AtoI(text.substr(lastNonDigit));
        }
    }
    if (stem)
        *stem = base;
    if (number)
        *number = value;
}

bool ParseDoubleStrict(const std::string& text, double& value)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    char first = start < text.size() ? text[start] : '\0';
    std::size_t used = 0;
    value = StrToD(text.c_str() + start, &used);
    if (value == 0.0 && first != '0')
        return false;
    std::size_t end = start + used;
    while (end < text.size() && IsBlank(text[end]))
        ++end;
    return end == text.size();
}

bool SplitPath(const std::string& path, std::string& folder, std::string& title, std::string& extension)
{
    if (path.empty())
        return false;
    std::size_t sep = FindLastSeparator(path);
    folder = sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
    std::string name = sep == std::string::npos ? path : path.substr(sep + 1);
    SplitAtLastDot(name, title, extension);
    if (!extension.empty())
        extension.erase(0, 1);
    LowerCaseParts(folder, title, extension);
    return true;
}

void SplitPathParts(const std::string& path, std::string& folder, std::string& title, std::string& extension)
{
    std::size_t sep = FindLastSeparator(path);
    std::string name;
    if (sep == std::string::npos) {
        // A drive letter without a folder ("C:file.txt") still belongs to the folder part.
        std::size_t drive = (path.size() >= 2 && path[1] == ':') ? 2 : 0;
        folder = path.substr(0, drive);
        name = path.substr(drive);
    } else {
        folder = path.substr(0, sep + 1);
        name = path.substr(sep + 1);
    }
    SplitAtLastDot(name, title, extension);
    EnsureTrailingBackslash(folder);
    LowerCaseParts(folder, title, extension);
}

void ConvertCase(std::string& text, int mode)
{
    if (mode == 0) {
        text = ToLowerAscii(text);
    } else if (mode == 1) {
        text = ToUpperAscii(text);
    } else if (mode == 2) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            else if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

void EnsureTrailingBackslash(std::string& text)
{
    if (!text.empty() && !IsPathSeparator(text.back()))
        text += '\\';
}

void ReverseString(std::string& text) { std::reverse(text.begin(), text.end()); }
