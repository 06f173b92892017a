#include "platform/TextRoutines.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"

#include <algorithm>

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
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    char first = start < text.size() ? text[start] : '\0';
    std::size_t used = 0;
    value = StrToD(text.c_str() + start, &used);
    if (value == 0.0 && first != '0')
        return false;
    std::size_t end = start + used;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
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
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        title = name;
        extension.clear();
    } else {
        title = name.substr(0, dot);
        extension = name.substr(dot + 1);
    }
    folder = ToLowerAscii(folder);
    title = ToLowerAscii(title);
    extension = ToLowerAscii(extension);
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
    std::size_t dot = name.rfind('.');
    title = dot == std::string::npos ? name : name.substr(0, dot);
    extension = dot == std::string::npos ? std::string() : name.substr(dot);
    EnsureTrailingBackslash(folder);
    ConvertCase(folder, 0);
    ConvertCase(title, 0);
    ConvertCase(extension, 0);
}

void ConvertCase(std::string& text, int mode)
{
    for (char& c : text) {
        bool upper = c >= 'A' && c <= 'Z';
        bool lower = c >= 'a' && c <= 'z';
        if (upper && (mode == 0 || mode == 2))
            c = static_cast<char>(c - 'A' + 'a');
        else if (lower && (mode == 1 || mode == 2))
            c = static_cast<char>(c - 'a' + 'A');
    }
}

void EnsureTrailingBackslash(std::string& text)
{
    if (!text.empty() && !IsPathSeparator(text.back()))
        text += '\\';
}

void ReverseString(std::string& text) { std::reverse(text.begin(), text.end()); }
