#pragma once
// Small text tests shared by the source files of CLayerFileUpdater.

#include "statements/KeywordLine.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace layer_updater {

// True when the keyword is the lower-case word, ignoring the keyword's case. The updater asks this
// of every line several times per save, so the word is not made into a string first.
template <std::size_t N>
bool IsWordNoCase(const std::string& keyword, const char (&word)[N])
{
    if (keyword.size() != N - 1)
        return false;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        char c = keyword[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

// True when the keyword is exactly the word. Inline, with the lengths compared first: the passes
// ask this of every statement, most of which have another keyword.
inline bool IsKeyword(const std::string& keyword, std::string_view word)
{
    return std::string_view(keyword) == word;
}

// "begin_layer", "end_layer", "begin", "end", "begin_zsol", "end_zsol", ignoring case.
bool IsBlockKeyword(const std::string& keyword);

// The merge kind that covers a fresh statement ("column", "layer", "bottom_contact",
// "top_contact", "vcsel_section"), or "" for a statement no kind covers.
const std::string& KindCovering(const CKeywordLine& line);

// The statements regenerated from the model on every save and placed after their anchors.
bool IsRegeneratedStatement(const CKeywordLine& line);

// The "file" value of an include statement, blanks trimmed.
std::string IncludeFileName(const CKeywordLine& line);

// A row (or any count) with a text, as the hashed key of a statement of a large file.
struct CountTextHash {
    std::size_t operator()(const std::pair<int, std::string_view>& key) const
    {
        return std::hash<int>()(key.first) * 31u + std::hash<std::string_view>()(key.second);
    }
};

// A parameter name without its trailing digits ("var3" gives "var").
std::string StripTrailingDigits(std::string name);

}  // namespace layer_updater
