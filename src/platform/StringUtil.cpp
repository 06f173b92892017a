#include "platform/StringUtil.h"

std::string TrimLeft(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start]))
        ++start;
    return text.substr(start);
}

std::string TrimRight(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

void TrimmedBounds(const std::string& text, std::size_t& start, std::size_t& end)
{
    end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1]))
        --end;
    start = 0;
    while (start < end && IsWhiteSpace(text[start]))
        ++start;
}

std::string Trim(const std::string& text)
{
    std::size_t start = 0;
    std::size_t end = 0;
    TrimmedBounds(text, start, end);
    return text.substr(start, end - start);
}

std::string_view TrimmedView(const std::string& text)
{
    std::size_t start = 0;
    std::size_t end = 0;
    TrimmedBounds(text, start, end);
    return std::string_view(text).substr(start, end - start);
}

std::string ToLowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string ToUpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int CompareNoCase(const std::string& a, const std::string& b)
{
    std::string la = ToLowerAscii(a);
    std::string lb = ToLowerAscii(b);
    return la.compare(lb) < 0 ? -1 : (la == lb ? 0 : 1);
}

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    // Character by character, without lowered copies: keywords are compared this way per statement.
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
